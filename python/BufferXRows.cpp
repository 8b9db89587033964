#include "BufferXRows.h"

#include <cmath>

#include "BufferArray.h"
#include "BufferVector.h"

BufferXRows::BufferXRows(BufferArray* iArray) : _Array(RefPtr<BufferArray>::Hold(iArray)) {
  if (!_Array) return;
  _Lengths.resize(_Array->GetRows());
  for (unsigned int r = 0; r < _Lengths.size(); ++r) {
    unsigned int lLength = _Array->GetColumns();
    while (lLength > 0 && std::isnan(_Array->GetValue(r, lLength - 1))) --lLength;
    _Lengths[r] = lLength;
  }
}

BufferXRows::~BufferXRows() = default;

CATSamIDoubleVector* BufferXRows::GetXVector(unsigned int iRow) const {
  return iRow < _Lengths.size() ? new BufferVector(_Array.Get(), iRow, _Lengths[iRow]) : nullptr;
}
