// Read interface of a sampled vector: its length and the value at an index as a double.
// Reference counted; holders AddRef when they store a vector and Release when done.
#ifndef CATSamIVector_H
#define CATSamIVector_H

#include "CATBaseUnknown.h"

class CATSamIVector : public CATBaseUnknown {
 public:
  virtual unsigned int GetLength() const = 0;
  // The value at iIndex; NaN for an index at or beyond the length.
  virtual double GetValue(unsigned int iIndex) const = 0;
};

#endif
