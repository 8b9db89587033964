// Value conversion of one axis (for example linear, logarithmic, or a unit change).
#ifndef QVTIFddScaling_H
#define QVTIFddScaling_H

#include "CATBaseUnknown.h"

class QVTIFddScaling : public CATBaseUnknown {
 public:
  virtual double Convert(double iValue) = 0;
};

#endif
