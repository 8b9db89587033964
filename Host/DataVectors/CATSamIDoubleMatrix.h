// Matrix of doubles indexed (X index, Z index).
#ifndef CATSamIDoubleMatrix_H
#define CATSamIDoubleMatrix_H

#include "CATBaseUnknown.h"

class CATSamIDoubleMatrix : public CATBaseUnknown {
 public:
  virtual unsigned int GetLengthX() const = 0;
  virtual unsigned int GetLengthY() const = 0;
  // The value at (iX, iZ); NaN outside the matrix.
  virtual double GetValue(unsigned int iX, unsigned int iZ) const = 0;
};

#endif
