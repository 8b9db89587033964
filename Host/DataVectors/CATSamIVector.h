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
  // Bulk read for hot loops: copies the values iFirst .. iFirst + iCount - 1 (as far as the vector
  // reaches) into oValues and returns how many were copied. The default reads value by value.
  virtual unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const;
  // Direct access, optional: the GetLength() values as contiguous doubles, valid and unchanged while
  // the vector lives; null when the vector does not hold them so (read them with GetValues then).
  virtual const double* GetDirectValues() const { return nullptr; }
};

#endif
