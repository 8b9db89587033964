// Axis-aligned box. The default box is the point (0, 0). Built from two corners with the flag 1,
// the corners are ordered so that low <= high in both coordinates.
#ifndef CATMathBox2D_H
#define CATMathBox2D_H

#include <algorithm>

#include "CATMathPoint2D.h"

class CATMathBox2D {
 public:
  CATMathBox2D() = default;
  CATMathBox2D(double iXMin, double iXMax, double iYMin, double iYMax)
      : _Low(iXMin, iYMin), _High(iXMax, iYMax) {}
  CATMathBox2D(const CATMathPoint2D& iFirst, const CATMathPoint2D& iSecond, int iOrder)
      : _Low(iFirst), _High(iSecond) {
    if (iOrder == 1) {
      _Low.SetCoord(std::min(iFirst.GetX(), iSecond.GetX()), std::min(iFirst.GetY(), iSecond.GetY()));
      _High.SetCoord(std::max(iFirst.GetX(), iSecond.GetX()), std::max(iFirst.GetY(), iSecond.GetY()));
    }
  }

  CATMathPoint2D GetLow() const { return _Low; }
  CATMathPoint2D GetHigh() const { return _High; }
  void SetLow(const CATMathPoint2D& iLow) { _Low = iLow; }
  void SetHigh(const CATMathPoint2D& iHigh) { _High = iHigh; }

  // The border counts as inside; a NaN coordinate is never inside.
  bool IsContaining(const CATMathPoint2D& p) const {
    return p.GetX() >= _Low.GetX() && p.GetX() <= _High.GetX() && p.GetY() >= _Low.GetY() &&
           p.GetY() <= _High.GetY();
  }

 private:
  CATMathPoint2D _Low;
  CATMathPoint2D _High;
};

#endif
