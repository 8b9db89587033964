#include "Log10Vector.h"

#include <cmath>
#include <limits>

Log10Vector::Log10Vector(CATSamIVector* iVector) : _Vector(RefPtr<CATSamIVector>::Hold(iVector)) {}

Log10Vector::~Log10Vector() = default;

unsigned int Log10Vector::GetLength() const { return _Vector ? _Vector->GetLength() : 0; }

double Log10Vector::Log10(double iValue) {
  return iValue > 0.0 ? std::log10(iValue) : std::numeric_limits<double>::quiet_NaN();
}

double Log10Vector::GetValue(unsigned int iIndex) const {
  return _Vector ? Log10(_Vector->GetValue(iIndex)) : std::numeric_limits<double>::quiet_NaN();
}

unsigned int Log10Vector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!_Vector || !oValues) return 0;
  const unsigned int lCount = _Vector->GetValues(iFirst, iCount, oValues);
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = Log10(oValues[i]);
  return lCount;
}
