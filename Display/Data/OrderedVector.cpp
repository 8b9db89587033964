#include "OrderedVector.h"

#include <algorithm>
#include <limits>

OrderedVector::OrderedVector(CATSamIVector* iVector, const SampleOrder& iOrder)
    : _Vector(RefPtr<CATSamIVector>::Hold(iVector)), _Order(iOrder) {}

OrderedVector::~OrderedVector() = default;

double OrderedVector::GetValue(unsigned int iIndex) const {
  if (!_Vector || iIndex >= GetLength()) return std::numeric_limits<double>::quiet_NaN();
  return _Vector->GetValue(_Order.ToData(iIndex));
}

unsigned int OrderedVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!_Vector || !oValues || iFirst >= GetLength()) return 0;
  const unsigned int lCount = std::min(iCount, GetLength() - iFirst);
  if (_Order.GetNaNCount() == 0) {
    // A run of the view is a run of the data, reversed when descending: one bulk read.
    const unsigned int lDataFirst = _Order.IsDescending() ? GetLength() - iFirst - lCount : iFirst;
    const unsigned int lGot = _Vector->GetValues(lDataFirst, lCount, oValues);
    if (lGot != lCount) return 0;
    if (_Order.IsDescending()) std::reverse(oValues, oValues + lCount);
    return lCount;
  }
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = _Vector->GetValue(_Order.ToData(iFirst + i));
  return lCount;
}
