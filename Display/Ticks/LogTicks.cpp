#include "LogTicks.h"

#include <cmath>

#include "LinearTicks.h"
#include "LogTickScaling.h"

namespace {

// The values m * 10^k within [iLow, iHigh], for every decade k and every mantissa m that iKeep
// accepts, in increasing order.
template <class Keep>
std::vector<double> DecadeValues(double iLow, double iHigh, int iFirstDecade, int iLastDecade, Keep iKeep) {
  std::vector<double> lValues;
  for (int k = iFirstDecade; k <= iLastDecade; ++k)
    for (int m = 1; m <= 9; ++m) {
      if (!iKeep(m, k)) continue;
      const double v = LinearTicks::Multiple(1.0, m, k);
      // Decades beyond the doubles give 0 or infinity, never a tick.
      if (std::isfinite(v) && v > 0.0 && v >= iLow * (1.0 - 1e-12) && v <= iHigh * (1.0 + 1e-12)) lValues.push_back(v);
    }
  return lValues;
}

bool IsOneTwoFive(int iMantissa) { return iMantissa == 1 || iMantissa == 2 || iMantissa == 5; }

// Python-style modulo, so that negative decades follow the same stride pattern.
int Modulo(int iValue, int iDivisor) { return ((iValue % iDivisor) + iDivisor) % iDivisor; }

// 1, 2, 5, 10, 20, 50 ... decades.
int CoarserStride(int iStride) {
  int lPower = 1;
  while (iStride / lPower >= 10) lPower *= 10;
  return iStride / lPower == 2 ? iStride / 2 * 5 : iStride * 2;
}

}  // namespace

LogTicks::LogTicks(double iMin, double iMax, eKind iKind)
    : LeveledTicks(iMin, iMax, iKind == eMajor ? 3 : 2, iKind == eMajor ? 1 : 0) {
  double lLow, lHigh;
  if (!SortedRange(lLow, lHigh) || !(lLow > 0.0)) return;
  // Decades that can hold ticks: one more on each side covers rounding of the logarithms.
  const int lFirst = static_cast<int>(std::floor(std::log10(lLow))) - 1;
  const int lLast = static_cast<int>(std::floor(std::log10(lHigh))) + 1;
  const bool lMajor = iKind == eMajor;

  // 1, 2, 5 in every decade.
  const std::vector<double> lDensest = DecadeValues(lLow, lHigh, lFirst, lLast, [&](int m, int) {
    return lMajor ? IsOneTwoFive(m) : !IsOneTwoFive(m);
  });
  size_t lCount = DecadeValues(lLow, lHigh, lFirst, lLast, [](int m, int) { return IsOneTwoFive(m); }).size();
  if (lCount == 0) return;
  AddLevel(lDensest);
  if (lCount <= 2) return;

  // Every decade, then every 2nd, 5th, 10th ... decade.
  for (int lStride = 1, lGuard = 0; lGuard < 32; ++lGuard) {
    const std::vector<double> lDecades =
        DecadeValues(lLow, lHigh, lFirst, lLast, [&](int m, int k) { return m == 1 && Modulo(k, lStride) == 0; });
    if (lDecades.empty()) return;
    if (lMajor) {
      AddLevel(lDecades);
    } else if (lStride == 1) {
      AddLevel(DecadeValues(lLow, lHigh, lFirst, lLast, [](int m, int) { return m != 1; }));
    } else {
      AddLevel(DecadeValues(lLow, lHigh, lFirst, lLast,
                            [&](int m, int k) { return m == 1 && Modulo(k, lStride) != 0; }));
    }
    if (lDecades.size() <= 2) return;
    lStride = CoarserStride(lStride);
  }
}

HRESULT LogTicks::GetScaling(QVTIFddTickScaling** oScaling) {
  if (!oScaling) return E_FAIL;
  *oScaling = new LogTickScaling;
  return *oScaling ? S_OK : E_FAIL;
}
