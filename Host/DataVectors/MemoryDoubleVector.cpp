#include "MemoryDoubleVector.h"

#include <cstring>
#include <limits>

double MemoryDoubleVector::GetValue(unsigned int iIndex) const {
  return iIndex < _Values.size() ? _Values[iIndex] : std::numeric_limits<double>::quiet_NaN();
}

unsigned int MemoryDoubleVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!oValues || iFirst >= _Values.size()) return 0;
  size_t lCount = _Values.size() - iFirst;
  if (iCount < lCount) lCount = iCount;
  std::memcpy(oValues, _Values.data() + iFirst, lCount * sizeof(double));
  return static_cast<unsigned int>(lCount);
}
