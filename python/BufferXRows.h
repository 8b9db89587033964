// Per-row X vectors of non-homogeneous data in a 2-D buffer: row j holds the X values of the j-th
// Z sample, padded at its end with NaN; row j's vector is row j without that padding. Holds one
// reference on the array; the row lengths are found once.
#ifndef BufferXRows_H
#define BufferXRows_H

#include <vector>

#include "CATSamIDouble1p5D.h"
#include "RefPtr.h"

class BufferArray;

class BufferXRows : public CATSamIDouble1p5D {
 public:
  explicit BufferXRows(BufferArray* iArray);
  ~BufferXRows() override;
  BufferXRows(const BufferXRows&) = delete;
  BufferXRows& operator=(const BufferXRows&) = delete;

  unsigned int GetNbrRows() const override { return static_cast<unsigned int>(_Lengths.size()); }
  // A new vector (one reference) of row iRow; null for a row that does not exist.
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override;
  // The number of values before the padding of each row.
  const std::vector<unsigned int>& GetRowLengths() const { return _Lengths; }

 private:
  RefPtr<BufferArray> _Array;
  std::vector<unsigned int> _Lengths;
};

#endif
