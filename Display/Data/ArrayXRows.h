// Per-row X vectors of non-homogeneous data stored as a 2-D array: row j holds the X values of
// the j-th Z sample, padded at its end with NaN up to the array's width. Row j's vector is row j
// without those trailing NaNs. Holds one reference on the array; the row lengths are found once.
#ifndef ArrayXRows_H
#define ArrayXRows_H

#include <vector>

#include "CATSamIDouble1p5D.h"
#include "RefPtr.h"

class NumericArray;

class ArrayXRows : public CATSamIDouble1p5D {
 public:
  // A null array gives no rows.
  explicit ArrayXRows(NumericArray* iArray);
  ~ArrayXRows() override;
  ArrayXRows(const ArrayXRows&) = delete;
  ArrayXRows& operator=(const ArrayXRows&) = delete;

  unsigned int GetNbrRows() const override { return static_cast<unsigned int>(_Lengths.size()); }
  // A new vector view (one reference) of row iRow; null for a row that does not exist.
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override;
  // The number of values before the trailing NaNs of row iRow; 0 for a row that does not exist.
  unsigned int GetRowLength(unsigned int iRow) const;
  const std::vector<unsigned int>& GetRowLengths() const { return _Lengths; }

 private:
  RefPtr<NumericArray> _Array;
  std::vector<unsigned int> _Lengths;
};

#endif
