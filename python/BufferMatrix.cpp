#include "BufferMatrix.h"

#include "BufferArray.h"

BufferMatrix::BufferMatrix(BufferArray* iArray, eLayout iLayout)
    : _Array(RefPtr<BufferArray>::Hold(iArray)), _Layout(iLayout) {}

BufferMatrix::~BufferMatrix() = default;

unsigned int BufferMatrix::GetLengthX() const {
  if (!_Array) return 0;
  return _Layout == RowPerZ ? _Array->GetColumns() : _Array->GetRows();
}

unsigned int BufferMatrix::GetLengthY() const {
  if (!_Array) return 0;
  return _Layout == RowPerZ ? _Array->GetRows() : _Array->GetColumns();
}

double BufferMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (!_Array) return 0.0 / 0.0;
  return _Layout == RowPerZ ? _Array->GetValue(iZ, iX) : _Array->GetValue(iX, iZ);
}

const double* BufferMatrix::GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const {
  oStrideX = oStrideZ = 0;
  long long lRowStride = 0, lColumnStride = 0;
  const double* lValues = _Array->GetDirectValues(lRowStride, lColumnStride);
  // The interface's strides run forward only.
  if (!lValues || lRowStride < 0 || lColumnStride < 0) return nullptr;
  oStrideX = static_cast<unsigned long long>(_Layout == RowPerZ ? lColumnStride : lRowStride);
  oStrideZ = static_cast<unsigned long long>(_Layout == RowPerZ ? lRowStride : lColumnStride);
  return lValues;
}
