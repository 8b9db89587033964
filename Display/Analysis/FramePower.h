// The power spectrum of one frame of a signal: the frame's samples times the window, transformed,
// squared, scaled as the settings ask and folded onto the positive frequencies (one-sided: every
// bin but 0 Hz and the Nyquist frequency counts twice). Owns its buffers, so each thread that
// computes frames has its own FramePower; the transform's plan is shared.
#ifndef FramePower_H
#define FramePower_H

#include <functional>
#include <string>
#include <vector>

#include "RealFft.h"
#include "FrameSettings.h"

class ArrayVector;

class FramePower {
 public:
  // Gets ready for frames of iSettings; false with oError when the heap is exhausted.
  bool Prepare(const FrameSettings& iSettings, std::string& oError);
  const FrameSettings& GetSettings() const { return _Settings; }
  int GetBins() const { return _Settings.Bins(); }

  // The power of frame iFrame of iSignal into oPower (GetBins() values); false, leaving oPower
  // undefined, when the frame holds a sample that is not a finite number.
  bool Compute(const ArrayVector& iSignal, unsigned long long iFrame, double* oPower);
  // Computes frames iFirst .. iEnd - 1 in turn, handing each finite one to iTake (frame, power);
  // returns how many were left out for holding NaN or infinite samples.
  unsigned long long Sweep(const ArrayVector& iSignal, unsigned long long iFirst, unsigned long long iEnd,
                           const std::function<void(unsigned long long, const double*)>& iTake);
  // What a bin's value times this is: the mean square of the signal that falls in the bin (a
  // bin's width for a density, the window's equivalent noise bandwidth for a spectrum).
  double GetBinEnergy() const { return _BinEnergy; }

  // After a sweep that left out iSkipped of iFrames frames: false with the error when none is
  // left, else true, with a warning when some were.
  static bool Finish(unsigned long long iSkipped, unsigned long long iFrames, std::vector<std::string>& ioWarnings,
                     std::string& oError);
  // The error of a signal shorter than a frame.
  static std::string NoFrame(const FrameSettings& iSettings);

 private:
  FrameSettings _Settings;
  const RealFft* _Fft = nullptr;
  std::vector<double> _Window;
  RealFft::Samples _Samples;
  RealFft::Bins _Bins;
  double _Scale = 1.0;
  double _BinEnergy = 1.0;
  std::vector<double> _Power;
};

#endif
