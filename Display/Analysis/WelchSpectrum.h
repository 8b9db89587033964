// Welch's averaged periodogram: the power spectra of the overlapping frames of a signal, averaged
// (mean, or the largest per bin), one-sided. Frames holding NaN or infinite samples are left out
// and counted in one warning. Static functions only.
#ifndef WelchSpectrum_H
#define WelchSpectrum_H

#include <string>
#include <vector>

#include "SpectralSettings.h"

class ArrayVector;

class WelchSpectrum {
 public:
  // The frequencies (Hz) and the power of each; false with oError when no frame fits or every
  // frame is left out, or the heap is exhausted.
  static bool Compute(const ArrayVector& iSignal, const SpectralSettings& iSettings, std::vector<double>& oFrequencies,
                      std::vector<double>& oPower, std::vector<std::string>& ioWarnings, std::string& oError);
  // The frequencies of the bins of iSettings.
  static std::vector<double> Frequencies(const SpectralSettings& iSettings);
};

#endif
