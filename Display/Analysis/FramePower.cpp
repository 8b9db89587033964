#include "FramePower.h"

#include <cmath>

#include "ArrayVector.h"

bool FramePower::Prepare(const FrameSettings& iSettings, std::string& oError) {
  _Settings = iSettings;
  const int n = _Settings.Nfft;
  _Fft = RealFft::For(n);
  _Window = WindowFunction::Values(_Settings.Window, n);
  if (_Fft) {
    _Samples = _Fft->NewSamples();
    _Bins = _Fft->NewBins();
  }
  if (!_Fft || !_Samples || !_Bins || _Window.size() != static_cast<size_t>(n)) {
    oError = "out of memory for frames of " + std::to_string(n) + " samples";
    return false;
  }
  double lSum = 0.0, lSquares = 0.0;
  for (const double w : _Window) {
    lSum += w;
    lSquares += w * w;
  }
  // Density: the power per hertz of the window's equivalent noise bandwidth; spectrum: a sine's
  // peak reads as its mean square.
  _Scale = _Settings.Density ? 1.0 / (_Settings.Rate * lSquares) : 1.0 / (lSum * lSum);
  _BinEnergy = _Settings.Density ? _Settings.Rate / n : lSum * lSum / (n * lSquares);
  _Power.assign(static_cast<size_t>(GetBins()), 0.0);
  return true;
}

bool FramePower::Compute(const ArrayVector& iSignal, unsigned long long iFrame, double* oPower) {
  const int n = _Settings.Nfft;
  double* const x = _Samples.get();
  const double* const w = _Window.data();
  const unsigned long long lStart = iFrame * static_cast<unsigned long long>(_Settings.Hop());
  if (lStart + static_cast<unsigned long long>(n) > iSignal.GetLength()) return false;
  // Doubles in memory are windowed where they lie; others are converted first.
  if (const double* lDirect = iSignal.GetDirectValues()) {
    lDirect += lStart;
    for (int i = 0; i < n; ++i) x[i] = lDirect[i] * w[i];
  } else {
    iSignal.GetValues(static_cast<unsigned int>(lStart), static_cast<unsigned int>(n), x);
    for (int i = 0; i < n; ++i) x[i] *= w[i];
  }
  _Fft->Execute(x, _Bins.get());
  const std::complex<double>* b = _Bins.get();
  // A NaN or an infinity among the samples makes the sum of them all, bin 0, no finite number
  // (a window's zero times either is NaN): one test for the frame.
  if (!std::isfinite(b[0].real())) return false;
  const int lBins = GetBins();
  const double lDouble = 2.0 * _Scale;
  // Squares written out: std::norm goes through the complex magnitude (a hypot) unless the
  // compiler may take shortcuts, which costs more than the transform.
  const double* const c = reinterpret_cast<const double*>(b);
  for (int k = 0; k < lBins; ++k) oPower[k] = (c[2 * k] * c[2 * k] + c[2 * k + 1] * c[2 * k + 1]) * lDouble;
  // 0 Hz, and the Nyquist bin of an even length, have no negative twin.
  oPower[0] *= 0.5;
  if (n % 2 == 0) oPower[lBins - 1] *= 0.5;
  return true;
}

unsigned long long FramePower::Sweep(const ArrayVector& iSignal, unsigned long long iFirst, unsigned long long iEnd,
                                     const std::function<void(unsigned long long, const double*)>& iTake) {
  unsigned long long lSkipped = 0;
  for (unsigned long long f = iFirst; f < iEnd; ++f) {
    if (Compute(iSignal, f, _Power.data()))
      iTake(f, _Power.data());
    else
      ++lSkipped;
  }
  return lSkipped;
}

bool FramePower::Finish(unsigned long long iSkipped, unsigned long long iFrames, std::vector<std::string>& ioWarnings,
                        std::string& oError) {
  if (iSkipped >= iFrames) {
    oError = "every frame holds samples that are not numbers (NaN or infinite): no spectrum";
    return false;
  }
  if (iSkipped)
    ioWarnings.push_back(std::to_string(iSkipped) + " of " + std::to_string(iFrames) +
                         " frames hold samples that are not numbers (NaN or infinite) and are left out");
  return true;
}

std::string FramePower::NoFrame(const FrameSettings& iSettings) {
  return "no frame of " + std::to_string(iSettings.Nfft) + " samples fits in the signal";
}
