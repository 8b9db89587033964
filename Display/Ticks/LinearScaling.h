// Linear value conversion of one axis, iFactor * value + iOffset: a unit change such as
// revolutions per minute to revolutions per second (hertz). Reference counted like every scaling
// handed to the library; owns nothing.
#ifndef LinearScaling_H
#define LinearScaling_H

#include "QVTIFddScaling.h"

class LinearScaling : public QVTIFddScaling {
 public:
  explicit LinearScaling(double iFactor = 1.0, double iOffset = 0.0) : _Factor(iFactor), _Offset(iOffset) {}
  double Convert(double iValue) override;

 private:
  double _Factor;
  double _Offset;
};

#endif
