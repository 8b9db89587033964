// 2D extent in model coordinates. A default box is empty and is the neutral element of the
// union operator+=; NaN bounds are treated as empty.
#ifndef CAT2DBoundingBox_H
#define CAT2DBoundingBox_H

class CAT2DBoundingBox {
 public:
  CAT2DBoundingBox() = default;
  CAT2DBoundingBox(float iXMin, float iXMax, float iYMin, float iYMax)
      : _XMin(iXMin), _XMax(iXMax), _YMin(iYMin), _YMax(iYMax) {}

  // Empty when the bounds do not describe at least a point (also when any of them is NaN).
  bool IsEmpty() const { return !(_XMin <= _XMax && _YMin <= _YMax); }
  float GetXMin() const { return _XMin; }
  float GetXMax() const { return _XMax; }
  float GetYMin() const { return _YMin; }
  float GetYMax() const { return _YMax; }

  CAT2DBoundingBox& operator+=(const CAT2DBoundingBox& iOther) {
    if (iOther.IsEmpty()) return *this;
    if (IsEmpty()) return *this = iOther;
    if (iOther._XMin < _XMin) _XMin = iOther._XMin;
    if (iOther._XMax > _XMax) _XMax = iOther._XMax;
    if (iOther._YMin < _YMin) _YMin = iOther._YMin;
    if (iOther._YMax > _YMax) _YMax = iOther._YMax;
    return *this;
  }

  bool operator==(const CAT2DBoundingBox& o) const {
    if (IsEmpty() || o.IsEmpty()) return IsEmpty() && o.IsEmpty();
    return _XMin == o._XMin && _XMax == o._XMax && _YMin == o._YMin && _YMax == o._YMax;
  }

 private:
  float _XMin = 1.0f;
  float _XMax = -1.0f;
  float _YMin = 1.0f;
  float _YMax = -1.0f;
};

#endif
