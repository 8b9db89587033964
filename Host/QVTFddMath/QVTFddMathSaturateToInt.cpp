#include "QVTFddMathSaturateToInt.h"

#include <cmath>

int QVTFddMathSaturateToInt(double iValue) {
  // Range tests come before the cast: converting an out-of-range double to int is undefined.
  if (std::isnan(iValue)) return -kQVTFddMathSaturationBound;
  if (iValue >= kQVTFddMathSaturationBound) return kQVTFddMathSaturationBound;
  if (iValue <= -kQVTFddMathSaturationBound) return -kQVTFddMathSaturationBound;
  return static_cast<int>(iValue);
}
