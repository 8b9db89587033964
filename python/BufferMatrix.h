// A 2-D buffer's numbers as a matrix of values over X and Z, read in place: a row holds one Z
// sample (values[i_z, i_x]), or one X sample for RowPerX. Holds one reference on the array.
#ifndef BufferMatrix_H
#define BufferMatrix_H

#include "CATSamIDoubleMatrix.h"
#include "RefPtr.h"

class BufferArray;

class BufferMatrix : public CATSamIDoubleMatrix {
 public:
  enum eLayout { RowPerZ, RowPerX };

  BufferMatrix(BufferArray* iArray, eLayout iLayout);
  ~BufferMatrix() override;
  BufferMatrix(const BufferMatrix&) = delete;
  BufferMatrix& operator=(const BufferMatrix&) = delete;

  unsigned int GetLengthX() const override;
  unsigned int GetLengthY() const override;
  double GetValue(unsigned int iX, unsigned int iZ) const override;
  // float64 in the machine's order with forward strides of whole doubles: read in place.
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override;

 private:
  RefPtr<BufferArray> _Array;
  eLayout _Layout;
};

#endif
