#include "SelectedVector.h"

#include <limits>

SelectedVector::SelectedVector(CATSamIVector* iBase, unsigned int iFirst, unsigned int iCount)
    : _Base(RefPtr<CATSamIVector>::Hold(iBase)), _First(iFirst), _Count(iBase ? iCount : 0) {}

SelectedVector::SelectedVector(CATSamIVector* iBase, std::shared_ptr<const std::vector<unsigned int>> iIndices)
    : _Base(RefPtr<CATSamIVector>::Hold(iBase)),
      _Count(iBase && iIndices ? static_cast<unsigned int>(iIndices->size()) : 0),
      _Indices(std::move(iIndices)) {}

double SelectedVector::GetValue(unsigned int iIndex) const {
  if (iIndex >= _Count) return std::numeric_limits<double>::quiet_NaN();
  return _Base->GetValue(_Indices ? (*_Indices)[iIndex] : _First + iIndex);
}

unsigned int SelectedVector::GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const {
  if (!oValues || iFirst >= _Count) return 0;
  const unsigned int lCount = iCount < _Count - iFirst ? iCount : _Count - iFirst;
  if (!_Indices) {
    // The base's own bulk read; what it does not deliver counts as gaps.
    const unsigned int lRead = _Base->GetValues(_First + iFirst, lCount, oValues);
    for (unsigned int i = lRead; i < lCount; ++i) oValues[i] = std::numeric_limits<double>::quiet_NaN();
    return lCount;
  }
  const unsigned int* lIndices = _Indices->data() + iFirst;
  for (unsigned int i = 0; i < lCount; ++i) oValues[i] = _Base->GetValue(lIndices[i]);
  return lCount;
}
