#include "FrameColumns.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ArrayVector.h"
#include "FramePower.h"
#include "WelchAverage.h"

bool FrameColumns::Compute(const ArrayVector& iSignal, const FrameSettings& iSettings, int iColumns,
                                 double iTimeMin, double iTimeMax, std::vector<std::string>& ioWarnings,
                                 std::string& oError) {
  FramePower lPower;
  if (!lPower.Prepare(iSettings, oError)) return false;
  _Hop = iSettings.Hop();
  const unsigned long long lCount = iSettings.Frames(iSignal.GetLength());
  // The frames whose middles lie in the range: [lFirst, lEnd), a middle on an end counting in
  // spite of the rounding of the division.
  const double lHop = static_cast<double>(_Hop) / iSettings.Rate;
  const double lFirstTime = iSettings.FrameTime(0);
  unsigned long long lFirst = 0, lEnd = lCount;
  if (!std::isnan(iTimeMin) && iTimeMin > lFirstTime)
    lFirst = std::min(lCount, static_cast<unsigned long long>(std::ceil((iTimeMin - lFirstTime) / lHop - 1e-9)));
  if (!std::isnan(iTimeMax) && iTimeMax < iSettings.FrameTime(lCount ? lCount - 1 : 0))
    lEnd = iTimeMax < lFirstTime ? 0 : std::min(lCount, static_cast<unsigned long long>(std::floor((iTimeMax - lFirstTime) / lHop + 1e-9)) + 1);
  if (lFirst >= lEnd) {
    oError = lCount == 0 ? FramePower::NoFrame(iSettings)
                         : "no frame lies in the time range";
    return false;
  }
  const unsigned long long lFrames = lEnd - lFirst;
  const size_t lColumns =
      iColumns <= 0 || lFrames <= static_cast<unsigned long long>(iColumns) ? lFrames : static_cast<size_t>(iColumns);
  const size_t lBins = static_cast<size_t>(iSettings.Bins());
  _Frequencies = WelchAverage::Frequencies(iSettings);
  _Values.assign(lColumns * lBins, -std::numeric_limits<double>::infinity());
  _Times.resize(lColumns);
  // Column c spans frames [T0 + c * w, T0 + (c + 1) * w) in time, w = span / columns.
  const double lT0 = iSettings.FrameTime(lFirst), lSpan = iSettings.FrameTime(lEnd - 1) - lT0;
  const bool lOwn = lColumns == lFrames;
  const double lWidth = lOwn ? 0.0 : lSpan / static_cast<double>(lColumns);
  for (size_t c = 0; c < lColumns; ++c)
    _Times[c] = lOwn ? iSettings.FrameTime(lFirst + c) : lT0 + (static_cast<double>(c) + 0.5) * lWidth;
  const double lPerFrame = lOwn ? 0.0 : static_cast<double>(lColumns) / static_cast<double>(lFrames - 1 ? lFrames - 1 : 1);
  const unsigned long long lSkipped = lPower.Sweep(iSignal, lFirst, lEnd, [&](unsigned long long f, const double* p) {
    const size_t c = lOwn ? static_cast<size_t>(f - lFirst)
                          : std::min(lColumns - 1, static_cast<size_t>(static_cast<double>(f - lFirst) * lPerFrame));
    double* v = &_Values[c * lBins];
    for (size_t k = 0; k < lBins; ++k) v[k] = std::max(v[k], p[k]);
  });
  if (!FramePower::Finish(lSkipped, lFrames, ioWarnings, oError)) return false;
  for (double& v : _Values)
    if (std::isinf(v)) v = std::numeric_limits<double>::quiet_NaN();
  return true;
}
