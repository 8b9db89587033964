#include "QVTFddRunRanges.h"

#include <algorithm>
#include <new>

int QVTFddRunRanges::LevelCount(long long iCapacity) {
  int lLevels = 1;
  while (lLevels < 62 && (1LL << lLevels) <= iCapacity) ++lLevels;
  return lLevels;
}

void QVTFddRunRanges::Clear() {
  _Min.reset();
  _Max.reset();
  _Capacity = _Levels = 0;
}

int QVTFddRunRanges::Reserve(int iCapacity) {
  Clear();
  if (iCapacity < 0) return 0;
  const int lLevels = LevelCount(iCapacity);
  const size_t n = static_cast<size_t>(iCapacity) * static_cast<size_t>(lLevels);
  _Min.reset(new (std::nothrow) double[n > 0 ? n : 1]);
  _Max.reset(new (std::nothrow) double[n > 0 ? n : 1]);
  if (!_Min || !_Max) {
    Clear();
    return 0;
  }
  _Capacity = iCapacity;
  _Levels = lLevels;
  return 1;
}

void QVTFddRunRanges::Permute(const int* iOrder, int iCount, double* iSpare) {
  for (double* lValues : {_Min.get(), _Max.get()}) {
    for (int e = 0; e < iCount; ++e) iSpare[e] = lValues[iOrder[e]];
    std::copy(iSpare, iSpare + iCount, lValues);
  }
}

void QVTFddRunRanges::Build(int iCount) {
  for (int k = 1; k < _Levels; ++k) {
    const int lHalf = 1 << (k - 1);
    for (int r = 0; r + (1 << k) <= iCount; ++r) {
      const size_t a = At(k - 1, r), b = a + lHalf, o = At(k, r);
      _Min[o] = std::min(_Min[a], _Min[b]);
      _Max[o] = std::max(_Max[a], _Max[b]);
    }
  }
}
