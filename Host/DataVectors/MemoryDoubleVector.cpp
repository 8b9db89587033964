#include "MemoryDoubleVector.h"

#include <limits>

double MemoryDoubleVector::GetValue(unsigned int iIndex) const {
  return iIndex < _Values.size() ? _Values[iIndex] : std::numeric_limits<double>::quiet_NaN();
}
