#include "ArrayValueRows.h"

#include "ArrayVector.h"
#include "NumericArray.h"

ArrayValueRows::ArrayValueRows(NumericArray* iArray, std::vector<unsigned int> iLengths)
    : _Array(RefPtr<NumericArray>::Hold(iArray)), _Lengths(std::move(iLengths)) {}

ArrayValueRows::~ArrayValueRows() = default;

unsigned int ArrayValueRows::GetLengthY() const { return _Array ? _Array->GetRows() : 0; }

CATSamIDoubleVector* ArrayValueRows::GetRow(unsigned int iRow) const {
  if (!_Array || iRow >= _Array->GetRows()) return nullptr;
  const unsigned int lColumns = _Array->GetColumns();
  unsigned int lLength = iRow < _Lengths.size() ? _Lengths[iRow] : lColumns;
  if (lLength > lColumns) lLength = lColumns;
  return new ArrayVector(_Array.Get(), static_cast<unsigned long long>(iRow) * lColumns, lLength);
}
