#include "MemoryDoubleMatrix.h"

#include <limits>

MemoryDoubleMatrix::MemoryDoubleMatrix(unsigned int iLengthX, unsigned int iLengthY, std::vector<double> iValues) {
  if (static_cast<unsigned long long>(iLengthX) * iLengthY != iValues.size()) return;
  _LengthX = iLengthX;
  _LengthY = iLengthY;
  _Values = std::move(iValues);
}

double MemoryDoubleMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (iX >= _LengthX || iZ >= _LengthY) return std::numeric_limits<double>::quiet_NaN();
  return _Values[size_t(iX) * _LengthY + iZ];
}

const double* MemoryDoubleMatrix::GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const {
  oStrideX = _LengthY;
  oStrideZ = 1;
  return _Values.empty() ? nullptr : _Values.data();
}
