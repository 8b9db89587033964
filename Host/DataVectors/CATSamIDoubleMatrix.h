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
  // Direct access, optional: value (x, z) at oValues[x * oStrideX + z * oStrideZ] (strides in
  // values), valid and unchanged while the matrix lives; null when the matrix does not hold its
  // values as doubles in memory (read them with GetValue then).
  virtual const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const {
    oStrideX = oStrideZ = 0;
    return nullptr;
  }
};

#endif
