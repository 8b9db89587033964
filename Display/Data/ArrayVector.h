// Vector view of an array's values: iLength values from a flat index, one after another or every
// iStride-th (a column of a matrix). Holds one reference on the array; copies nothing.
#ifndef ArrayVector_H
#define ArrayVector_H

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class NumericArray;

class ArrayVector : public CATSamIDoubleVector {
 public:
  // A view reaching past the array is cut to what the array holds; a null array gives an empty
  // vector.
  ArrayVector(NumericArray* iArray, unsigned long long iFirst, unsigned int iLength, unsigned long long iStride = 1);
  ~ArrayVector() override;
  ArrayVector(const ArrayVector&) = delete;
  ArrayVector& operator=(const ArrayVector&) = delete;

  unsigned int GetLength() const override { return _Length; }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;
  // The array's own values when they are doubles in the machine's order and one follows another.
  const double* GetDirectValues() const override;

 private:
  RefPtr<NumericArray> _Array;
  unsigned long long _First = 0;
  unsigned long long _Stride = 1;
  unsigned int _Length = 0;
};

#endif
