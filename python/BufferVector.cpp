#include "BufferVector.h"

#include "BufferArray.h"

BufferVector::BufferVector(BufferArray* iArray) : _Array(RefPtr<BufferArray>::Hold(iArray)) {}

BufferVector::~BufferVector() = default;

unsigned int BufferVector::GetLength() const { return _Array ? _Array->GetRows() : 0; }

double BufferVector::GetValue(unsigned int iIndex) const {
  return _Array ? _Array->GetValue(iIndex, 0) : 0.0 / 0.0;
}

unsigned int BufferVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  return _Array ? _Array->GetColumnValues(0, iFirst, iCount, oValues) : 0;
}
