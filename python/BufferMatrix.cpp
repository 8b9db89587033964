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
