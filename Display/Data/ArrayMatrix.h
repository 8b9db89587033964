// A 2-D array seen as a matrix of values over X and Z. By default a row holds one Z sample
// (values[i_z, i_x], the C[y, x] of images and spectrograms), so GetLengthX is the number of
// columns; RowPerX reads arrays stored the other way. Holds one reference on the array; copies
// nothing.
#ifndef ArrayMatrix_H
#define ArrayMatrix_H

#include "CATSamIDoubleMatrix.h"
#include "RefPtr.h"

class NumericArray;

class ArrayMatrix : public CATSamIDoubleMatrix {
 public:
  enum eLayout { RowPerZ, RowPerX };

  // A null array gives a 0 x 0 matrix.
  explicit ArrayMatrix(NumericArray* iArray, eLayout iLayout = RowPerZ);
  ~ArrayMatrix() override;
  ArrayMatrix(const ArrayMatrix&) = delete;
  ArrayMatrix& operator=(const ArrayMatrix&) = delete;

  unsigned int GetLengthX() const override;
  unsigned int GetLengthY() const override;
  double GetValue(unsigned int iX, unsigned int iZ) const override;
  // The array's own values when they are doubles in the machine's order with forward strides.
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override;

 private:
  RefPtr<NumericArray> _Array;
  eLayout _Layout = RowPerZ;
};

#endif
