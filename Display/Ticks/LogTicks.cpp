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

// The multiples of iMantissa * 10^(k + iShift) within [iLow, iHigh], decade k by decade k, in
// increasing order; false when there are more than iMaxCount.
bool SubDecadeValues(double iLow, double iHigh, int iFirstDecade, int iLastDecade, int iMantissa, int iShift,
                     size_t iMaxCount, std::vector<double>& oValues) {
  oValues.clear();
  for (int k = iFirstDecade; k <= iLastDecade; ++k) {
    const double lStep = LinearTicks::Multiple(1.0, iMantissa, k + iShift);
    const double lDecade = LinearTicks::Multiple(1.0, 1, k), lNext = LinearTicks::Multiple(1.0, 1, k + 1);
    if (!(lStep > 0.0) || !(lDecade > 0.0) || !std::isfinite(lNext)) continue;
    const double lFirst = std::ceil(std::fmax(iLow, lDecade) / lStep - 1e-9);
    const double lLast = std::floor(std::fmin(iHigh, lNext) / lStep + 1e-9);
    for (double j = lFirst; j <= lLast; ++j) {
      const double v = LinearTicks::Multiple(j, iMantissa, k + iShift);
      // The next decade's first value belongs to the next decade.
      if (v >= lNext * (1.0 - 1e-12)) break;
      if (oValues.size() >= iMaxCount) return false;
      oValues.push_back(v);
    }
  }
  return true;
}

// The values of iDenser that are not in iSparser (both increasing).
std::vector<double> Between(const std::vector<double>& iDenser, const std::vector<double>& iSparser) {
  std::vector<double> lValues;
  size_t j = 0;
  for (double v : iDenser) {
    while (j < iSparser.size() && iSparser[j] < v * (1.0 - 1e-12)) ++j;
    if (j < iSparser.size() && iSparser[j] <= v * (1.0 + 1e-12)) continue;
    lValues.push_back(v);
  }
  return lValues;
}

}  // namespace

void LogTicks::AddSubDecadeLevels(double iLow, double iHigh, int iFirstDecade, int iLastDecade, bool iMajor) {
  // Coarsest first: every multiple of the decade (40, 50, 60), then steps of 5, 2, 1 a decade
  // lower, and so on, while a level stays within the ticks a level may hold.
  std::vector<std::vector<double>> lLevels;
  std::vector<double> lValues;
  for (int n = 0; n < 46; ++n) {
    // Step n: 1 times the decade, then 5, 2, 1 times a tenth of it, a hundredth, ...
    const int lMantissa = n == 0 ? 1 : (n % 3 == 1 ? 5 : (n % 3 == 2 ? 2 : 1));
    const int lShift = n == 0 ? 0 : -1 - (n - 1) / 3;
    if (!SubDecadeValues(iLow, iHigh, iFirstDecade, iLastDecade, lMantissa, lShift, kMaxTicksPerLevel, lValues)) break;
    // A level without ticks would be taken as the one whose texts fit.
    if (!lValues.empty()) lLevels.push_back(lValues);
  }
  // Densest first; a minor level holds the next denser level's ticks between its major ones.
  for (size_t i = lLevels.size(); i-- > 0;)
    AddLevel(iMajor ? lLevels[i]
                    : (i + 1 < lLevels.size() ? Between(lLevels[i + 1], lLevels[i]) : std::vector<double>()));
}

LogTicks::LogTicks(double iMin, double iMax, eKind iKind)
    : LeveledTicks(iMin, iMax, iKind == eMajor ? 3 : 2, iKind == eMajor ? 1 : 0) {
  double lLow, lHigh;
  if (!SortedRange(lLow, lHigh) || !(lLow > 0.0)) return;
  // Decades that can hold ticks: one more on each side covers rounding of the logarithms.
  const int lFirst = static_cast<int>(std::floor(std::log10(lLow))) - 1;
  const int lLast = static_cast<int>(std::floor(std::log10(lHigh))) + 1;
  const bool lMajor = iKind == eMajor;
  // Less than two decades in range: the levels within a decade come first (40, 50, 60 on 40 .. 60).
  if (DecadeValues(lLow, lHigh, lFirst, lLast, [](int m, int) { return m == 1; }).size() < 2)
    AddSubDecadeLevels(lLow, lHigh, lFirst, lLast, lMajor);

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
