#include "ArrayXRows.h"

#include <cmath>

#include "ArrayVector.h"
#include "NumericArray.h"

ArrayXRows::ArrayXRows(NumericArray* iArray) : _Array(RefPtr<NumericArray>::Hold(iArray)) {
  if (!_Array) return;
  const unsigned int lRows = _Array->GetRows(), lColumns = _Array->GetColumns();
  _Lengths.resize(lRows);
  for (unsigned int r = 0; r < lRows; ++r) {
    unsigned int lLength = lColumns;
    while (lLength > 0 && std::isnan(_Array->GetValue(r, lLength - 1))) --lLength;
    _Lengths[r] = lLength;
  }
}

ArrayXRows::~ArrayXRows() = default;

CATSamIDoubleVector* ArrayXRows::GetXVector(unsigned int iRow) const {
  if (iRow >= _Lengths.size()) return nullptr;
  return new ArrayVector(_Array.Get(), static_cast<unsigned long long>(iRow) * _Array->GetColumns(), _Lengths[iRow]);
}

unsigned int ArrayXRows::GetRowLength(unsigned int iRow) const {
  return iRow < _Lengths.size() ? _Lengths[iRow] : 0;
}
