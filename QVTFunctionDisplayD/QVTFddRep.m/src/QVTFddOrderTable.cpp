#include "QVTFddOrderTable.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <new>

namespace {

constexpr int kBlock = 32;             // entries per radius block
constexpr int kScanBand = 96;          // bands of at most this many entries are scanned
constexpr int kIndexMin = 1024;        // tables with fewer indexed entries are always scanned
constexpr double kEntriesPerCell = 2.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The choice rule for one candidate at table position iPos with data point (iT, iV), for the
// point (iX, iZ) of squared radius iR. The pass and the grid search both use it, so that both
// compute the same distances bit for bit; the tie clause only matters when candidates come out
// of table order, and then keeps the first in table order among equal distances.
inline void sConsider(int iPos, double iT, double iV, double iX, double iZ, double iR, int& ioInner, double& ioInnerD,
                      int& ioOuter, double& ioOuterD) {
  const double lA = iT * iT + iV * iV;
  const double lD = (iT - iX) * (iT - iX) + (iV - iZ) * (iV - iZ);
  if (lA <= iR && (ioInner < 0 || lD < ioInnerD || (lD == ioInnerD && iPos < ioInner))) {
    ioInner = iPos;
    ioInnerD = lD;
  }
  if (lA >= iR && (ioOuter < 0 || lD < ioOuterD || (lD == ioOuterD && iPos < ioOuter))) {
    ioOuter = iPos;
    ioOuterD = lD;
  }
}

// Entries whose coordinates or squared radius are not finite stay outside the index.
inline bool sIndexable(const QVTFddOrderEntry& iEntry) {
  return std::isfinite(iEntry._X) && std::isfinite(iEntry._Z) &&
         std::isfinite(iEntry._X * iEntry._X + iEntry._Z * iEntry._Z);
}

inline double sRadius2(const QVTFddOrderEntry& iEntry) { return iEntry._X * iEntry._X + iEntry._Z * iEntry._Z; }

// Cell index of a coordinate: its cell counted from iOrigin, clamped to 0 .. iCount - 1.
inline int sCell(double iValue, double iOrigin, double iSize, int iCount) {
  const double lCell = std::floor((iValue - iOrigin) / iSize);
  if (!(lCell > 0.0)) return 0;
  return lCell >= iCount - 1 ? iCount - 1 : static_cast<int>(lCell);
}

}  // namespace

QVTFddOrderTable::QVTFddOrderTable()
    : _Count(0),
      _Capacity(0),
      _GridX0(0.0),
      _GridZ0(0.0),
      _CellSize(0.0),
      _NX(0),
      _NZ(0),
      _UnindexedCount(0),
      _NbBlocks(0),
      _NbLevels(0) {}

QVTFddOrderTable::~QVTFddOrderTable() = default;

int QVTFddOrderTable::Reserve(long long iCount) {
  _Entries.reset();
  _OrderKeys.reset();
  _Radius2.reset();
  _CellStart.reset();
  _Count = _Capacity = 0;
  if (iCount <= 0) return 1;
  if (iCount > INT_MAX) return 0;
  _Entries.reset(new (std::nothrow) QVTFddOrderEntry[static_cast<size_t>(iCount)]);
  if (!_Entries) return 0;
  _Capacity = static_cast<int>(iCount);
  return 1;
}

void QVTFddOrderTable::Add(double iOrder, double iX, double iZ, int iXIndex, int iZIndex) {
  if (std::isnan(iOrder) || _Count >= _Capacity) return;
  _Entries[_Count++] = QVTFddOrderEntry(iOrder, iXIndex, iZIndex, iX, iZ);
}

