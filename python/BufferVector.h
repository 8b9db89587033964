// A buffer's numbers as a data vector, read in place: a 1-D array, or the first values of one row
// of a 2-D array. Holds one reference on the array.
#ifndef BufferVector_H
#define BufferVector_H

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class BufferArray;

class BufferVector : public CATSamIDoubleVector {
 public:
  // The whole of a 1-D array.
  explicit BufferVector(BufferArray* iArray);
  // The first iLength values of row iRow of a 2-D array (cut to its width).
  BufferVector(BufferArray* iArray, unsigned int iRow, unsigned int iLength);
  ~BufferVector() override;
  BufferVector(const BufferVector&) = delete;
  BufferVector& operator=(const BufferVector&) = delete;

  unsigned int GetLength() const override { return _Length; }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;
  // Contiguous float64 values only (a row of a C-ordered matrix, a 1-D array without a step).
  const double* GetDirectValues() const override;

 private:
  RefPtr<BufferArray> _Array;
  bool _Row = false;
  unsigned int _Line = 0;
  unsigned int _Length = 0;
};

#endif
