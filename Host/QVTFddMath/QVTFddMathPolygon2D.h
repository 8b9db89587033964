// Closed polygon of the plane given by its corners: the outline of a rotated text or symbol,
// moved with a transformation and tested edge by edge. Owns a copy of its corners; coordinates
// are in the caller's units.
#ifndef QVTFddMathPolygon2D_H
#define QVTFddMathPolygon2D_H

#include <vector>

#include "CATMathBox2D.h"
#include "CATMathLine2D.h"
#include "CATMathPoint2D.h"
#include "CATMathTransformation2D.h"

class QVTFddMathPolygon2D {
 public:
  QVTFddMathPolygon2D() = default;

  // Copies iNb corners from iPoints; a null pointer or iNb <= 0 gives an empty polygon.
  void SetPoints(const CATMathPoint2D* iPoints, int iNb);

  int GetNbPoints() const { return static_cast<int>(_Points.size()); }
  // Corner iIndex; (0, 0) out of range.
  CATMathPoint2D GetPoint(int iIndex) const;

  // Moves every corner by iTransformation.
  QVTFddMathPolygon2D& operator*=(const CATMathTransformation2D& iTransformation);

  // Edge from corner iIndex to the next one, the last corner joining the first; the default line
  // when iIndex is out of range (so always for an empty polygon).
  CATMathLine2D GetLine(int iIndex) const;

  // Box around the corners (NaN corners left out); the default box when there are none.
  CATMathBox2D GetBoundingBox() const;

 private:
  std::vector<CATMathPoint2D> _Points;
};

#endif
