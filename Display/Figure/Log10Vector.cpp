#include "Log10Vector.h"

#include <limits>

#include "AxisScale.h"

Log10Vector::Log10Vector(CATSamIVector* iVector) : _Vector(RefPtr<CATSamIVector>::Hold(iVector)) {}

Log10Vector::~Log10Vector() = default;

unsigned int Log10Vector::GetLength() const { return _Vector ? _Vector->GetLength() : 0; }

double Log10Vector::GetValue(unsigned int iIndex) const {
  return _Vector ? AxisScale(AxisScale::eLog).ToAxis(_Vector->GetValue(iIndex)) : std::numeric_limits<double>::quiet_NaN();
}

unsigned int Log10Vector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!_Vector || !oValues) return 0;
  const unsigned int lCount = _Vector->GetValues(iFirst, iCount, oValues);
  const AxisScale lScale(AxisScale::eLog);
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = lScale.ToAxis(oValues[i]);
  return lCount;
}
