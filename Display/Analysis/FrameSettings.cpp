#include "FrameSettings.h"

#include <algorithm>
#include <cmath>

int FrameSettings::Shared() const {
  const int lShared = static_cast<int>(std::floor(Overlap * Nfft));
  return std::clamp(lShared, 0, Nfft - 1);
}

unsigned long long FrameSettings::Frames(unsigned long long iLength) const {
  if (Nfft <= 0 || iLength < static_cast<unsigned long long>(Nfft)) return 0;
  return (iLength - static_cast<unsigned long long>(Nfft)) / static_cast<unsigned long long>(Hop()) + 1;
}

double FrameSettings::FrameTime(unsigned long long iFrame) const {
  return (static_cast<double>(iFrame) * Hop() + Nfft / 2) / Rate;
}