void QVTFddOrderTable::Finish() {
  // NaN orders were left out, so the entries' order is a strict weak ordering and the sort is
  // total: every build of the same data gives the same table.
  std::sort(_Entries.get(), _Entries.get() + _Count);
  _OrderKeys.reset(_Count > 0 ? new (std::nothrow) double[static_cast<size_t>(_Count)] : nullptr);
  _Radius2.reset(_Count > 0 ? new (std::nothrow) double[static_cast<size_t>(_Count)] : nullptr);
  if (_Count > 0 && (!_OrderKeys || !_Radius2)) {
    // Without room for the search arrays the table is as good as empty.
    _Entries.reset();
    _OrderKeys.reset();
    _Radius2.reset();
    _Count = _Capacity = 0;
  }
  for (int i = 0; i < _Count; ++i) {
    _OrderKeys[i] = _Entries[i]._Order;
    _Radius2[i] = sRadius2(_Entries[i]);
  }
  BuildGrid();
  BuildRadiusBlocks();
  // The search uses both parts of the index or none.
  if (!_BlockMin) _CellStart.reset();
}

void QVTFddOrderTable::BuildGrid() {
  _CellStart.reset();
  _CellPos.reset();
  _CellX.reset();
  _CellZ.reset();
  _Unindexed.reset();
  _UnindexedCount = 0;
  _NX = _NZ = 0;

  int lIndexed = 0;
  double lMinX = kInfinity, lMaxX = -kInfinity, lMinZ = kInfinity, lMaxZ = -kInfinity;
  for (int i = 0; i < _Count; ++i) {
    const QVTFddOrderEntry& e = _Entries[i];
    if (!sIndexable(e)) continue;
    ++lIndexed;
    lMinX = std::min(lMinX, e._X);
    lMaxX = std::max(lMaxX, e._X);
    lMinZ = std::min(lMinZ, e._Z);
    lMaxZ = std::max(lMaxZ, e._Z);
  }
  if (lIndexed < kIndexMin) return;
  if (lIndexed < _Count) {
    _Unindexed.reset(new (std::nothrow) int[static_cast<size_t>(_Count - lIndexed)]);
    if (!_Unindexed) return;
    for (int i = 0; i < _Count; ++i)
      if (!sIndexable(_Entries[i])) _Unindexed[_UnindexedCount++] = i;
  }

  // Square cells of about kEntriesPerCell entries over the bounding box, fewer along a side that
  // is thin: at most about three cells per two entries in all.
  const double lWidth = lMaxX - lMinX, lHeight = lMaxZ - lMinZ;
  const double lTarget = lIndexed / kEntriesPerCell;
  double lSize = 0.0;
  if (lWidth > 0.0 && lHeight > 0.0)
    lSize = std::sqrt(lWidth) * std::sqrt(lHeight / lTarget);
  else
    lSize = std::max(lWidth, lHeight) / lTarget;
  if (lWidth / lSize > lTarget) lSize = lWidth / lTarget;
  if (lHeight / lSize > lTarget) lSize = lHeight / lTarget;
  // Cells far below the resolution of the coordinates would misplace entries: no index.
  const double lScale = std::max(std::max(std::fabs(lMinX), std::fabs(lMaxX)), std::max(std::fabs(lMinZ), std::fabs(lMaxZ)));
  if (!(lSize > 0.0) || !std::isfinite(lSize) || lSize < 1e-6 * lScale) return;
  const long long lNX = static_cast<long long>(lWidth / lSize) + 1;
  const long long lNZ = static_cast<long long>(lHeight / lSize) + 1;
  if (lNX * lNZ > INT_MAX / 2) return;
  const int lCells = static_cast<int>(lNX * lNZ);

  std::unique_ptr<int[]> lStart(new (std::nothrow) int[static_cast<size_t>(lCells) + 1]);
  std::unique_ptr<int[]> lCursor(new (std::nothrow) int[static_cast<size_t>(lCells)]);
  _CellPos.reset(new (std::nothrow) int[static_cast<size_t>(lIndexed)]);
  _CellX.reset(new (std::nothrow) double[static_cast<size_t>(lIndexed)]);
  _CellZ.reset(new (std::nothrow) double[static_cast<size_t>(lIndexed)]);
  if (!lStart || !lCursor || !_CellPos || !_CellX || !_CellZ) {
    _CellPos.reset();
    _CellX.reset();
    _CellZ.reset();
    return;
  }
  _GridX0 = lMinX;
  _GridZ0 = lMinZ;
  _CellSize = lSize;
  _NX = static_cast<int>(lNX);
  _NZ = static_cast<int>(lNZ);

  // Counting sort by cell; entries are visited in table order, so each cell lists them in it.
  std::fill(lStart.get(), lStart.get() + lCells + 1, 0);
  for (int i = 0; i < _Count; ++i) {
    const QVTFddOrderEntry& e = _Entries[i];
    if (!sIndexable(e)) continue;
    ++lStart[sCell(e._Z, _GridZ0, _CellSize, _NZ) * _NX + sCell(e._X, _GridX0, _CellSize, _NX) + 1];
  }
  for (int c = 0; c < lCells; ++c) lStart[c + 1] += lStart[c];
  std::copy(lStart.get(), lStart.get() + lCells, lCursor.get());
  for (int i = 0; i < _Count; ++i) {
    const QVTFddOrderEntry& e = _Entries[i];
    if (!sIndexable(e)) continue;
    const int lSlot = lCursor[sCell(e._Z, _GridZ0, _CellSize, _NZ) * _NX + sCell(e._X, _GridX0, _CellSize, _NX)]++;
    _CellPos[lSlot] = i;
    _CellX[lSlot] = e._X;
    _CellZ[lSlot] = e._Z;
  }
  _CellStart = std::move(lStart);
}

