#include "ArrayXRows.h"

#include <cmath>

#include "ArrayVector.h"
#include "NumericArray.h"

ArrayXRows::ArrayXRows(NumericArray* iArray) : _Array(iArray) {
  if (!_Array) return;
  _Array->AddRef();
  const unsigned int lRows = _Array->GetRows(), lColumns = _Array->GetColumns();
  _Lengths.resize(lRows);
  for (unsigned int r = 0; r < lRows; ++r) {
    unsigned int lLength = lColumns;
    while (lLength > 0 && std::isnan(_Array->GetValue(r, lLength - 1))) --lLength;
    _Lengths[r] = lLength;
  }
}

ArrayXRows::~ArrayXRows() {
  if (_Array) _Array->Release();
}

CATSamIDoubleVector* ArrayXRows::GetXVector(unsigned int iRow) const {
  if (iRow >= _Lengths.size()) return nullptr;
  return new ArrayVector(_Array, static_cast<unsigned long long>(iRow) * _Array->GetColumns(), _Lengths[iRow]);
}

unsigned int ArrayXRows::GetRowLength(unsigned int iRow) const {
  return iRow < _Lengths.size() ? _Lengths[iRow] : 0;
}
