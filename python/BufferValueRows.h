// Value rows of non-homogeneous data in a 2-D buffer: row j of the array, cut to the length of
// the j-th X row (given), so that the padding past the X values is not read. Holds one reference
// on the array; copies nothing.
#ifndef BufferValueRows_H
#define BufferValueRows_H

#include <vector>

#include "CATSamIDouble2DDim2NH.h"
#include "RefPtr.h"

class BufferArray;

class BufferValueRows : public CATSamIDouble2DDim2NH {
 public:
  // iLengths[j] is the length of row j (cut to the array's width; rows past its end: the width).
  BufferValueRows(BufferArray* iArray, std::vector<unsigned int> iLengths);
  ~BufferValueRows() override;
  BufferValueRows(const BufferValueRows&) = delete;
  BufferValueRows& operator=(const BufferValueRows&) = delete;

  unsigned int GetLengthY() const override;
  // A new vector (one reference) of row iRow; null for a row that does not exist.
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override;

 private:
  RefPtr<BufferArray> _Array;
  std::vector<unsigned int> _Lengths;
};

#endif
