// Region of the plane made of axis-aligned boxes: the space already taken by the texts of an axis,
// so that a new text can be tested against it. Owns copies of its boxes, kept in the order they
// were added and never merged. Coordinates and tolerance are in the caller's units (pixels for
// the axis layout).
#ifndef QVTFddMathRegion_H
#define QVTFddMathRegion_H

#include <vector>

#include "CATMathBox2D.h"
#include "QVTFddMathRegionIterator.h"
#include "QVTFddMathRegionMaterialOperations.h"

class QVTFddMathRegion {
 public:
  // Empty region. Two boxes overlap only when they share more than iTolerance in both x and y; a
  // negative or NaN tolerance counts as 0. The material operations are not used (pass null).
  QVTFddMathRegion(double iTolerance, QVTFddMathRegionMaterialOperations* iOps);
  // Region of the one box iBox; the material is not kept.
  QVTFddMathRegion(const CATMathBox2D& iBox, double iTolerance, QVTFddMathRegionMaterialOperations* iOps,
                   void* iMaterial);
  QVTFddMathRegion(const QVTFddMathRegion& iOther) = default;
  QVTFddMathRegion& operator=(const QVTFddMathRegion& iOther) = default;

  // Union: the boxes of this region, then those of iOther; the tolerance is this region's.
  QVTFddMathRegion operator|(const QVTFddMathRegion& iOther) const;

  // True when some box of the region overlaps iBox by more than the tolerance in both x and y.
  // Boxes that only touch do not overlap, and a box with a NaN coordinate never overlaps.
  bool operator&(const CATMathBox2D& iBox) const;

  // Box around every box of the region (boxes with NaN coordinates left out); the default box
  // for an empty region.
  CATMathBox2D GetBoundingBox() const;

  int mf_IsEmpty() const { return _Boxes.empty() ? 1 : 0; }
  int mf_GetNbBoxes() const { return static_cast<int>(_Boxes.size()); }
  // The box at iIndex; the default box out of range.
  CATMathBox2D mf_GetBox(int iIndex) const;

  QVTFddMathRegionIterator mf_Begin() const { return QVTFddMathRegionIterator(this, 0); }
  QVTFddMathRegionIterator mf_End() const { return QVTFddMathRegionIterator(this, mf_GetNbBoxes()); }

 private:
  double _Tolerance;
  std::vector<CATMathBox2D> _Boxes;
};

#endif
