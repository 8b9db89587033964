#include "CATSamIVector.h"

unsigned int CATSamIVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  unsigned int lLength = GetLength();
  if (!oValues || iFirst >= lLength) return 0;
  unsigned int lCount = iCount < lLength - iFirst ? iCount : lLength - iFirst;
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = GetValue(iFirst + i);
  return lCount;
}
