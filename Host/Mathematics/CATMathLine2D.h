// Line from a first to a second point. EvalPoint(0) is the first point, EvalPoint(1) the second.
#ifndef CATMathLine2D_H
#define CATMathLine2D_H

#include "CATMathDirection2D.h"
#include "CATMathPoint2D.h"

class CATMathLine2D {
 public:
  CATMathLine2D() : _Vector(1.0, 0.0) {}
  CATMathLine2D(const CATMathPoint2D& iFirst, const CATMathPoint2D& iSecond)
      : _Origin(iFirst), _Vector(iSecond - iFirst) {}
  CATMathLine2D(const CATMathPoint2D& iOrigin, const CATMathVector2D& iVector)
      : _Origin(iOrigin), _Vector(iVector) {}

  CATMathPoint2D GetOrigin() const { return _Origin; }
  // Unit direction from the first to the second point; (0, 0) for a zero-length line.
  CATMathDirection2D GetDirection() const { return CATMathDirection2D(_Vector); }
  CATMathPoint2D EvalPoint(double iParam) const { return _Origin + _Vector * iParam; }

 private:
  CATMathPoint2D _Origin;
  CATMathVector2D _Vector;
};

#endif
