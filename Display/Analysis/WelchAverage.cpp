#include "WelchAverage.h"

#include <algorithm>

#include "ArrayVector.h"
#include "FramePower.h"

std::vector<double> WelchAverage::Frequencies(const FrameSettings& iSettings) {
  std::vector<double> lFrequencies(static_cast<size_t>(iSettings.Bins()));
  for (int k = 0; k < iSettings.Bins(); ++k) lFrequencies[static_cast<size_t>(k)] = iSettings.Frequency(k);
  return lFrequencies;
}

bool WelchAverage::Compute(const ArrayVector& iSignal, const FrameSettings& iSettings,
                            std::vector<double>& oFrequencies, std::vector<double>& oPower,
                            std::vector<std::string>& ioWarnings, std::string& oError) {
  FramePower lFrames;
  if (!lFrames.Prepare(iSettings, oError)) return false;
  const unsigned long long lCount = iSettings.Frames(iSignal.GetLength());
  if (lCount == 0) {
    oError = FramePower::NoFrame(iSettings);
    return false;
  }
  const size_t lBins = static_cast<size_t>(lFrames.GetBins());
  oPower.assign(lBins, 0.0);
  const unsigned long long lSkipped = lFrames.Sweep(iSignal, 0, lCount, [&](unsigned long long, const double* iPower) {
    for (size_t k = 0; k < lBins; ++k)
      oPower[k] = iSettings.MaxAverage ? std::max(oPower[k], iPower[k]) : oPower[k] + iPower[k];
  });
  if (!FramePower::Finish(lSkipped, lCount, ioWarnings, oError)) return false;
  if (!iSettings.MaxAverage)
    for (double& p : oPower) p /= static_cast<double>(lCount - lSkipped);
  oFrequencies = Frequencies(iSettings);
  return true;
}
