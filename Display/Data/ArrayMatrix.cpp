#include "ArrayMatrix.h"

#include <limits>

#include "NumericArray.h"

ArrayMatrix::ArrayMatrix(NumericArray* iArray, eLayout iLayout)
    : _Array(RefPtr<NumericArray>::Hold(iArray)), _Layout(iLayout) {}

ArrayMatrix::~ArrayMatrix() = default;

unsigned int ArrayMatrix::GetLengthX() const {
  if (!_Array) return 0;
  return _Layout == RowPerZ ? _Array->GetColumns() : _Array->GetRows();
}

unsigned int ArrayMatrix::GetLengthY() const {
  if (!_Array) return 0;
  return _Layout == RowPerZ ? _Array->GetRows() : _Array->GetColumns();
}

double ArrayMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (!_Array) return std::numeric_limits<double>::quiet_NaN();
  return _Layout == RowPerZ ? _Array->GetValue(iZ, iX) : _Array->GetValue(iX, iZ);
}

const double* ArrayMatrix::GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const {
  oStrideX = oStrideZ = 0;
  long long lRowStride = 0, lColumnStride = 0;
  const double* lValues = _Array ? _Array->GetDirectValues(lRowStride, lColumnStride) : nullptr;
  // The interface's strides run forward only.
  if (!lValues || lRowStride < 0 || lColumnStride < 0) return nullptr;
  oStrideX = static_cast<unsigned long long>(_Layout == RowPerZ ? lColumnStride : lRowStride);
  oStrideZ = static_cast<unsigned long long>(_Layout == RowPerZ ? lRowStride : lColumnStride);
  return lValues;
}
