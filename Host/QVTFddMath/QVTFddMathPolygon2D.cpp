#include "QVTFddMathPolygon2D.h"

#include "QVTFddMathBoxBuilder.h"

void QVTFddMathPolygon2D::SetPoints(const CATMathPoint2D* iPoints, int iNb) {
  _Points.clear();
  if (!iPoints || iNb <= 0) return;
  _Points.assign(iPoints, iPoints + iNb);
}

CATMathPoint2D QVTFddMathPolygon2D::GetPoint(int iIndex) const {
  if (iIndex < 0 || iIndex >= GetNbPoints()) return CATMathPoint2D();
  return _Points[static_cast<size_t>(iIndex)];
}

QVTFddMathPolygon2D& QVTFddMathPolygon2D::operator*=(const CATMathTransformation2D& iTransformation) {
  for (CATMathPoint2D& lPoint : _Points) lPoint = iTransformation * lPoint;
  return *this;
}

CATMathLine2D QVTFddMathPolygon2D::GetLine(int iIndex) const {
  int lNb = GetNbPoints();
  if (iIndex < 0 || iIndex >= lNb) return CATMathLine2D();
  int lNext = iIndex + 1 == lNb ? 0 : iIndex + 1;
  return CATMathLine2D(_Points[static_cast<size_t>(iIndex)], _Points[static_cast<size_t>(lNext)]);
}

CATMathBox2D QVTFddMathPolygon2D::GetBoundingBox() const {
  QVTFddMathBoxBuilder lBuilder;
  for (const CATMathPoint2D& lPoint : _Points) lBuilder.Add(lPoint);
  return lBuilder.GetBox();
}
