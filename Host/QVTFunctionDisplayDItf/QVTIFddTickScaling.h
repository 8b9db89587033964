// How tick values of an axis are written and placed: the text of a value, the value's linear axis
// coordinate, and the value to write for a tick.
#ifndef QVTIFddTickScaling_H
#define QVTIFddTickScaling_H

#include "CATBaseUnknown.h"
#include "CATUnicodeString.h"

class QVTIFddTickScaling : public CATBaseUnknown {
 public:
  virtual CATUnicodeString ValueToText(double iValue) = 0;
  virtual double Scale(double iValue) = 0;
  virtual double GetTextValue(double iTickValue) = 0;
};

#endif
