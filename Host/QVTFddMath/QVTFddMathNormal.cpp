#include "QVTFddMathNormal.h"

CATMathDirection2D QVTFddMathNormal(const CATMathLine2D& iLine) {
  CATMathDirection2D lDirection = iLine.GetDirection();
  return CATMathDirection2D(-lDirection.GetY(), lDirection.GetX());
}
