// 2D transformation. Type 2 is a rotation counter-clockwise by an angle (radians) about a centre;
// any other type is the identity.
#ifndef CATMathTransformation2D_H
#define CATMathTransformation2D_H

#include <cmath>

#include "CATMathPoint2D.h"

class CATMathTransformation2D {
 public:
  CATMathTransformation2D() = default;
  CATMathTransformation2D(double iAngle, const CATMathPoint2D& iCentre, int iType) : _Centre(iCentre) {
    if (iType == 2) {
      _Cos = std::cos(iAngle);
      _Sin = std::sin(iAngle);
    }
  }

  CATMathPoint2D operator*(const CATMathPoint2D& p) const {
    double dx = p.GetX() - _Centre.GetX(), dy = p.GetY() - _Centre.GetY();
    return {_Centre.GetX() + _Cos * dx - _Sin * dy, _Centre.GetY() + _Sin * dx + _Cos * dy};
  }

 private:
  CATMathPoint2D _Centre;
  double _Cos = 1.0;
  double _Sin = 0.0;
};

#endif
