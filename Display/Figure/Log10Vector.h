// View of a vector through the decimal logarithm, for plots on logarithmic axes: the library maps
// data linearly, so a logarithmic axis is a linear one over log10 of the values. Values without a
// logarithm (zero, negative, NaN) read as NaN and leave gaps (a colour map leaves them out).
// Holds one reference on the vector.
#ifndef Log10Vector_H
#define Log10Vector_H

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class Log10Vector : public CATSamIDoubleVector {
 public:
  explicit Log10Vector(CATSamIVector* iVector);
  ~Log10Vector() override;
  Log10Vector(const Log10Vector&) = delete;
  Log10Vector& operator=(const Log10Vector&) = delete;

  unsigned int GetLength() const override;
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;

 private:
  RefPtr<CATSamIVector> _Vector;
};

#endif
