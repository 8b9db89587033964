#include "LinearTicks.h"

#include <cmath>

#include "LinearTickScaling.h"

namespace {

// A nice step: mantissa 1, 2 or 5 times ten to the exponent.
struct Step {
  int Mantissa;
  int Exponent;
  Step Coarser() const {
    if (Mantissa == 1) return {2, Exponent};
    if (Mantissa == 2) return {5, Exponent};
    return {1, Exponent + 1};
  }
  double Value() const { return LinearTicks::Multiple(1.0, Mantissa, Exponent); }
};

// Indices of the multiples of iStep within [iLow, iHigh]; false when there are none or too many to
// count exactly. A tiny slack keeps range ends that are multiples but carry rounding noise.
bool Multiples(const Step& iStep, double iLow, double iHigh, double& oFirst, double& oLast) {
  const double lStep = iStep.Value();
  if (!(lStep > 0.0) || !std::isfinite(lStep)) return false;
  oFirst = std::ceil(iLow / lStep - 1e-9);
  oLast = std::floor(iHigh / lStep + 1e-9);
  const double lExact = 9007199254740992.0;  // 2^53
  return std::isfinite(oFirst) && std::isfinite(oLast) && std::fabs(oFirst) < lExact && std::fabs(oLast) < lExact &&
         oLast >= oFirst;
}

}  // namespace

double LinearTicks::Multiple(double iIndex, int iMantissa, int iExponent) {
  // Dividing by an exact power of ten rounds once, where multiplying by an inexact 10^-n would not.
  if (iExponent >= 0) return iIndex * iMantissa * std::pow(10.0, iExponent);
  if (iExponent >= -300) return iIndex * iMantissa / std::pow(10.0, -iExponent);
  // Steps of tiny spans (1e-309): 10^309 overflows a double, not a long double.
  return static_cast<double>(static_cast<long double>(iIndex * iMantissa) / std::pow(10.0L, -iExponent));
}

LinearTicks::LinearTicks(double iMin, double iMax, eKind iKind, int iMaxIntervals)
    : LeveledTicks(iMin, iMax, iKind == eMajor ? 3 : 2, iKind == eMajor ? 1 : 0) {
  double lLow, lHigh;
  if (!SortedRange(lLow, lHigh)) return;
  if (iMaxIntervals < 1) iMaxIntervals = 1;
  if (iMaxIntervals > kMaxTicksPerLevel - 1) iMaxIntervals = kMaxTicksPerLevel - 1;

  // The finest nice step giving at most iMaxIntervals intervals, found from half the span and half
  // the step: the span of -1e308 .. 1e308 overflows.
  double lHalfRaw = (0.5 * lHigh - 0.5 * lLow) / iMaxIntervals;
  // A span of a few denormals halves to nothing at its ends: halve the whole span instead.
  if (!(lHalfRaw > 0.0)) lHalfRaw = (lHigh - lLow) / iMaxIntervals * 0.5;
  if (!(lHalfRaw > 0.0) || !std::isfinite(lHalfRaw)) return;
  Step lStep{1, static_cast<int>(std::floor(std::log10(lHalfRaw) + std::log10(2.0)))};
  for (int lGuard = 0; lGuard < 8 && 0.5 * lStep.Value() < lHalfRaw * (1.0 - 1e-12); ++lGuard)
    lStep = lStep.Coarser();

  // Coarser steps until one leaves at most two ticks; a step that leaves none ends the levels.
  for (int lGuard = 0; lGuard < 64; ++lGuard, lStep = lStep.Coarser()) {
    double lFirst, lLast;
    if (!Multiples(lStep, lLow, lHigh, lFirst, lLast)) break;
    const double lCount = lLast - lFirst + 1.0;
    std::vector<double> lValues;
    if (iKind == eMajor) {
      for (double k = lFirst; k <= lLast; ++k) lValues.push_back(Multiple(k, lStep.Mantissa, lStep.Exponent));
    } else {
      // Minor steps are nice steps too: a fifth of 1 is 2 a decade lower, a quarter of 2 is 5,
      // a fifth of 5 is 1.
      const int lDivisions = lStep.Mantissa == 2 ? 4 : 5;
      const Step lMinor = lStep.Mantissa == 1   ? Step{2, lStep.Exponent - 1}
                          : lStep.Mantissa == 2 ? Step{5, lStep.Exponent - 1}
                                                : Step{1, lStep.Exponent};
      double lMinorFirst, lMinorLast;
      if (Multiples(lMinor, lLow, lHigh, lMinorFirst, lMinorLast))
        for (double k = lMinorFirst; k <= lMinorLast; ++k)
          if (std::fmod(k, lDivisions) != 0.0) lValues.push_back(Multiple(k, lMinor.Mantissa, lMinor.Exponent));
    }
    AddLevel(lValues);
    if (lCount <= 2.0) break;
  }
}

HRESULT LinearTicks::GetScaling(QVTIFddTickScaling** oScaling) {
  if (!oScaling) return E_FAIL;
  *oScaling = new LinearTickScaling;
  return *oScaling ? S_OK : E_FAIL;
}
