#include "QVTFddMathRegion.h"

#include <algorithm>
#include <cmath>

#include "QVTFddMathBoxBuilder.h"

namespace {
// A negative tolerance would make separate boxes overlap; NaN would make nothing overlap.
double SafeTolerance(double iTolerance) { return iTolerance > 0.0 ? iTolerance : 0.0; }

bool HasNaN(const CATMathBox2D& iBox) {
  CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
  return std::isnan(lLow.GetX()) || std::isnan(lLow.GetY()) || std::isnan(lHigh.GetX()) ||
         std::isnan(lHigh.GetY());
}
}  // namespace

QVTFddMathRegion::QVTFddMathRegion(double iTolerance, QVTFddMathRegionMaterialOperations* /*iOps*/)
    : _Tolerance(SafeTolerance(iTolerance)) {}

QVTFddMathRegion::QVTFddMathRegion(const CATMathBox2D& iBox, double iTolerance,
                                   QVTFddMathRegionMaterialOperations* /*iOps*/, void* /*iMaterial*/)
    : _Tolerance(SafeTolerance(iTolerance)), _Boxes(1, iBox) {}

QVTFddMathRegion QVTFddMathRegion::operator|(const QVTFddMathRegion& iOther) const {
  QVTFddMathRegion lUnion(*this);
  lUnion._Boxes.insert(lUnion._Boxes.end(), iOther._Boxes.begin(), iOther._Boxes.end());
  return lUnion;
}

bool QVTFddMathRegion::operator&(const CATMathBox2D& iBox) const {
  // Checked explicitly: std::min and std::max may silently drop a NaN operand.
  if (HasNaN(iBox)) return false;
  CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
  for (const CATMathBox2D& lBox : _Boxes) {
    if (HasNaN(lBox)) continue;
    CATMathPoint2D lBoxLow = lBox.GetLow(), lBoxHigh = lBox.GetHigh();
    double lOverlapX = std::min(lHigh.GetX(), lBoxHigh.GetX()) - std::max(lLow.GetX(), lBoxLow.GetX());
    double lOverlapY = std::min(lHigh.GetY(), lBoxHigh.GetY()) - std::max(lLow.GetY(), lBoxLow.GetY());
    if (lOverlapX > _Tolerance && lOverlapY > _Tolerance) return true;
  }
  return false;
}

CATMathBox2D QVTFddMathRegion::GetBoundingBox() const {
  QVTFddMathBoxBuilder lBuilder;
  for (const CATMathBox2D& lBox : _Boxes) {
    if (!HasNaN(lBox)) lBuilder.Add(lBox);
  }
  return lBuilder.GetBox();
}

CATMathBox2D QVTFddMathRegion::mf_GetBox(int iIndex) const {
  if (iIndex < 0 || iIndex >= mf_GetNbBoxes()) return CATMathBox2D();
  return _Boxes[static_cast<size_t>(iIndex)];
}
