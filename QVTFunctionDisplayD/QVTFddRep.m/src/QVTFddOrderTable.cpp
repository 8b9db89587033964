#include "QVTFddOrderTable.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <new>

#include "CATSamIDoubleVector.h"
#include "QVTFddOrderCandidate.h"
#include "QVTFddOrderHints.h"
#include "QVTFddOrderPoint.h"
#include "QVTFddOrderTableBound.h"
#include "QVTFddOrderTableRecord.h"
#include "QVTFddOrderTableRow.h"
#include "QVTFddRowValue.h"
#include "QVTFddSimd.h"
#include "QVTIFddScaling.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Values are read from vectors in chunks of this many.
constexpr unsigned int kChunk = 1024;
enum { eInner = 0, eOuter = 1 };

// First index in iFirst .. iEnd - 1 (iEnd when none) for which iTest holds; iTest must be false
// then true along the range.
template <class Test>
unsigned int sFirstTrueIn(unsigned int iFirst, unsigned int iEnd, const Test& iTest) {
  unsigned int a = iFirst, b = iEnd;
  while (a < b) {
    const unsigned int m = a + (b - a) / 2;
    if (iTest(m))
      b = m;
    else
      a = m + 1;
  }
  return a;
}

// The same over iFirst .. iLast (iLast + 1 when none).
template <class Test>
unsigned int sFirstTrue(unsigned int iFirst, unsigned int iLast, const Test& iTest) {
  return sFirstTrueIn(iFirst, iLast + 1, iTest);
}

// The same, searched outwards from *ioHint by strides that double, then bisected; *ioHint then
// holds the answer. Without a hint, a plain bisection.
template <class Test>
unsigned int sFirstTrueNear(unsigned int iFirst, unsigned int iLast, unsigned int* ioHint, const Test& iTest) {
  unsigned int a = iFirst, b = iLast + 1;
  if (!ioHint) return sFirstTrueIn(a, b, iTest);
  const unsigned int h = std::min(std::max(*ioHint, a), b);
  if (h == b || iTest(h)) {
    // The answer is at most h: step down until iTest fails.
    b = h;
    for (unsigned int lStep = 1; b > a; lStep *= 2) {
      const unsigned int m = b - a > lStep ? b - lStep : a;
      if (!iTest(m)) {
        a = m + 1;
        break;
      }
      b = m;
    }
  } else {
    // The answer is past h: step up until iTest holds.
    a = h + 1;
    for (unsigned int lStep = 1; a < b; lStep *= 2) {
      const unsigned int m = b - a > lStep ? a + lStep - 1 : b - 1;
      if (iTest(m)) {
        b = m;
        break;
      }
      a = m + 1;
    }
  }
  *ioHint = sFirstTrueIn(a, b, iTest);
  return *ioHint;
}

unsigned int* sHint(unsigned int* iHints, int iSearch) { return iHints ? iHints + iSearch : nullptr; }

template <class T>
T* sNew(size_t iCount) {
  return new (std::nothrow) T[iCount > 0 ? iCount : 1];
}

