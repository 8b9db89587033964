// Linear map of a data interval onto a model interval, value * scale + offset, that stays finite
// for every finite interval of nonzero width: the spans are halved before they are taken, so that
// data of -1e308 .. 1e308 does not overflow, and data of a tiny span (1e-307) is first multiplied by
// an exact power of two, so that its scale does not overflow. For ordinary intervals the result is
// the plain value * (model span / data span) + offset, bit for bit.
#ifndef QVTFddMathLinearMap_H
#define QVTFddMathLinearMap_H

class QVTFddMathLinearMap {
 public:
  QVTFddMathLinearMap(double iData0, double iData1, double iModel0, double iModel1);

  // False for an interval of no width or with a coordinate that is not finite: no map.
  bool IsValid() const { return _Valid; }
  double Map(double iValue) const { return (iValue * _Prescale) * _Scale + _Offset; }

 private:
  double _Prescale = 1.0;
  double _Scale = 0.0;
  double _Offset = 0.0;
  bool _Valid = false;
};

#endif
