#include "QVTFddMathBoxBuilder.h"

#include <algorithm>
#include <cmath>

void QVTFddMathBoxBuilder::Add(const CATMathPoint2D& iPoint) {
  double lX = iPoint.GetX(), lY = iPoint.GetY();
  if (std::isnan(lX) || std::isnan(lY)) return;
  if (!_HasPoint) {
    _XMin = _XMax = lX;
    _YMin = _YMax = lY;
    _HasPoint = true;
    return;
  }
  _XMin = std::min(_XMin, lX);
  _XMax = std::max(_XMax, lX);
  _YMin = std::min(_YMin, lY);
  _YMax = std::max(_YMax, lY);
}

void QVTFddMathBoxBuilder::Add(const CATMathBox2D& iBox) {
  Add(iBox.GetLow());
  Add(iBox.GetHigh());
}

CATMathBox2D QVTFddMathBoxBuilder::GetBox() const {
  if (!_HasPoint) return CATMathBox2D();
  return CATMathBox2D(_XMin, _XMax, _YMin, _YMax);
}
