#include "BufferVector.h"

#include <limits>

#include "BufferArray.h"

BufferVector::BufferVector(BufferArray* iArray)
    : _Array(RefPtr<BufferArray>::Hold(iArray)), _Length(_Array ? _Array->GetRows() : 0) {}

BufferVector::BufferVector(BufferArray* iArray, unsigned int iRow, unsigned int iLength)
    : _Array(RefPtr<BufferArray>::Hold(iArray)), _Row(true), _Line(iRow) {
  if (_Array && iRow < _Array->GetRows()) _Length = iLength < _Array->GetColumns() ? iLength : _Array->GetColumns();
}

BufferVector::~BufferVector() = default;

double BufferVector::GetValue(unsigned int iIndex) const {
  if (iIndex >= _Length) return std::numeric_limits<double>::quiet_NaN();
  return _Row ? _Array->GetValue(_Line, iIndex) : _Array->GetValue(iIndex, 0);
}

unsigned int BufferVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (iFirst >= _Length) return 0;
  const unsigned int lCount = iCount < _Length - iFirst ? iCount : _Length - iFirst;
  return _Array->GetLineValues(_Row, _Line, iFirst, lCount, oValues);
}

const double* BufferVector::GetDirectValues() const {
  long long lRowStride = 0, lColumnStride = 0;
  const double* lValues = _Length ? _Array->GetDirectValues(lRowStride, lColumnStride) : nullptr;
  if (!lValues) return nullptr;
  if (_Row) return lColumnStride == 1 ? lValues + _Line * lRowStride : nullptr;
  return lRowStride == 1 ? lValues : nullptr;
}
