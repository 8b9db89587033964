#include "QVTFddDoubleMatrix.h"

#include <algorithm>
#include <limits>
#include <new>

QVTFddDoubleMatrix::QVTFddDoubleMatrix(unsigned int iLengthX, unsigned int iLengthY, const CATUnicodeString& iName,
                                       CATSamPhysicalType iType)
    : _Name(iName), _Type(iType) {
  // The product of two unsigned ints fits in 64 bits, so this test itself cannot overflow.
  unsigned long long lCells = static_cast<unsigned long long>(iLengthX) * iLengthY;
  if (lCells == 0 || lCells > kMaxCells) return;
  _Values.reset(new (std::nothrow) double[static_cast<size_t>(lCells)]);
  if (!_Values) return;
  std::fill_n(_Values.get(), static_cast<size_t>(lCells), std::numeric_limits<double>::quiet_NaN());
  _LengthX = iLengthX;
  _LengthY = iLengthY;
}

QVTFddDoubleMatrix::~QVTFddDoubleMatrix() = default;

double QVTFddDoubleMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (iX >= _LengthX || iZ >= _LengthY) return std::numeric_limits<double>::quiet_NaN();
  return _Values[size_t(iX) * _LengthY + iZ];
}

void QVTFddDoubleMatrix::SetValue(unsigned int iX, unsigned int iZ, double iValue) {
  if (iX >= _LengthX || iZ >= _LengthY) return;
  _Values[size_t(iX) * _LengthY + iZ] = iValue;
}
