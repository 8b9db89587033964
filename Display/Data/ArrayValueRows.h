// Value rows of non-homogeneous data stored as a 2-D array: row j of the array, cut to the length
// of the j-th X row (given), so that padding past the X values is not read. Holds one reference
// on the array; copies nothing.
#ifndef ArrayValueRows_H
#define ArrayValueRows_H

#include <vector>

#include "CATSamIDouble2DDim2NH.h"
#include "RefPtr.h"

class NumericArray;

class ArrayValueRows : public CATSamIDouble2DDim2NH {
 public:
  // iLengths[j] is the length of row j. A length beyond the array's width is cut to the width; a
  // row past the end of iLengths keeps the array's full width. A null array gives no rows.
  ArrayValueRows(NumericArray* iArray, std::vector<unsigned int> iLengths);
  ~ArrayValueRows() override;
  ArrayValueRows(const ArrayValueRows&) = delete;
  ArrayValueRows& operator=(const ArrayValueRows&) = delete;

  unsigned int GetLengthY() const override;
  // A new vector view (one reference) of row iRow; null for a row that does not exist.
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override;

 private:
  RefPtr<NumericArray> _Array;
  std::vector<unsigned int> _Lengths;
};

#endif
