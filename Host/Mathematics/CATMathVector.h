// 3D vector and unit direction, double precision.
#ifndef CATMathVector_H
#define CATMathVector_H

#include <cmath>

class CATMathVector {
 public:
  CATMathVector() = default;
  CATMathVector(double iX, double iY, double iZ) : _X(iX), _Y(iY), _Z(iZ) {}
  double GetX() const { return _X; }
  double GetY() const { return _Y; }
  double GetZ() const { return _Z; }
  double Norm() const { return std::sqrt(_X * _X + _Y * _Y + _Z * _Z); }
  CATMathVector operator+(const CATMathVector& o) const { return {_X + o._X, _Y + o._Y, _Z + o._Z}; }
  CATMathVector operator-(const CATMathVector& o) const { return {_X - o._X, _Y - o._Y, _Z - o._Z}; }
  CATMathVector operator*(double f) const { return {_X * f, _Y * f, _Z * f}; }
  // Division by zero gives the zero vector rather than infinities.
  CATMathVector operator/(double d) const {
    if (d == 0.0) return {0.0, 0.0, 0.0};
    return {_X / d, _Y / d, _Z / d};
  }

 private:
  double _X = 0.0, _Y = 0.0, _Z = 0.0;
};

inline CATMathVector operator*(double f, const CATMathVector& v) { return v * f; }

class CATMathDirection : public CATMathVector {
 public:
  CATMathDirection() : CATMathVector(1.0, 0.0, 0.0) {}
  CATMathDirection(double iX, double iY, double iZ) : CATMathVector(CATMathVector(iX, iY, iZ) / CATMathVector(iX, iY, iZ).Norm()) {}
};

#endif
