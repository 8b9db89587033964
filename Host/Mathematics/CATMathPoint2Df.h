// Single-precision 2D point and vector: the coordinates handed to renders.
#ifndef CATMathPoint2Df_H
#define CATMathPoint2Df_H

#include "CATMathPoint2D.h"

class CATMathVector2Df {
 public:
  CATMathVector2Df() = default;
  CATMathVector2Df(float iX, float iY) : x(iX), y(iY) {}
  explicit CATMathVector2Df(const CATMathVector2D& v)
      : x(static_cast<float>(v.GetX())), y(static_cast<float>(v.GetY())) {}
  float x = 0.0f;
  float y = 0.0f;
};

class CATMathPoint2Df {
 public:
  CATMathPoint2Df() = default;
  CATMathPoint2Df(float iX, float iY) : x(iX), y(iY) {}
  explicit CATMathPoint2Df(const CATMathPoint2D& p)
      : x(static_cast<float>(p.GetX())), y(static_cast<float>(p.GetY())) {}
  CATMathPoint2Df operator+(const CATMathVector2Df& v) const { return {x + v.x, y + v.y}; }
  float x = 0.0f;
  float y = 0.0f;
};

#endif
