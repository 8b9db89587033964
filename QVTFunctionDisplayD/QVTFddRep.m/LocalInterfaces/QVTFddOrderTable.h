// Order table of the order-interpolation colour maps: every sample whose order is a number,
// sorted by (order, Z index, X index), with the two questions the algorithms ask of it per pixel:
// which entries lie in an order band, and which of them are the nearest to a point on either side
// of that point's distance from the origin. Owns its entries and a search index over their data
// coordinates (a uniform grid, and the radius range of blocks of consecutive entries), so that a
// band of many entries is answered without a pass over the band; the answer is always the one a
// pass over the band in table order gives. Coordinates and distances are in data units.
#ifndef QVTFddOrderTable_H
#define QVTFddOrderTable_H

#include <memory>

#include "QVTFddOrderEntry.h"

class QVTFddOrderTable {
 public:
  QVTFddOrderTable();
  ~QVTFddOrderTable();

  // Building: Reserve room for every sample, Add them, then Finish once.
  // Reserve gives 0 (and the table stays empty) when the count does not fit an int or the heap.
  int Reserve(long long iCount);
  // A sample whose order is not a number is left out, as is any sample beyond the reserved room.
  void Add(double iOrder, double iX, double iZ, int iXIndex, int iZIndex);
  // Sorts the entries and builds the search index.
  void Finish();

  int GetCount() const { return _Count; }
  // Entry iIndex, 0 .. GetCount() - 1, in table order.
  const QVTFddOrderEntry& GetEntry(int iIndex) const { return _Entries[iIndex]; }

  // The band of orders iLow .. iHigh: a binary search for one entry inside it (an entry is above
  // the band when iHigh < its order, below it when iLow > its order), widened to the neighbours
  // whose orders lie strictly inside. 0 when no entry is found (also for NaN limits and when
  // iLow > iHigh), else 1 with the band's first and last entries.
  int FindBand(double iLow, double iHigh, int& oFirst, int& oLast) const;

  // Among entries iFirst .. iLast, the nearest to (iX, iZ) of those whose distance from the origin
  // is at most (inner) and at least (outer) that of (iX, iZ); the first in table order among equal
  // distances. -1 for a side without any; the squared distances of those found.
  void FindNeighbours(int iFirst, int iLast, double iX, double iZ, int& oInner, double& oInnerDist2, int& oOuter,
                      double& oOuterDist2) const;
  // The same by a pass over the band in table order: the rule itself.
  void ScanNeighbours(int iFirst, int iLast, double iX, double iZ, int& oInner, double& oInnerDist2, int& oOuter,
                      double& oOuterDist2) const;

  // Whether the search index was built (tables of a few entries, or of degenerate coordinates,
  // are always scanned).
  int HasIndex() const { return _CellStart != nullptr; }

 private:
  QVTFddOrderTable(const QVTFddOrderTable&) = delete;
  QVTFddOrderTable& operator=(const QVTFddOrderTable&) = delete;

  void BuildGrid();
  void BuildRadiusBlocks();
  // Smallest and largest squared radius of the indexed entries iFirst .. iLast.
  void RadiusRange(int iFirst, int iLast, double& oMin, double& oMax) const;
  // Whether an entry outside the index (coordinates that are not finite) lies in iFirst .. iLast.
  int HasUnindexed(int iFirst, int iLast) const;

  std::unique_ptr<QVTFddOrderEntry[]> _Entries;
  int _Count;
  int _Capacity;
  // The entries' orders and squared radii side by side, in table order: the searches and scans
  // of every pixel read these short contiguous arrays rather than the entries.
  std::unique_ptr<double[]> _OrderKeys;
  std::unique_ptr<double[]> _Radius2;

  // Uniform grid over the finite data coordinates: cells of side _CellSize from (_GridX0, _GridZ0),
  // _NX x _NZ of them; the entries of cell c are _CellPos/_CellX/_CellZ[_CellStart[c] ..
  // _CellStart[c + 1] - 1], in table order.
  double _GridX0, _GridZ0, _CellSize;
  int _NX, _NZ;
  std::unique_ptr<int[]> _CellStart;
  std::unique_ptr<int[]> _CellPos;
  std::unique_ptr<double[]> _CellX;
  std::unique_ptr<double[]> _CellZ;
  // Table positions of the entries left out of the grid, ascending.
  std::unique_ptr<int[]> _Unindexed;
  int _UnindexedCount;

  // Radius range of blocks of consecutive entries, and of runs of 2^k blocks (level k at
  // _BlockMin[k * _NbBlocks + b]), so that the range of any band costs two short scans.
  int _NbBlocks, _NbLevels;
  std::unique_ptr<double[]> _BlockMin;
  std::unique_ptr<double[]> _BlockMax;
};

#endif
