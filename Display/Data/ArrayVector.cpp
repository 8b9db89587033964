#include "ArrayVector.h"

#include <limits>

#include "NumericArray.h"

ArrayVector::ArrayVector(NumericArray* iArray, unsigned long long iFirst, unsigned int iLength,
                         unsigned long long iStride)
    : _Array(RefPtr<NumericArray>::Hold(iArray)), _First(iFirst), _Stride(iStride ? iStride : 1) {
  if (!_Array) return;
  const unsigned long long lSize = _Array->GetSize();
  if (_First >= lSize) return;
  // Values at _First, _First + _Stride, ... below lSize.
  const unsigned long long lReach = (lSize - _First - 1) / _Stride + 1;
  _Length = lReach < iLength ? static_cast<unsigned int>(lReach) : iLength;
}

ArrayVector::~ArrayVector() = default;

double ArrayVector::GetValue(unsigned int iIndex) const {
  if (iIndex >= _Length) return std::numeric_limits<double>::quiet_NaN();
  return _Array->GetValue(_First + iIndex * _Stride);
}

unsigned int ArrayVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!oValues || iFirst >= _Length) return 0;
  const unsigned int lCount = iCount < _Length - iFirst ? iCount : _Length - iFirst;
  if (_Stride == 1) return static_cast<unsigned int>(_Array->GetValues(_First + iFirst, lCount, oValues));
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = _Array->GetValue(_First + (iFirst + i) * _Stride);
  return lCount;
}

const double* ArrayVector::GetDirectValues() const {
  if (_Length == 0 || (_Stride != 1 && _Length > 1)) return nullptr;
  return _Array->GetDirectValues(_First);
}
