// Matrix view for flat cells of data with one sample along X or Z: that sample is seen twice
// (index 0 and 1 both read the data's index 0), so that the library, given two samples at the
// edges of the cell, fills the cell with the one value instead of drawing a line of one pixel.
// Copies no value; holds one reference on the matrix.
#ifndef DoubledSampleMatrix_H
#define DoubledSampleMatrix_H

#include "CATSamIDoubleMatrix.h"
#include "RefPtr.h"

class DoubledSampleMatrix : public CATSamIDoubleMatrix {
 public:
  // iDoubleX, iDoubleZ: the axes whose single sample is seen twice.
  DoubledSampleMatrix(CATSamIDoubleMatrix* iValues, bool iDoubleX, bool iDoubleZ);
  ~DoubledSampleMatrix() override;
  DoubledSampleMatrix(const DoubledSampleMatrix&) = delete;
  DoubledSampleMatrix& operator=(const DoubledSampleMatrix&) = delete;

  unsigned int GetLengthX() const override;
  unsigned int GetLengthY() const override;
  double GetValue(unsigned int iX, unsigned int iZ) const override;
  // The data's cells in place, a doubled axis with stride 0.
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override;

 private:
  RefPtr<CATSamIDoubleMatrix> _Values;
  bool _DoubleX, _DoubleZ;
};

#endif
