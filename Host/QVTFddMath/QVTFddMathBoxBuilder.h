// Grows an axis-aligned box around the points it is given; shared by every bounding-box
// computation of the library so that they all treat NaN the same way. Owns nothing; the units
// are those of the points.
#ifndef QVTFddMathBoxBuilder_H
#define QVTFddMathBoxBuilder_H

#include "CATMathBox2D.h"
#include "CATMathPoint2D.h"

class QVTFddMathBoxBuilder {
 public:
  // A point with a NaN coordinate is ignored: it has no place to be bounded.
  void Add(const CATMathPoint2D& iPoint);
  void Add(const CATMathBox2D& iBox);

  // The box around every point added; the default box when none was.
  CATMathBox2D GetBox() const;

 private:
  bool _HasPoint = false;
  double _XMin = 0.0;
  double _XMax = 0.0;
  double _YMin = 0.0;
  double _YMax = 0.0;
};

#endif
