#include "QVTFddMathLinearMap.h"

#include <cmath>

QVTFddMathLinearMap::QVTFddMathLinearMap(double iData0, double iData1, double iModel0, double iModel1) {
  // Halving is exact for every double above the subnormals.
  const double lHalfData = 0.5 * iData1 - 0.5 * iData0;
  const double lHalfModel = 0.5 * iModel1 - 0.5 * iModel0;
  if (lHalfData == 0.0 || !std::isfinite(lHalfData) || !std::isfinite(lHalfModel) || !std::isfinite(iData0) ||
      !std::isfinite(iModel0))
    return;
  _Scale = lHalfModel / lHalfData;
  if (!std::isfinite(_Scale)) {
    // A span so small that its scale overflows: 2^600 brings it and the values near it into range.
    _Prescale = std::ldexp(1.0, 600);
    _Scale = lHalfModel / (lHalfData * _Prescale);
  }
  _Offset = iModel0 - (iData0 * _Prescale) * _Scale;
  _Valid = std::isfinite(_Scale) && std::isfinite(_Offset);
}
