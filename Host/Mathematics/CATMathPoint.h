// 3D point, double precision, and its single-precision copy.
#ifndef CATMathPoint_H
#define CATMathPoint_H

#include "CATMathVector.h"

class CATMathPoint {
 public:
  CATMathPoint() = default;
  CATMathPoint(double iX, double iY, double iZ) : _X(iX), _Y(iY), _Z(iZ) {}
  double GetX() const { return _X; }
  double GetY() const { return _Y; }
  double GetZ() const { return _Z; }
  double DistanceTo(const CATMathPoint& o) const { return (*this - o).Norm(); }
  CATMathPoint operator+(const CATMathVector& v) const { return {_X + v.GetX(), _Y + v.GetY(), _Z + v.GetZ()}; }
  CATMathVector operator-(const CATMathPoint& o) const { return {_X - o._X, _Y - o._Y, _Z - o._Z}; }

 private:
  double _X = 0.0, _Y = 0.0, _Z = 0.0;
};

class CATMathPointf {
 public:
  CATMathPointf() = default;
  CATMathPointf(float iX, float iY, float iZ) : x(iX), y(iY), z(iZ) {}
  explicit CATMathPointf(const CATMathPoint& p)
      : x(static_cast<float>(p.GetX())), y(static_cast<float>(p.GetY())), z(static_cast<float>(p.GetZ())) {}
  float x = 0.0f, y = 0.0f, z = 0.0f;
};

#endif
