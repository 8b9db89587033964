// How a signal is cut into frames and each frame turned into a power spectrum: the window, the
// frame length (nfft samples, one transform each), the overlap of successive frames (a fraction),
// the scaling (power spectral density in unit^2/Hz, or power spectrum in unit^2, where a sine
// reads as its RMS squared), how frames are averaged (mean or maximum) and the sampling rate in Hz.
// Frame k starts at sample k * Hop() and stands at the time of its middle.
#ifndef FrameSettings_H
#define FrameSettings_H

#include "WindowFunction.h"

struct FrameSettings {
  WindowFunction::eKind Window = WindowFunction::eHann;
  int Nfft = 4096;
  double Overlap = 0.5;
  bool Density = true;
  bool MaxAverage = false;
  double Rate = 1.0;

  // Samples shared by successive frames: the overlap's fraction of a frame, rounded down.
  int Shared() const;
  // Samples from one frame's start to the next's, at least 1.
  int Hop() const { return Nfft - Shared(); }
  int Bins() const { return Nfft / 2 + 1; }
  // Frames that fit in iLength samples.
  unsigned long long Frames(unsigned long long iLength) const;
  // The time of frame iFrame's middle, in seconds.
  double FrameTime(unsigned long long iFrame) const;
  // The frequency of bin iBin, in Hz.
  double Frequency(int iBin) const { return iBin * Rate / Nfft; }
};

#endif
