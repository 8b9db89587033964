// The point of one data row at a pixel's order: the row's value there is interpolated linearly in
// order between the samples _First and _Second of row _ZIndex, at _Fraction of the way (0: the
// first sample alone). _X is the point's X in data units and _Dist2 its squared distance from the
// pixel, which weights the row's value. A plain record; _ZIndex -1 means no point.
#ifndef QVTFddOrderPoint_H
#define QVTFddOrderPoint_H

class QVTFddOrderPoint {
 public:
  QVTFddOrderPoint() : _ZIndex(-1), _First(0), _Second(0), _Fraction(0.0), _X(0.0), _Dist2(0.0) {}

  bool operator==(const QVTFddOrderPoint& iOther) const {
    return _ZIndex == iOther._ZIndex && _First == iOther._First && _Second == iOther._Second &&
           _Fraction == iOther._Fraction;
  }

  int _ZIndex;
  unsigned int _First;
  unsigned int _Second;
  double _Fraction;
  double _X;
  double _Dist2;
};

#endif
