// The sample numbers 0, 1, ..., n-1 as a data vector, the x values of a curve given without any;
// divided by a sample rate, the times of a sound file's samples in seconds. Computed on reading,
// so a curve of any length costs no memory for them.
#ifndef IndexVector_H
#define IndexVector_H

#include "CATSamIDoubleVector.h"

class IndexVector : public CATSamIDoubleVector {
 public:
  explicit IndexVector(unsigned int iLength, double iRate = 1.0) : _Length(iLength), _Rate(iRate) {}

  unsigned int GetLength() const override { return _Length; }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;

 private:
  unsigned int _Length;
  double _Rate;
};

#endif
