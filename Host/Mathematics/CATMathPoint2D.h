// 2D point, double precision.
#ifndef CATMathPoint2D_H
#define CATMathPoint2D_H

#include <cmath>

#include "CATMathVector2D.h"

class CATMathPoint2D {
 public:
  CATMathPoint2D() = default;
  CATMathPoint2D(double iX, double iY) : _X(iX), _Y(iY) {}

  double GetX() const { return _X; }
  double GetY() const { return _Y; }
  void SetCoord(double iX, double iY) { _X = iX; _Y = iY; }
  double DistanceTo(const CATMathPoint2D& o) const { return std::hypot(_X - o._X, _Y - o._Y); }

  CATMathPoint2D operator+(const CATMathVector2D& v) const { return {_X + v.GetX(), _Y + v.GetY()}; }
  CATMathPoint2D operator-(const CATMathVector2D& v) const { return {_X - v.GetX(), _Y - v.GetY()}; }
  CATMathVector2D operator-(const CATMathPoint2D& o) const { return {_X - o._X, _Y - o._Y}; }
  bool operator==(const CATMathPoint2D& o) const { return _X == o._X && _Y == o._Y; }

 private:
  double _X = 0.0;
  double _Y = 0.0;
};

#endif
