#include "IndexVector.h"

#include <limits>

double IndexVector::GetValue(unsigned int iIndex) const {
  return iIndex < _Length ? iIndex / _Rate : std::numeric_limits<double>::quiet_NaN();
}

unsigned int IndexVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!oValues || iFirst >= _Length) return 0;
  const unsigned int lCount = iCount < _Length - iFirst ? iCount : _Length - iFirst;
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = static_cast<double>(iFirst + i) / _Rate;
  return lCount;
}