void QVTFddOrderTable::BuildRadiusBlocks() {
  _BlockMin.reset();
  _BlockMax.reset();
  _NbBlocks = _NbLevels = 0;
  if (!_CellStart) return;
  const int lBlocks = (_Count + kBlock - 1) / kBlock;
  int lLevels = 1;
  while (lLevels < 31 && (1 << lLevels) <= lBlocks) ++lLevels;
  const size_t lSize = static_cast<size_t>(lLevels) * static_cast<size_t>(lBlocks);
  _BlockMin.reset(new (std::nothrow) double[lSize]);
  _BlockMax.reset(new (std::nothrow) double[lSize]);
  if (!_BlockMin || !_BlockMax) {
    _BlockMin.reset();
    _BlockMax.reset();
    return;
  }
  _NbBlocks = lBlocks;
  _NbLevels = lLevels;
  for (int b = 0; b < lBlocks; ++b) {
    double lMin = kInfinity, lMax = -kInfinity;
    const int lEnd = std::min(_Count, (b + 1) * kBlock);
    for (int i = b * kBlock; i < lEnd; ++i) {
      if (!sIndexable(_Entries[i])) continue;
      lMin = std::min(lMin, _Radius2[i]);
      lMax = std::max(lMax, _Radius2[i]);
    }
    _BlockMin[b] = lMin;
    _BlockMax[b] = lMax;
  }
  for (int k = 1; k < lLevels; ++k) {
    const size_t lRow = static_cast<size_t>(k) * lBlocks, lPrev = static_cast<size_t>(k - 1) * lBlocks;
    const int lHalf = 1 << (k - 1);
    for (int b = 0; b + (1 << k) <= lBlocks; ++b) {
      _BlockMin[lRow + b] = std::min(_BlockMin[lPrev + b], _BlockMin[lPrev + b + lHalf]);
      _BlockMax[lRow + b] = std::max(_BlockMax[lPrev + b], _BlockMax[lPrev + b + lHalf]);
    }
  }
}