// Reads iLength values of iVector into oValues, in chunks; what it does not deliver reads as NaN.
void sReadAll(const CATSamIDoubleVector* iVector, double* oValues, unsigned int iLength) {
  unsigned int lDone = 0;
  while (lDone < iLength) {
    const unsigned int lWant = std::min(iLength - lDone, kChunk);
    const unsigned int lGot = std::min(iVector->GetValues(lDone, lWant, oValues + lDone), lWant);
    lDone += lGot;
    if (lGot < lWant) break;
  }
  for (; lDone < iLength; ++lDone) oValues[lDone] = std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

QVTFddOrderTable::QVTFddOrderTable(QVTIFddScaling* iXScaling)
    : _XScaling(iXScaling),
      _SharedLength(0),
      _SharedPositive(0),
      _RowCount(0),
      _RowCapacity(0),
      _Count(0) {}

QVTFddOrderTable::~QVTFddOrderTable() { Clear(); }

void QVTFddOrderTable::Clear() {
  _SharedX.reset();
  _SharedXScaled.reset();
  _SharedOrder = QVTFddSampleOrder();
  _SharedEqualFirst.reset();
  _SharedPositive = 0;
  _SharedLength = 0;
  _Rows.reset();
  _Orders.Clear();
  _Radii2.Clear();
  _RowCount = _RowCapacity = 0;
  _Count = 0;
}

long long QVTFddOrderTable::EstimateBytes(long long iLengthX, long long iRows) {
  const long long lPerRow = sizeof(QVTFddOrderTableRecord) + 2 * QVTFddRunRanges::BytesPerEntry(iRows);
  // Shared X, converted and in order; a row's X and converted X while it is added. Finish sorts
  // the records in place.
  const long long lPerX = 2 * sizeof(double) + 2 * sizeof(unsigned int);
  return lPerX * iLengthX + (2 * sizeof(double) + sizeof(unsigned int)) * iLengthX + lPerRow * iRows;
}

int QVTFddOrderTable::SetSharedX(const CATSamIDoubleVector* iX, unsigned int iLength) {
  if (!iX || !_XScaling) return 1;
  _SharedX.reset(sNew<double>(iLength));
  _SharedXScaled.reset(sNew<double>(iLength));
  if (!_SharedX || !_SharedXScaled) {
    Clear();
    return 0;
  }
  sReadAll(iX, _SharedX.get(), iLength);
  for (unsigned int i = 0; i < iLength; ++i) _SharedXScaled[i] = _XScaling->Convert(_SharedX[i]);
  _SharedLength = iLength;
  // The order of rows of a positive converted Z: that of the converted X values.
  if (!_SharedOrder.Build(_SharedX.get(), _SharedXScaled.get(), 1.0, iLength)) {
    Clear();
    return 0;
  }
  const unsigned int lCount = _SharedOrder.GetCount();
  if (_SharedOrder.XAscends() && lCount > 0) {
    _SharedEqualFirst.reset(sNew<unsigned int>(lCount));
    if (!_SharedEqualFirst) {
      Clear();
      return 0;
    }
    const unsigned int* lSlots = _SharedOrder.GetSlots();
    auto lX = [&](unsigned int k) { return _SharedX[lSlots ? lSlots[k] : k]; };
    _SharedEqualFirst[0] = 0;
    for (unsigned int k = 1; k < lCount; ++k) _SharedEqualFirst[k] = lX(k - 1) >= lX(k) ? _SharedEqualFirst[k - 1] : k;
    _SharedPositive = sFirstTrueIn(0, lCount, [&](unsigned int k) { return lX(k) >= 0.0; });
  }
  return 1;
}

int QVTFddOrderTable::ReserveRows(unsigned int iRows) {
  if (iRows > static_cast<unsigned int>(INT_MAX / 2)) {
    Clear();
    return 0;
  }
  _Rows.reset(sNew<QVTFddOrderTableRecord>(iRows));
  const int lRows = static_cast<int>(iRows);
  if (!_Rows || !_Orders.Reserve(lRows) || !_Radii2.Reserve(lRows)) {
    Clear();
    return 0;
  }
  _RowCapacity = lRows;
  _RowCount = 0;
  return 1;
}

bool QVTFddOrderTable::OnSharedOrder(int iRow) const {
  const QVTFddOrderTableRecord& lRow = _Rows[iRow];
  return _SharedEqualFirst && !lRow._X && lRow._Slots == _SharedOrder.GetSlots() &&
         lRow._Length == _SharedOrder.GetCount();
}

template <class Work>
void QVTFddOrderTable::WithRow(int iRow, const Work& iWork) const {
  const QVTFddOrderTableRecord& lRow = _Rows[iRow];
  if (lRow._X)
    iWork(QVTFddOrderTableRow<eRowVector>(lRow._Slots, nullptr, nullptr, lRow._X.Get(), _XScaling));
  else if (lRow._Slots)
    iWork(QVTFddOrderTableRow<eRowSlots>(lRow._Slots, _SharedX.get(), _SharedXScaled.get(), nullptr, nullptr));
  else
    iWork(QVTFddOrderTableRow<eRowInOrder>(nullptr, _SharedX.get(), _SharedXScaled.get(), nullptr, nullptr));
}

int QVTFddOrderTable::AddRow(int iZIndex, double iZ, double iZScaled, CATSamIDoubleVector* iX) {
  if (_RowCount >= _RowCapacity || std::isnan(iZ) || std::isnan(iZScaled) || !_XScaling) return 1;
  if (!iX && !_SharedX) return 1;
  const unsigned int lLength = iX ? iX->GetLength() : _SharedLength;
  QVTFddSampleOrder lOwn;
  // Dividing by a positive number keeps the order of the shared converted X values.
  const bool lShared = !iX && iZScaled > 0.0 && iZScaled < kInfinity;
  if (!lShared) {
    // The row's X and converted X, read once to put its samples in order.
    std::unique_ptr<double[]> lX(sNew<double>(lLength)), lXScaled(sNew<double>(lLength));
    if (!lX || !lXScaled) return 0;
    if (iX) {
      sReadAll(iX, lX.get(), lLength);
      for (unsigned int i = 0; i < lLength; ++i) lXScaled[i] = _XScaling->Convert(lX[i]);
    } else {
      std::copy(_SharedX.get(), _SharedX.get() + lLength, lX.get());
      std::copy(_SharedXScaled.get(), _SharedXScaled.get() + lLength, lXScaled.get());
    }
    if (!lOwn.Build(lX.get(), lXScaled.get(), iZScaled, lLength)) return 0;
  }
  const QVTFddSampleOrder& lOrder = lShared ? _SharedOrder : lOwn;
  const unsigned int lCount = lOrder.GetCount();
  if (lCount == 0) return 1;
  const int r = _RowCount++;
  QVTFddOrderTableRecord& lRow = _Rows[r];
  lRow._Z = iZ;
  lRow._ZScaled = iZScaled;
  lRow._ZIndex = iZIndex;
  lRow._Length = lCount;
  lRow._XAscends = lOrder.XAscends();
  lRow._X = RefPtr<CATSamIDoubleVector>::Hold(iX);
  lRow._Slots = lOrder.GetSlots();
  // A sample's squared radius is x * x + z * z: its range follows from that of x * x.
  lRow._Radius2Min = lOrder.GetX2Min() + iZ * iZ;
  lRow._Radius2Max = lOrder.GetX2Max() + iZ * iZ;
  lRow._OwnSlots = lOwn.ReleaseSlots();
  WithRow(r, [&](const auto& iRead) {
    lRow._OrderMin = iRead.SlotXScaled(0) / iZScaled;
    lRow._OrderMax = iRead.SlotXScaled(lCount - 1) / iZScaled;
  });
  _Count += lCount;
  return 1;
}

int QVTFddOrderTable::Finish() {
  const int n = _RowCount;
  if (n == 0) return 1;
  // The records move whole; a row's own list of samples stays where it was made.
  std::sort(_Rows.get(), _Rows.get() + n);
  for (int r = 0; r < n; ++r) {
    _Orders.Set(r, _Rows[r]._OrderMin, _Rows[r]._OrderMax);
    _Radii2.Set(r, _Rows[r]._Radius2Min, _Rows[r]._Radius2Max);
  }
  _Orders.Build(n);
  _Radii2.Build(n);
  return 1;
}

// RowBand, Offer and OfferNearest are inlined into their callers: a call costs about as much as
// their work.
template <class Row>
QVTFDD_INLINE int QVTFddOrderTable::RowBand(int iRow, const Row& iRead, double iLow,
                                                                    double iHigh, unsigned int* ioHints,
                                                                    unsigned int& oFirst, unsigned int& oLast) const {
  const unsigned int n = _Rows[iRow]._Length;
  const double lZScaled = _Rows[iRow]._ZScaled;
  const QVTFddOrderTableBound lLow(iLow, lZScaled, ioHints != nullptr), lHigh(iHigh, lZScaled, ioHints != nullptr);
  oFirst = sFirstTrueNear(0, n - 1, sHint(ioHints, QVTFddOrderHints::eBandFirst),
                          [&](unsigned int j) { return lLow.AtLeast(iRead.SlotXScaled(j)); });
  const unsigned int lEnd = sFirstTrueNear(oFirst, n - 1, sHint(ioHints, QVTFddOrderHints::eBandEnd),
                                           [&](unsigned int j) { return lHigh.Above(iRead.SlotXScaled(j)); });
  if (lEnd == oFirst) return 0;
  oLast = lEnd - 1;
  return 1;
}

template <class Row>
QVTFDD_INLINE void QVTFddOrderTable::Offer(int iRow, const Row& iRead, unsigned int iIndex, double iX, double iZ,
                                           QVTFddOrderCandidate& ioBest) const {
  const QVTFddOrderTableRecord& lRow = _Rows[iRow];
  const double t = iRead.X(iIndex), v = lRow._Z;
  const double d = (t - iX) * (t - iX) + (v - iZ) * (v - iZ);
  if (std::isnan(d) || (ioBest._Row >= 0 && d > ioBest._Dist2)) return;
  if (ioBest._Row >= 0 && d == ioBest._Dist2) {
    // The orders only break ties, so they are formed for ties alone.
    const QVTFddOrderTableRecord& lBestRow = _Rows[ioBest._Row];
    const double o = iRead.XScaled(iIndex) / lRow._ZScaled;
    double lBest = 0.0;
    WithRow(ioBest._Row, [&](const auto& iBest) { lBest = iBest.XScaled(ioBest._Index) / lBestRow._ZScaled; });
    if (o > lBest) return;
    if (o == lBest) {
      const int lZ = lRow._ZIndex, lBestZ = lBestRow._ZIndex;
      if (lZ > lBestZ || (lZ == lBestZ && iIndex >= ioBest._Index)) return;
    }
  }
  ioBest._Row = iRow;
  ioBest._Index = iIndex;
  ioBest._Dist2 = d;
}

template <class Row>
QVTFDD_INLINE void QVTFddOrderTable::OfferNearest(int iRow, const Row& iRead, unsigned int iFirst,
                                                  unsigned int iLast, double iX, double iZ, unsigned int* ioHint,
                                                  long long iSharedNear, QVTFddOrderCandidate& ioBest) const {
  if (iSharedNear >= 0) {
    // X ascends along the whole shared order: the answers over the row are those over the shared
    // order, held within iFirst .. iLast.
    const long long lNear = std::min<long long>(std::max<long long>(iSharedNear, iFirst), iLast + 1LL);
    const unsigned int j = static_cast<unsigned int>(lNear);
    if (j <= iLast) Offer(iRow, iRead, iRead.Sample(j), iX, iZ, ioBest);
    if (j > iFirst) Offer(iRow, iRead, iRead.Sample(std::max(_SharedEqualFirst[j - 1], iFirst)), iX, iZ, ioBest);
    return;
  }
  const unsigned int j = sFirstTrueNear(iFirst, iLast, ioHint, [&](unsigned int k) { return iRead.SlotX(k) >= iX; });
  if (j <= iLast) Offer(iRow, iRead, iRead.Sample(j), iX, iZ, ioBest);
  if (j > iFirst) {
    // The first of equal X values below iX: the smallest X index among equal distances.
    const double t = iRead.SlotX(j - 1);
    unsigned int lBelow = j - 1;
    const unsigned int k =
        sFirstTrueNear(iFirst, j - 1, ioHint ? &lBelow : nullptr, [&](unsigned int l) { return iRead.SlotX(l) >= t; });
    Offer(iRow, iRead, iRead.Sample(k), iX, iZ, ioBest);
  }
}

template <class Row>
void QVTFddOrderTable::VisitRow(int iRow, const Row& iRead, double iLow, double iHigh, double iX, double iZ, double iR,
                                unsigned int* ioHints, long long iSharedNear, QVTFddOrderCandidate* ioBest) const {
  const double v = _Rows[iRow]._Z;
  unsigned int a = 0, b = 0;
  if (!RowBand(iRow, iRead, iLow, iHigh, ioHints, a, b)) return;
  auto lA = [&](unsigned int j) {
    const double t = iRead.SlotX(j);
    return t * t + v * v;
  };
  if (!_Rows[iRow]._XAscends) {
    for (unsigned int j = a; j <= b; ++j) {
      const double lRadius2 = lA(j);
      if (lRadius2 <= iR) Offer(iRow, iRead, iRead.Sample(j), iX, iZ, ioBest[eInner]);
      if (lRadius2 >= iR) Offer(iRow, iRead, iRead.Sample(j), iX, iZ, ioBest[eOuter]);
    }
    return;
  }
  // X ascends: the squared radius falls while X < 0 and rises from there, so the samples inside
  // the pixel's radius are one run and those outside it lie at the ends.
  auto lHint = [ioHints](int iSearch) { return sHint(ioHints, iSearch); };
  const bool lOnShared = OnSharedOrder(iRow);
  const long long lNear = lOnShared ? iSharedNear : -1;
  // On the shared order, whose X ascends throughout, the first X not below 0 is known once for all
  // rows; with hints it is taken from there.
  const unsigned int m = ioHints && lOnShared ? std::min(std::max(_SharedPositive, a), b + 1)
                                              : sFirstTrueNear(a, b, lHint(QVTFddOrderHints::eXPositive),
                                                               [&](unsigned int j) { return iRead.SlotX(j) >= 0.0; });
  unsigned int lInFirst = m, lInEnd = m;  // inner run lInFirst .. lInEnd - 1
  if (m > a)
    lInFirst =
        sFirstTrueNear(a, m - 1, lHint(QVTFddOrderHints::eInnerFirst), [&](unsigned int j) { return lA(j) <= iR; });
  if (m <= b)
    lInEnd = sFirstTrueNear(m, b, lHint(QVTFddOrderHints::eInnerEnd), [&](unsigned int j) { return lA(j) > iR; });
  if (lInFirst < lInEnd)
    OfferNearest(iRow, iRead, lInFirst, lInEnd - 1, iX, iZ, lHint(QVTFddOrderHints::eNearInner), lNear,
                 ioBest[eInner]);
  // The outer runs begin where the inner one ends but for samples exactly at the pixel's radius,
  // which belong to both: with hints they are looked for only when the inner run ends on one.
  if (m > a) {
    const bool lAtRadius = lInFirst < m && !(lA(lInFirst) < iR);
    const unsigned int lLeftEnd =
        ioHints && !lAtRadius
            ? lInFirst
            : sFirstTrueNear(a, m - 1, lHint(QVTFddOrderHints::eLeftEnd), [&](unsigned int j) { return lA(j) < iR; });
    if (lLeftEnd > a)
      OfferNearest(iRow, iRead, a, lLeftEnd - 1, iX, iZ, lHint(QVTFddOrderHints::eNearLeft), lNear, ioBest[eOuter]);
  }
  if (m <= b) {
    const bool lAtRadius = lInEnd > m && !(lA(lInEnd - 1) < iR);
    const unsigned int lRightFirst =
        ioHints && !lAtRadius
            ? lInEnd
            : sFirstTrueNear(m, b, lHint(QVTFddOrderHints::eRightFirst), [&](unsigned int j) { return lA(j) >= iR; });
    if (lRightFirst <= b)
      OfferNearest(iRow, iRead, lRightFirst, b, iX, iZ, lHint(QVTFddOrderHints::eNearRight), lNear, ioBest[eOuter]);
  }
}

template <class Row>
void QVTFddOrderTable::PointAt(int iRow, const Row& iRead, double iOrder, double iLow, double iHigh, double iX,
                               double iZ, unsigned int* ioHints, QVTFddOrderPoint& oPoint) const {
  // The band's samples whose orders bracket iOrder; among equal orders the smallest X index, which
  // comes first in the row's order.
  long long lBelow = -1, lAbove = -1;
  double lOrderBelow = 0.0, lOrderAbove = 0.0;
  unsigned int a = 0, b = 0;
  // With hints the row was visited for this pixel a moment ago: its band is in them.
  int lBand = 0;
  if (ioHints) {
    a = ioHints[QVTFddOrderHints::eBandFirst];
    lBand = ioHints[QVTFddOrderHints::eBandEnd] > a;
    b = ioHints[QVTFddOrderHints::eBandEnd] - 1;
  } else {
    lBand = RowBand(iRow, iRead, iLow, iHigh, ioHints, a, b);
  }
  if (lBand) {
    const int lFast = ioHints != nullptr;
    const double lZScaled = _Rows[iRow]._ZScaled;
    const QVTFddOrderTableBound lAt(iOrder, lZScaled, lFast);
    const unsigned int lUp = sFirstTrueNear(a, b, sHint(ioHints, QVTFddOrderHints::eAtOrder),
                                            [&](unsigned int j) { return lAt.AtLeast(iRead.SlotXScaled(j)); });
    unsigned int lPast = lUp;  // the first order above iOrder
    if (lUp <= b) {
      lAbove = iRead.Sample(lUp);
      lOrderAbove = iRead.SlotXScaled(lUp) / lZScaled;
      // Equal orders are rare: a run of them is looked for next to where it starts. (The bound
      // answers as lOrderAbove > iOrder does, without waiting for the division.)
      unsigned int lHint = lUp;
      if (!lAt.Above(iRead.SlotXScaled(lUp)))
        lPast = sFirstTrueNear(lUp, b, ioHints ? &lHint : nullptr,
                               [&](unsigned int j) { return lAt.Above(iRead.SlotXScaled(j)); });
    }
    if (lPast > a) {
      lOrderBelow = iRead.SlotXScaled(lPast - 1) / lZScaled;
      unsigned int lFirst = lPast - 1;
      if (lFirst > a) {
        const QVTFddOrderTableBound lBelowBound(lOrderBelow, lZScaled, lFast);
        if (lBelowBound.AtLeast(iRead.SlotXScaled(lFirst - 1))) {
          unsigned int lHint = lFirst - 1;
          lFirst = sFirstTrueNear(a, lFirst - 1, ioHints ? &lHint : nullptr,
                                  [&](unsigned int j) { return lBelowBound.AtLeast(iRead.SlotXScaled(j)); });
        }
      }
      lBelow = iRead.Sample(lFirst);
    }
  }
  oPoint = QVTFddOrderPoint();
  if (lBelow < 0 && lAbove < 0) return;
  oPoint._ZIndex = _Rows[iRow]._ZIndex;
  if (lBelow < 0 || lAbove < 0 || !(lOrderAbove > lOrderBelow)) {
    oPoint._First = oPoint._Second = static_cast<unsigned int>(lBelow >= 0 ? lBelow : lAbove);
    oPoint._X = iRead.X(oPoint._First);
  } else {
    oPoint._First = static_cast<unsigned int>(lBelow);
    oPoint._Second = static_cast<unsigned int>(lAbove);
    oPoint._Fraction = (iOrder - lOrderBelow) / (lOrderAbove - lOrderBelow);
    oPoint._X = QVTFddInterpolate(iRead.X(oPoint._First), iRead.X(oPoint._Second), oPoint._Fraction);
  }
  const double v = _Rows[iRow]._Z;
  oPoint._Dist2 = (oPoint._X - iX) * (oPoint._X - iX) + (v - iZ) * (v - iZ);
}

int QVTFddOrderTable::FindPoints(double iOrder, double iLow, double iHigh, double iX, double iZ,
                                 QVTFddOrderPoint& oInner, QVTFddOrderPoint& oOuter,
                                 const QVTFddOrderHints* ioHints) const {
  const int n = _RowCount;
  if (n == 0 || std::isnan(iOrder) || std::isnan(iLow) || std::isnan(iHigh) || iLow > iHigh || std::isnan(iZ))
    return 0;
  const double lR = iX * iX + iZ * iZ;
  auto lHints = [ioHints](int iRow) { return ioHints ? ioHints->Row(iRow) : nullptr; };
  // With hints, the pixel's place among the shared X values in their order, found once for all
  // the rows that read them so.
  long long lSharedNear = -1;
  if (ioHints && _SharedEqualFirst) {
    const unsigned int* lSlots = _SharedOrder.GetSlots();
    lSharedNear = sFirstTrueNear(0, _SharedOrder.GetCount() - 1, ioHints->Table(QVTFddOrderHints::eSharedNear),
                                 [&](unsigned int k) { return _SharedX[lSlots ? lSlots[k] : k] >= iX; });
  }
  QVTFddOrderCandidate lBest[2];

  // Rows outwards from the pixel's Z, nearest first: a row at Z distance dz holds no sample nearer
  // than dz, so a side is settled once dz passes its best; blocks of rows without a sample in the
  // band on an open side are skipped.
  const QVTFddOrderTableRecord* lRows = _Rows.get();
  const auto lZ = [lRows](int iRow) { return lRows[iRow]._Z; };
  // The first row at or above the pixel's Z; along an image row it stays the same.
  const unsigned int lZPlace =
      sFirstTrueNear(0, static_cast<unsigned int>(n) - 1, ioHints ? ioHints->Table(QVTFddOrderHints::eZPlace) : nullptr,
                     [&](unsigned int k) { return !(lZ(static_cast<int>(k)) < iZ); });
  int lUp = static_cast<int>(lZPlace), lDown = lUp - 1;
  auto lOpen = [&](int iSide, double iDz2) { return lBest[iSide]._Row < 0 || iDz2 <= lBest[iSide]._Dist2; };
  for (;;) {
    while (lUp < n) {
      const double dz = lZ(lUp) - iZ, lDz2 = dz * dz;
      const int lIn = lOpen(eInner, lDz2), lOut = lOpen(eOuter, lDz2);
      if (!lIn && !lOut) {
        lUp = n;
        break;
      }
      auto lMayHold = [&](int iLevel, int iStart) { return MayHold(iLevel, iStart, iLow, iHigh, lR, lIn, lOut); };
      const int lSkip = _Orders.SkipUp(lUp, n, lMayHold);
      if (lSkip == 0) break;
      lUp += lSkip;
    }
    while (lDown >= 0) {
      const double dz = iZ - lZ(lDown), lDz2 = dz * dz;
      const int lIn = lOpen(eInner, lDz2), lOut = lOpen(eOuter, lDz2);
      if (!lIn && !lOut) {
        lDown = -1;
        break;
      }
      auto lMayHold = [&](int iLevel, int iStart) { return MayHold(iLevel, iStart, iLow, iHigh, lR, lIn, lOut); };
      const int lSkip = _Orders.SkipDown(lDown, lMayHold);
      if (lSkip == 0) break;
      lDown -= lSkip;
    }
    int r = -1;
    if (lUp < n && (lDown < 0 || lZ(lUp) - iZ <= iZ - lZ(lDown)))
      r = lUp++;
    else if (lDown >= 0)
      r = lDown--;
    else
      break;
    WithRow(r, [&](const auto& iRead) {
      VisitRow(r, iRead, iLow, iHigh, iX, iZ, lR, lHints(r), lSharedNear, lBest);
    });
  }
  if (lBest[eInner]._Row < 0 && lBest[eOuter]._Row < 0) return 0;
  if (lBest[eInner]._Row < 0) lBest[eInner]._Row = lBest[eOuter]._Row;
  if (lBest[eOuter]._Row < 0) lBest[eOuter]._Row = lBest[eInner]._Row;
  const int lIn = lBest[eInner]._Row, lOut = lBest[eOuter]._Row;
  WithRow(lIn, [&](const auto& iRead) { PointAt(lIn, iRead, iOrder, iLow, iHigh, iX, iZ, lHints(lIn), oInner); });
  if (lOut == lIn)
    oOuter = oInner;
  else
    WithRow(lOut, [&](const auto& iRead) { PointAt(lOut, iRead, iOrder, iLow, iHigh, iX, iZ, lHints(lOut), oOuter); });
  return 1;
}
