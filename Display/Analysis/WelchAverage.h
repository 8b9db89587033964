// Welch's averaged periodogram: the power spectra of the overlapping frames of a signal, averaged
// (mean, or the largest per bin), one-sided. Frames holding NaN or infinite samples are left out
// and counted in one warning. Static functions only.
#ifndef WelchAverage_H
#define WelchAverage_H

#include <string>
#include <vector>

#include "FrameSettings.h"

class ArrayVector;

class WelchAverage {
 public:
  // The frequencies (Hz) and the power of each; false with oError when no frame fits or every
  // frame is left out, or the heap is exhausted.
  static bool Compute(const ArrayVector& iSignal, const FrameSettings& iSettings, std::vector<double>& oFrequencies,
                      std::vector<double>& oPower, std::vector<std::string>& ioWarnings, std::string& oError);
  // The frequencies of the bins of iSettings.
  static std::vector<double> Frequencies(const FrameSettings& iSettings);
};

#endif
