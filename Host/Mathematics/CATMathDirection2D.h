// 2D unit vector: built from (x, y) and normalised; the zero vector stays (0, 0).
#ifndef CATMathDirection2D_H
#define CATMathDirection2D_H

#include "CATMathVector2D.h"

class CATMathDirection2D : public CATMathVector2D {
 public:
  CATMathDirection2D() : CATMathVector2D(1.0, 0.0) {}
  CATMathDirection2D(double iX, double iY) : CATMathVector2D(Normalised(iX, iY)) {}
  explicit CATMathDirection2D(const CATMathVector2D& iVector)
      : CATMathVector2D(Normalised(iVector.GetX(), iVector.GetY())) {}

 private:
  static CATMathVector2D Normalised(double iX, double iY) {
    double lNorm = std::hypot(iX, iY);
    if (lNorm == 0.0) return {0.0, 0.0};
    return {iX / lNorm, iY / lNorm};
  }
};

#endif
