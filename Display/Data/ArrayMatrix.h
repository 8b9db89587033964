// A 2-D array seen as a matrix: X index = row, Z index = column, so GetLengthX is the number of
// rows and GetLengthY the number of columns. Holds one reference on the array; copies nothing.
#ifndef ArrayMatrix_H
#define ArrayMatrix_H

#include "CATSamIDoubleMatrix.h"

class NumericArray;

class ArrayMatrix : public CATSamIDoubleMatrix {
 public:
  // A null array gives a 0 x 0 matrix.
  explicit ArrayMatrix(NumericArray* iArray);
  ~ArrayMatrix() override;
  ArrayMatrix(const ArrayMatrix&) = delete;
  ArrayMatrix& operator=(const ArrayMatrix&) = delete;

  unsigned int GetLengthX() const override;
  unsigned int GetLengthY() const override;
  double GetValue(unsigned int iX, unsigned int iZ) const override;

 private:
  NumericArray* _Array = nullptr;
};

#endif
