// The scale of an axis: how a data value becomes the coordinate the library draws along (the
// value itself on a linear scale, its decimal logarithm on a logarithmic one) and back. A small
// value type, so that further kinds (a time scale) join as one more kind here rather than as one
// more flag at every place that converts.
#ifndef AxisScale_H
#define AxisScale_H

class AxisScale {
 public:
  enum eKind { eLinear = 0, eLog = 1 };

  AxisScale() = default;
  explicit AxisScale(eKind iKind) : _Kind(iKind) {}
  // The logarithmic scale when iLog, else the linear one.
  static AxisScale Of(bool iLog) { return AxisScale(iLog ? eLog : eLinear); }

  eKind GetKind() const { return _Kind; }
  bool IsLog() const { return _Kind == eLog; }
  // "linear", "logarithmic": for messages.
  const char* GetName() const;

  // Whether iValue has a place on the scale: not NaN, and above zero on a logarithmic one.
  bool IsValid(double iValue) const;
  // The coordinate of iValue along the axis; NaN for a value that has no place on the scale.
  double ToAxis(double iValue) const;
  // The value at the coordinate iCoordinate (the inverse of ToAxis).
  double FromAxis(double iCoordinate) const;

  bool operator==(const AxisScale& iOther) const { return _Kind == iOther._Kind; }
  bool operator!=(const AxisScale& iOther) const { return _Kind != iOther._Kind; }

 private:
  eKind _Kind = eLinear;
};

#endif