void QVTFddOrderTable::RadiusRange(int iFirst, int iLast, double& oMin, double& oMax) const {
  oMin = kInfinity;
  oMax = -kInfinity;
  // Called for bands of indexed entries only: every radius read here is finite.
  const double* lRadius2 = _Radius2.get();
  auto lScan = [&](int iFrom, int iTo) {
    double lMin = oMin, lMax = oMax;
    for (int i = iFrom; i <= iTo; ++i) {
      lMin = std::min(lMin, lRadius2[i]);
      lMax = std::max(lMax, lRadius2[i]);
    }
    oMin = lMin;
    oMax = lMax;
  };
  const int lFirstBlock = iFirst / kBlock, lLastBlock = iLast / kBlock;
  if (lFirstBlock == lLastBlock) {
    lScan(iFirst, iLast);
    return;
  }
  lScan(iFirst, (lFirstBlock + 1) * kBlock - 1);
  lScan(lLastBlock * kBlock, iLast);
  if (lLastBlock - lFirstBlock < 2) return;
  // Whole blocks between: two overlapping runs of 2^k blocks cover them.
  const int a = lFirstBlock + 1, b = lLastBlock - 1;
  int k = 0;
  while ((2 << k) <= b - a + 1) ++k;
  const size_t lRow = static_cast<size_t>(k) * _NbBlocks;
  oMin = std::min(oMin, std::min(_BlockMin[lRow + a], _BlockMin[lRow + b - (1 << k) + 1]));
  oMax = std::max(oMax, std::max(_BlockMax[lRow + a], _BlockMax[lRow + b - (1 << k) + 1]));
}

int QVTFddOrderTable::HasUnindexed(int iFirst, int iLast) const {
  const int* lBegin = _Unindexed.get();
  const int* lEnd = lBegin + _UnindexedCount;
  const int* lFound = std::lower_bound(lBegin, lEnd, iFirst);
  return lFound != lEnd && *lFound <= iLast;
}

int QVTFddOrderTable::FindBand(double iLow, double iHigh, int& oFirst, int& oLast) const {
  if (_Count == 0 || std::isnan(iLow) || std::isnan(iHigh)) return 0;
  const double* lOrders = _OrderKeys.get();
  int a = 0, b = _Count - 1, lFound = -1;
  while (a <= b) {
    const int m = a + (b - a) / 2;
    if (iHigh < lOrders[m])
      b = m - 1;
    else if (iLow > lOrders[m])
      a = m + 1;
    else {
      lFound = m;
      break;
    }
  }
  if (lFound < 0) return 0;
  // Widening by binary searches: the entries next to the found one whose orders lie strictly
  // inside the band are consecutive, however many there are. Entries before a are below iLow and
  // entries after b above iHigh, so the search interval left bounds them.
  oFirst = static_cast<int>(std::upper_bound(lOrders + a, lOrders + lFound, iLow) - lOrders);
  oLast = static_cast<int>(std::lower_bound(lOrders + lFound + 1, lOrders + b + 1, iHigh) - lOrders) - 1;
  return 1;
}

void QVTFddOrderTable::ScanNeighbours(int iFirst, int iLast, double iX, double iZ, int& oInner, double& oInnerDist2,
                                      int& oOuter, double& oOuterDist2) const {
  oInner = oOuter = -1;
  oInnerDist2 = oOuterDist2 = 0.0;
  const int lFirst = std::max(iFirst, 0), lLast = std::min(iLast, _Count - 1);
  const double lR = iX * iX + iZ * iZ;
  for (int i = lFirst; i <= lLast; ++i)
    sConsider(i, _Entries[i]._X, _Entries[i]._Z, iX, iZ, lR, oInner, oInnerDist2, oOuter, oOuterDist2);
}

