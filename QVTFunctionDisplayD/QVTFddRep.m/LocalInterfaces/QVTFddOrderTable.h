// Order table of the order-interpolation colour maps, held row by row: per data row its Z value,
// converted Z and where its X values are read (a vector of its own, or the X values that every row
// of homogeneous data shares, copied and converted once), with the ranges of its samples' orders
// and squared radii. A sample's order (converted X over converted Z) is formed when it is needed,
// so the table costs a few numbers per row and per shared X value, not per sample: only a row
// whose orders do not ascend with the X index, or that holds samples without an order, keeps the
// list of its samples in order (one index each).
// Per pixel it answers, among the samples whose order lies in the band iLow .. iHigh: the nearest
// to the pixel whose distance from the origin is at most (inner) and at least (outer) the pixel's,
// and in the row of each the point at the pixel's own order. Rows are visited outwards from the
// pixel's Z, and blocks of rows that cannot hold a better sample are skipped.
// Borrows the X scaling; holds one reference on each row vector it is given. Data units throughout.
#ifndef QVTFddOrderTable_H
#define QVTFddOrderTable_H

#include <memory>

#include "QVTFddRunRanges.h"
#include "QVTFddSampleOrder.h"
#include "RefPtr.h"

class CATSamIDoubleVector;
class QVTFddOrderCandidate;
class QVTFddOrderHints;
class QVTFddOrderPoint;
class QVTFddOrderTableRecord;
class QVTIFddScaling;

class QVTFddOrderTable {
 public:
  explicit QVTFddOrderTable(QVTIFddScaling* iXScaling);
  ~QVTFddOrderTable();

  // Building, each giving 0 when memory runs out (the table is then empty): SetSharedX for rows
  // without a vector of their own, ReserveRows, AddRow per row, then Finish once.
  int SetSharedX(const CATSamIDoubleVector* iX, unsigned int iLength);
  int ReserveRows(unsigned int iRows);
  // Row iZIndex at Z value iZ (converted: iZScaled) with X values iX (one reference taken), or
  // the shared ones when iX is null. Samples whose order or X is not a number are left out; so is
  // a row without any sample or with a Z that is not a number.
  int AddRow(int iZIndex, double iZ, double iZScaled, CATSamIDoubleVector* iX);
  int Finish();

  // Number of samples whose order is a number.
  long long GetCount() const { return _Count; }

  // The points at order iOrder of the rows of the nearest inner and outer samples in the band of
  // the pixel (iX, iZ); ties go to the smaller order, then Z index, then X index. 0 when the band
  // holds no sample; a side without a sample takes the other's point.
  // With hints (sized for GetRowCount rows) the searches start where they ended for the last
  // pixel and compare orders without dividing where that is safe; the answers are the same.
  int FindPoints(double iOrder, double iLow, double iHigh, double iX, double iZ, QVTFddOrderPoint& oInner,
                 QVTFddOrderPoint& oOuter, const QVTFddOrderHints* ioHints = nullptr) const;
  int GetRowCount() const { return _RowCount; }

  // Bytes the table needs for iLengthX shared X values and iRows rows whose orders ascend.
  static long long EstimateBytes(long long iLengthX, long long iRows);

 private:
  QVTFddOrderTable(const QVTFddOrderTable&) = delete;
  QVTFddOrderTable& operator=(const QVTFddOrderTable&) = delete;

  void Clear();
  // Calls iWork with the reader of row iRow's X values (a QVTFddOrderTableRow).
  template <class Work>
  void WithRow(int iRow, const Work& iWork) const;
  // The functions of one row below read its X values through iRead, row iRow's reader.
  // Positions of the samples of row iRow in the band; 0 when none.
  template <class Row>
  int RowBand(int iRow, const Row& iRead, double iLow, double iHigh, unsigned int* ioHints, unsigned int& oFirst,
              unsigned int& oLast) const;
  // Offers the nearest samples of row iRow in the band to the running choice of each side.
  template <class Row>
  void VisitRow(int iRow, const Row& iRead, double iLow, double iHigh, double iX, double iZ, double iR,
                unsigned int* ioHints, long long iSharedNear, QVTFddOrderCandidate* ioBest) const;
  // Offers the samples nearest iX among positions iFirst .. iLast of a row whose X ascends in order.
  // iSharedNear, when not negative, is the first position of the shared order whose X is at least
  // iX, and the row reads the shared X in that order.
  template <class Row>
  void OfferNearest(int iRow, const Row& iRead, unsigned int iFirst, unsigned int iLast, double iX, double iZ,
                    unsigned int* ioHint, long long iSharedNear, QVTFddOrderCandidate& ioBest) const;
  // Whether row iRow reads the shared X values in the shared order, which X ascends.
  bool OnSharedOrder(int iRow) const;
  // Offers sample iIndex of row iRow to the best of one side.
  template <class Row>
  void Offer(int iRow, const Row& iRead, unsigned int iIndex, double iX, double iZ,
             QVTFddOrderCandidate& ioBest) const;
  // The point of row iRow at order iOrder, interpolated between the band's samples around it.
  template <class Row>
  void PointAt(int iRow, const Row& iRead, double iOrder, double iLow, double iHigh, double iX, double iZ,
               unsigned int* ioHints, QVTFddOrderPoint& oPoint) const;
  // Whether rows iStart .. iStart + 2^iLevel - 1 may hold a sample in the band on an open side.
  int MayHold(int iLevel, int iStart, double iLow, double iHigh, double iR, int iInner, int iOuter) const {
    if (!(_Orders.Max(iLevel, iStart) >= iLow && _Orders.Min(iLevel, iStart) <= iHigh)) return 0;
    return (iInner && _Radii2.Min(iLevel, iStart) <= iR) || (iOuter && _Radii2.Max(iLevel, iStart) >= iR);
  }

  QVTIFddScaling* _XScaling;
  std::unique_ptr<double[]> _SharedX;
  std::unique_ptr<double[]> _SharedXScaled;
  unsigned int _SharedLength;
  // The shared samples in order of converted X (for rows of a positive converted Z).
  QVTFddSampleOrder _SharedOrder;
  // Per position of the shared order, the first position of equal X; only when X ascends in it.
  std::unique_ptr<unsigned int[]> _SharedEqualFirst;
  // With it, the first position of the shared order whose X is not below 0.
  unsigned int _SharedPositive;
  // Rows, sorted by (Z, Z index) by Finish.
  int _RowCount, _RowCapacity;
  std::unique_ptr<QVTFddOrderTableRecord[]> _Rows;
  // Ranges of the orders and of the squared radii of runs of rows, built by Finish.
  QVTFddRunRanges _Orders, _Radii2;
  long long _Count;
};

#endif
