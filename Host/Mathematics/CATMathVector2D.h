// 2D vector, double precision.
#ifndef CATMathVector2D_H
#define CATMathVector2D_H

#include <cmath>

class CATMathVector2D {
 public:
  CATMathVector2D() = default;
  CATMathVector2D(double iX, double iY) : _X(iX), _Y(iY) {}

  double GetX() const { return _X; }
  double GetY() const { return _Y; }
  void SetCoord(double iX, double iY) { _X = iX; _Y = iY; }
  double Norm() const { return std::hypot(_X, _Y); }

  // Signed angle in radians from this vector to iOther, counter-clockwise positive: atan2 of the
  // cross and dot products, so that a zero vector gives 0 instead of a division by zero.
  double GetAngleTo(const CATMathVector2D& iOther) const {
    return std::atan2(_X * iOther._Y - _Y * iOther._X, _X * iOther._X + _Y * iOther._Y);
  }

  CATMathVector2D operator+(const CATMathVector2D& o) const { return {_X + o._X, _Y + o._Y}; }
  CATMathVector2D operator-(const CATMathVector2D& o) const { return {_X - o._X, _Y - o._Y}; }
  CATMathVector2D operator-() const { return {-_X, -_Y}; }
  CATMathVector2D operator*(double iFactor) const { return {_X * iFactor, _Y * iFactor}; }
  // Division by zero gives the zero vector rather than infinities.
  CATMathVector2D operator/(double iDivisor) const {
    if (iDivisor == 0.0) return {0.0, 0.0};
    return {_X / iDivisor, _Y / iDivisor};
  }

 private:
  double _X = 0.0;
  double _Y = 0.0;
};

inline CATMathVector2D operator*(double iFactor, const CATMathVector2D& iVector) {
  return iVector * iFactor;
}

#endif