void QVTFddOrderTable::FindNeighbours(int iFirst, int iLast, double iX, double iZ, int& oInner, double& oInnerDist2,
                                      int& oOuter, double& oOuterDist2) const {
  const int lFirst = std::max(iFirst, 0), lLast = std::min(iLast, _Count - 1);
  const long long lBand = static_cast<long long>(lLast) - lFirst + 1;
  const double lR = iX * iX + iZ * iZ;
  if (!_CellStart || lBand <= kScanBand || !std::isfinite(iX) || !std::isfinite(iZ) || !std::isfinite(lR) ||
      HasUnindexed(lFirst, lLast)) {
    ScanNeighbours(lFirst, lLast, iX, iZ, oInner, oInnerDist2, oOuter, oOuterDist2);
    return;
  }

  // A side on which the band has no entry is not searched for.
  double lMinA = 0.0, lMaxA = 0.0;
  RadiusRange(lFirst, lLast, lMinA, lMaxA);
  const bool lWantInner = lMinA <= lR, lWantOuter = lMaxA >= lR;

  // Rings of cells around the point's cell (the nearest cell when the point lies outside the
  // grid), until every cell not yet visited is provably farther than the best of each side.
  // The search gives up, for a pass over the band, once it has cost as much as that pass.
  const int cx = sCell(iX, _GridX0, _CellSize, _NX), cz = sCell(iZ, _GridZ0, _CellSize, _NZ);
  const double lSlack = 1e-7 * _CellSize;  // covers rounding in cell edges and placement
  const long long lBudget = lBand + 64;
  long long lWork = 0, lSeen = 0;
  int lInner = -1, lOuter = -1;
  double lInnerD = 0.0, lOuterD = 0.0;
  for (int k = 0;; ++k) {
    if (k > 0) {
      if (lSeen >= lBand) break;
      // Distance from the point to anything outside the block of rings 0 .. k - 1.
      double lBound = kInfinity;
      bool lOutside = false;
      if (cx - k + 1 > 0) {
        lBound = std::min(lBound, std::max(0.0, iX - (_GridX0 + static_cast<double>(cx - k + 1) * _CellSize)));
        lOutside = true;
      }
      if (cx + k - 1 < _NX - 1) {
        lBound = std::min(lBound, std::max(0.0, _GridX0 + static_cast<double>(cx + k) * _CellSize - iX));
        lOutside = true;
      }
      if (cz - k + 1 > 0) {
        lBound = std::min(lBound, std::max(0.0, iZ - (_GridZ0 + static_cast<double>(cz - k + 1) * _CellSize)));
        lOutside = true;
      }
      if (cz + k - 1 < _NZ - 1) {
        lBound = std::min(lBound, std::max(0.0, _GridZ0 + static_cast<double>(cz + k) * _CellSize - iZ));
        lOutside = true;
      }
      if (!lOutside) break;  // every cell visited
      const double lSafe = lBound - lSlack;
      const double lSafe2 = lSafe > 0.0 ? lSafe * lSafe : 0.0;
      const bool lInnerDone = !lWantInner || (lInner >= 0 && lSafe2 > lInnerD * (1.0 + 1e-9));
      const bool lOuterDone = !lWantOuter || (lOuter >= 0 && lSafe2 > lOuterD * (1.0 + 1e-9));
      if (lInnerDone && lOuterDone) break;
    }
    auto lVisit = [&](int iCellX, int iCellZ) {
      const int c = iCellZ * _NX + iCellX;
      const int lEnd = _CellStart[c + 1];
      lWork += 1 + lEnd - _CellStart[c];
      for (int s = _CellStart[c]; s < lEnd; ++s) {
        const int lPos = _CellPos[s];
        if (lPos < lFirst || lPos > lLast) continue;
        ++lSeen;
        sConsider(lPos, _CellX[s], _CellZ[s], iX, iZ, lR, lInner, lInnerD, lOuter, lOuterD);
      }
    };
    const int lColFrom = std::max(cx - k, 0), lColTo = std::min(cx + k, _NX - 1);
    const int lRowFrom = std::max(cz - k, 0), lRowTo = std::min(cz + k, _NZ - 1);
    for (int j = lRowFrom; j <= lRowTo; ++j) {
      if (j == cz - k || j == cz + k) {
        for (int i = lColFrom; i <= lColTo; ++i) lVisit(i, j);
      } else {
        if (cx - k >= 0) lVisit(cx - k, j);
        if (cx + k < _NX) lVisit(cx + k, j);
      }
    }
    if (lWork > lBudget) {
      ScanNeighbours(lFirst, lLast, iX, iZ, oInner, oInnerDist2, oOuter, oOuterDist2);
      return;
    }
  }
  oInner = lInner;
  oInnerDist2 = lInnerD;
  oOuter = lOuter;
  oOuterDist2 = lOuterD;
}
