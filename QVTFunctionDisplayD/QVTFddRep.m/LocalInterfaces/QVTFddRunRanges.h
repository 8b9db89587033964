// Ranges (minimum and maximum) of one quantity over runs of consecutive entries, for skipping runs
// that cannot hold what a search looks for: level k holds the range of the 2^k entries from each
// start. Set the entries' own ranges (level 0), then Build. Owns its arrays; the quantity's units.
#ifndef QVTFddRunRanges_H
#define QVTFddRunRanges_H

#include <cstddef>
#include <memory>

class QVTFddRunRanges {
 public:
  QVTFddRunRanges() : _Capacity(0), _Levels(0) {}

  // Room for iCapacity entries; 0 when memory runs out (the ranges are then empty).
  int Reserve(int iCapacity);
  void Clear();

  void Set(int iEntry, double iMin, double iMax) {
    _Min[iEntry] = iMin;
    _Max[iEntry] = iMax;
  }
  // Puts entry iOrder[e] at e for e < iCount (level 0 only, before Build); iSpare holds iCount values.
  void Permute(const int* iOrder, int iCount, double* iSpare);
  // Ranges of the runs of the first iCount entries.
  void Build(int iCount);

  double Min(int iLevel, int iStart) const { return _Min[At(iLevel, iStart)]; }
  double Max(int iLevel, int iStart) const { return _Max[At(iLevel, iStart)]; }

  // How many entries, from iStart up (of iCount), may be passed over: 0 when iMayHold(0, iStart),
  // else the longest run of 2^k entries for which iMayHold(level, run's start) is false.
  template <class MayHold>
  int SkipUp(int iStart, int iCount, const MayHold& iMayHold) const {
    if (iMayHold(0, iStart)) return 0;
    int k = 0;
    while (k + 1 < _Levels && iStart + (2 << k) <= iCount && !iMayHold(k + 1, iStart)) ++k;
    return 1 << k;
  }
  // The same from iLast down to entry 0.
  template <class MayHold>
  int SkipDown(int iLast, const MayHold& iMayHold) const {
    if (iMayHold(0, iLast)) return 0;
    int k = 0;
    while (k + 1 < _Levels && iLast - (2 << k) + 1 >= 0 && !iMayHold(k + 1, iLast - (2 << k) + 1)) ++k;
    return 1 << k;
  }

  // Bytes per entry for iCapacity entries.
  static long long BytesPerEntry(long long iCapacity) { return 2 * sizeof(double) * LevelCount(iCapacity); }

 private:
  static int LevelCount(long long iCapacity);
  size_t At(int iLevel, int iStart) const {
    return static_cast<size_t>(iLevel) * static_cast<size_t>(_Capacity) + static_cast<size_t>(iStart);
  }

  int _Capacity;
  int _Levels;
  std::unique_ptr<double[]> _Min, _Max;
};

#endif
