#include "BufferValueRows.h"

#include "BufferArray.h"
#include "BufferVector.h"

BufferValueRows::BufferValueRows(BufferArray* iArray, std::vector<unsigned int> iLengths)
    : _Array(RefPtr<BufferArray>::Hold(iArray)), _Lengths(std::move(iLengths)) {}

BufferValueRows::~BufferValueRows() = default;

unsigned int BufferValueRows::GetLengthY() const { return _Array ? _Array->GetRows() : 0; }

CATSamIDoubleVector* BufferValueRows::GetRow(unsigned int iRow) const {
  if (!_Array || iRow >= _Array->GetRows()) return nullptr;
  return new BufferVector(_Array.Get(), iRow, iRow < _Lengths.size() ? _Lengths[iRow] : _Array->GetColumns());
}
