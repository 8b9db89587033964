// A 1-D buffer's numbers as a data vector, read in place. Holds one reference on the array.
#ifndef BufferVector_H
#define BufferVector_H

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class BufferArray;

class BufferVector : public CATSamIDoubleVector {
 public:
  explicit BufferVector(BufferArray* iArray);
  ~BufferVector() override;
  BufferVector(const BufferVector&) = delete;
  BufferVector& operator=(const BufferVector&) = delete;

  unsigned int GetLength() const override;
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;

 private:
  RefPtr<BufferArray> _Array;
};

#endif
