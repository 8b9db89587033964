// Colour scale: the colour of a value, as three components 0 to 255.
#ifndef QVTIFddContinuousAxis_H
#define QVTIFddContinuousAxis_H

#include "CATBaseUnknown.h"

class QVTIFddContinuousAxis : public CATBaseUnknown {
 public:
  // iShift is an offset in the colour table; callers of the function display pass 0.0.
  virtual void GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) = 0;
};

#endif
