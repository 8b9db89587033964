#include "QVTFddOrderTable.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <new>

#include "CATSamIDoubleVector.h"
#include "QVTFddOrderPoint.h"
#include "QVTFddRowValue.h"
#include "QVTIFddScaling.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Values are read from vectors in chunks of this many.
constexpr unsigned int kChunk = 1024;
enum { eInner = 0, eOuter = 1 };

// First index in iFirst .. iLast (iLast + 1 when none) for which iTest holds; iTest must be false
// then true along the range.
template <class Test>
unsigned int sFirstTrue(unsigned int iFirst, unsigned int iLast, const Test& iTest) {
  unsigned int a = iFirst, b = iLast + 1;
  while (a < b) {
    const unsigned int m = a + (b - a) / 2;
    if (iTest(m))
      b = m;
    else
      a = m + 1;
  }
  return a;
}

template <class T>
T* sNew(size_t iCount) {
  return new (std::nothrow) T[iCount > 0 ? iCount : 1];
}

}  // namespace

QVTFddOrderTable::QVTFddOrderTable(QVTIFddScaling* iXScaling)
    : _XScaling(iXScaling),
      _SharedLength(0),
      _SharedSorted(0),
      _SharedX2Min(kInfinity),
      _SharedX2Max(-kInfinity),
      _RowCount(0),
      _RowCapacity(0),
      _Levels(0),
      _Count(0) {}

QVTFddOrderTable::~QVTFddOrderTable() { Clear(); }

void QVTFddOrderTable::Clear() {
  for (int r = 0; _X && r < _RowCount; ++r)
    if (_X[r]) _X[r]->Release();
  _SharedX.reset();
  _SharedXScaled.reset();
  _SharedLength = 0;
  _Z.reset();
  _ZScaled.reset();
  _ZIndex.reset();
  _Length.reset();
  _Fast.reset();
  _X.reset();
  _OrderMin.reset();
  _OrderMax.reset();
  _Radius2Min.reset();
  _Radius2Max.reset();
  _RowCount = _RowCapacity = _Levels = 0;
  _Count = 0;
}

long long QVTFddOrderTable::EstimateBytes(long long iLengthX, long long iRows) {
  long long lLevels = 1;
  while (lLevels < 62 && (1LL << lLevels) <= iRows) ++lLevels;
  const long long lPerRow = 2 * sizeof(double) + sizeof(int) + sizeof(unsigned int) + sizeof(char) +
                            sizeof(CATSamIDoubleVector*) + 4 * sizeof(double) * lLevels;
  // Finish sorts the rows through a second copy of their records.
  return 2 * static_cast<long long>(sizeof(double)) * iLengthX + 2 * lPerRow * iRows;
}

int QVTFddOrderTable::SetSharedX(const CATSamIDoubleVector* iX, unsigned int iLength) {
  _SharedX.reset(sNew<double>(iLength));
  _SharedXScaled.reset(sNew<double>(iLength));
  if (!_SharedX || !_SharedXScaled || !iX || !_XScaling) {
    Clear();
    return !iX || !_XScaling;
  }
  unsigned int lDone = 0;
  while (lDone < iLength) {
    const unsigned int lWant = std::min(iLength - lDone, kChunk);
    const unsigned int lGot = std::min(iX->GetValues(lDone, lWant, _SharedX.get() + lDone), lWant);
    lDone += lGot;
    if (lGot < lWant) break;
  }
  for (; lDone < iLength; ++lDone) _SharedX[lDone] = std::numeric_limits<double>::quiet_NaN();
  _SharedLength = iLength;
  _SharedSorted = 1;
  for (unsigned int i = 0; i < iLength; ++i) {
    const double t = _SharedX[i];
    _SharedXScaled[i] = _XScaling->Convert(t);
    if (std::isnan(t) || std::isnan(_SharedXScaled[i]) ||
        (i > 0 && !(_SharedX[i - 1] <= t && _SharedXScaled[i - 1] <= _SharedXScaled[i])))
      _SharedSorted = 0;
    if (!std::isnan(t)) {
      _SharedX2Min = std::min(_SharedX2Min, t * t);
      _SharedX2Max = std::max(_SharedX2Max, t * t);
    }
  }
  return 1;
}

int QVTFddOrderTable::ReserveRows(unsigned int iRows) {
  if (iRows > static_cast<unsigned int>(INT_MAX / 2)) {
    Clear();
    return 0;
  }
  int lLevels = 1;
  while (lLevels < 31 && (1u << lLevels) <= iRows) ++lLevels;
  const size_t n = iRows, lLevelled = n * static_cast<size_t>(lLevels);
  _Z.reset(sNew<double>(n));
  _ZScaled.reset(sNew<double>(n));
  _ZIndex.reset(sNew<int>(n));
  _Length.reset(sNew<unsigned int>(n));
  _Fast.reset(sNew<char>(n));
  _X.reset(sNew<CATSamIDoubleVector*>(n));
  _OrderMin.reset(sNew<double>(lLevelled));
  _OrderMax.reset(sNew<double>(lLevelled));
  _Radius2Min.reset(sNew<double>(lLevelled));
  _Radius2Max.reset(sNew<double>(lLevelled));
  if (!_Z || !_ZScaled || !_ZIndex || !_Length || !_Fast || !_X || !_OrderMin || !_OrderMax || !_Radius2Min ||
      !_Radius2Max) {
    Clear();
    return 0;
  }
  _RowCapacity = static_cast<int>(iRows);
  _Levels = lLevels;
  _RowCount = 0;
  return 1;
}

double QVTFddOrderTable::RowX(int iRow, unsigned int iIndex) const {
  return _X[iRow] ? _X[iRow]->GetValue(iIndex) : _SharedX[iIndex];
}

double QVTFddOrderTable::RowXScaled(int iRow, unsigned int iIndex) const {
  return _X[iRow] ? _XScaling->Convert(_X[iRow]->GetValue(iIndex)) : _SharedXScaled[iIndex];
}

void QVTFddOrderTable::AddRow(int iZIndex, double iZ, double iZScaled, CATSamIDoubleVector* iX) {
  if (_RowCount >= _RowCapacity || std::isnan(iZ) || std::isnan(iZScaled) || !_XScaling) return;
  if (!iX && !_SharedX) return;
  const unsigned int lLength = iX ? iX->GetLength() : _SharedLength;
  double lOrderMin = kInfinity, lOrderMax = -kInfinity, lX2Min = kInfinity, lX2Max = -kInfinity;
  long long lCount = 0;
  const bool lPositive = iZScaled > 0.0 && iZScaled < kInfinity;
  int lFast = 0;
  if (!iX && _SharedSorted && lPositive) {
    // Ascending orders: the ends give the range, and every order is a number.
    lFast = 1;
    if (lLength > 0) {
      lOrderMin = _SharedXScaled[0] / iZScaled;
      lOrderMax = _SharedXScaled[lLength - 1] / iZScaled;
      lX2Min = _SharedX2Min;
      lX2Max = _SharedX2Max;
    }
    lCount = lLength;
  } else {
    // One pass over the row, in chunks.
    double lChunk[kChunk];
    double lPrevX = -kInfinity, lPrevScaled = -kInfinity;
    lFast = lPositive ? 1 : 0;
    for (unsigned int lFirst = 0; lFirst < lLength; lFirst += kChunk) {
      const unsigned int lWant = std::min(lLength - lFirst, kChunk);
      unsigned int lGot = lWant;
      if (iX)
        lGot = std::min(iX->GetValues(lFirst, lWant, lChunk), lWant);
      else
        std::copy(_SharedX.get() + lFirst, _SharedX.get() + lFirst + lWant, lChunk);
      for (unsigned int j = lGot; j < lWant; ++j) lChunk[j] = std::numeric_limits<double>::quiet_NaN();
      for (unsigned int j = 0; j < lWant; ++j) {
        const double t = lChunk[j];
        const double ts = iX ? _XScaling->Convert(t) : _SharedXScaled[lFirst + j];
        const double o = ts / iZScaled;
        if (std::isnan(t) || std::isnan(ts) || !(lPrevX <= t && lPrevScaled <= ts)) lFast = 0;
        lPrevX = t;
        lPrevScaled = ts;
        if (std::isnan(o)) continue;
        ++lCount;
        lOrderMin = std::min(lOrderMin, o);
        lOrderMax = std::max(lOrderMax, o);
        lX2Min = std::min(lX2Min, t * t);
        lX2Max = std::max(lX2Max, t * t);
      }
    }
  }
  if (lCount == 0) return;
  const int r = _RowCount++;
  _Z[r] = iZ;
  _ZScaled[r] = iZScaled;
  _ZIndex[r] = iZIndex;
  _Length[r] = lLength;
  _Fast[r] = static_cast<char>(lFast);
  _X[r] = iX;
  if (iX) iX->AddRef();
  _OrderMin[r] = lOrderMin;
  _OrderMax[r] = lOrderMax;
  // A sample's squared radius is x * x + z * z: its range follows from that of x * x.
  _Radius2Min[r] = lX2Min + iZ * iZ;
  _Radius2Max[r] = lX2Max + iZ * iZ;
  _Count += lCount;
}

int QVTFddOrderTable::Finish() {
  const int n = _RowCount;
  if (n == 0) return 1;
  std::unique_ptr<int[]> lOrder(sNew<int>(n));
  std::unique_ptr<double[]> lDoubles(sNew<double>(n));
  std::unique_ptr<int[]> lInts(sNew<int>(n));
  std::unique_ptr<unsigned int[]> lUnsigned(sNew<unsigned int>(n));
  std::unique_ptr<CATSamIDoubleVector*[]> lVectors(sNew<CATSamIDoubleVector*>(n));
  if (!lOrder || !lDoubles || !lInts || !lUnsigned || !lVectors) {
    Clear();
    return 0;
  }
  for (int r = 0; r < n; ++r) lOrder[r] = r;
  const double* lZ = _Z.get();
  const int* lZIndex = _ZIndex.get();
  std::sort(lOrder.get(), lOrder.get() + n, [lZ, lZIndex](int a, int b) {
    return lZ[a] < lZ[b] || (lZ[a] == lZ[b] && lZIndex[a] < lZIndex[b]);
  });
  auto lPermute = [&](auto* ioValues, auto* iSpare) {
    for (int r = 0; r < n; ++r) iSpare[r] = ioValues[lOrder[r]];
    std::copy(iSpare, iSpare + n, ioValues);
  };
  for (double* lArray : {_Z.get(), _ZScaled.get(), _OrderMin.get(), _OrderMax.get(), _Radius2Min.get(),
                         _Radius2Max.get()})
    lPermute(lArray, lDoubles.get());
  lPermute(_ZIndex.get(), lInts.get());
  lPermute(_Length.get(), lUnsigned.get());
  for (int r = 0; r < n; ++r) lInts[r] = _Fast[lOrder[r]];
  for (int r = 0; r < n; ++r) _Fast[r] = static_cast<char>(lInts[r]);
  lPermute(_X.get(), lVectors.get());

  // Ranges of runs of 2^k rows.
  const size_t c = static_cast<size_t>(_RowCapacity);
  for (int k = 1; k < _Levels; ++k) {
    const int lHalf = 1 << (k - 1);
    for (int r = 0; r + (1 << k) <= n; ++r) {
      const size_t a = (k - 1) * c + r, b = a + lHalf, o = k * c + r;
      _OrderMin[o] = std::min(_OrderMin[a], _OrderMin[b]);
      _OrderMax[o] = std::max(_OrderMax[a], _OrderMax[b]);
      _Radius2Min[o] = std::min(_Radius2Min[a], _Radius2Min[b]);
      _Radius2Max[o] = std::max(_Radius2Max[a], _Radius2Max[b]);
    }
  }
  return 1;
}

int QVTFddOrderTable::MayHold(int iLevel, int iStart, double iLow, double iHigh, double iR, int iInner,
                              int iOuter) const {
  const size_t i = static_cast<size_t>(iLevel) * static_cast<size_t>(_RowCapacity) + iStart;
  if (!(_OrderMax[i] >= iLow && _OrderMin[i] <= iHigh)) return 0;
  return (iInner && _Radius2Min[i] <= iR) || (iOuter && _Radius2Max[i] >= iR);
}

int QVTFddOrderTable::RowBand(int iRow, double iLow, double iHigh, unsigned int& oFirst, unsigned int& oLast) const {
  const unsigned int n = _Length[iRow];
  if (n == 0) return 0;
  const double lZs = _ZScaled[iRow];
  oFirst = sFirstTrue(0, n - 1, [&](unsigned int i) { return RowXScaled(iRow, i) / lZs >= iLow; });
  const unsigned int lEnd = sFirstTrue(oFirst, n - 1, [&](unsigned int i) { return RowXScaled(iRow, i) / lZs > iHigh; });
  if (lEnd == oFirst) return 0;
  oLast = lEnd - 1;
  return 1;
}

void QVTFddOrderTable::Offer(int iRow, unsigned int iIndex, double iX, double iZ, int iSide, int* ioRow,
                             unsigned int* ioIndex, double* ioDist2, double* ioOrder) const {
  const double t = RowX(iRow, iIndex), v = _Z[iRow];
  const double d = (t - iX) * (t - iX) + (v - iZ) * (v - iZ);
  const double o = RowXScaled(iRow, iIndex) / _ZScaled[iRow];
  const int s = iSide;
  if (std::isnan(d)) return;
  if (ioRow[s] >= 0) {
    if (d > ioDist2[s] || (d == ioDist2[s] && o > ioOrder[s])) return;
    if (d == ioDist2[s] && o == ioOrder[s]) {
      const int lZ = _ZIndex[iRow], lBestZ = _ZIndex[ioRow[s]];
      if (lZ > lBestZ || (lZ == lBestZ && iIndex >= ioIndex[s])) return;
    }
  }
  ioRow[s] = iRow;
  ioIndex[s] = iIndex;
  ioDist2[s] = d;
  ioOrder[s] = o;
}

void QVTFddOrderTable::OfferNearest(int iRow, unsigned int iFirst, unsigned int iLast, double iX, double iZ,
                                    int iSide, int* ioRow, unsigned int* ioIndex, double* ioDist2,
                                    double* ioOrder) const {
  const unsigned int j = sFirstTrue(iFirst, iLast, [&](unsigned int i) { return RowX(iRow, i) >= iX; });
  if (j <= iLast) Offer(iRow, j, iX, iZ, iSide, ioRow, ioIndex, ioDist2, ioOrder);
  if (j > iFirst) {
    // The first of equal X values below iX: the smallest X index among equal distances.
    const double t = RowX(iRow, j - 1);
    const unsigned int k = sFirstTrue(iFirst, j - 1, [&](unsigned int i) { return RowX(iRow, i) >= t; });
    Offer(iRow, k, iX, iZ, iSide, ioRow, ioIndex, ioDist2, ioOrder);
  }
}

void QVTFddOrderTable::VisitRow(int iRow, double iLow, double iHigh, double iX, double iZ, double iR, int* ioRow,
                                unsigned int* ioIndex, double* ioDist2, double* ioOrder) const {
  const double v = _Z[iRow];
  if (!IsFast(iRow)) {
    const double lZs = _ZScaled[iRow];
    for (unsigned int i = 0; i < _Length[iRow]; ++i) {
      const double o = RowXScaled(iRow, i) / lZs;
      if (!(o >= iLow && o <= iHigh)) continue;
      const double t = RowX(iRow, i), lA = t * t + v * v;
      if (lA <= iR) Offer(iRow, i, iX, iZ, eInner, ioRow, ioIndex, ioDist2, ioOrder);
      if (lA >= iR) Offer(iRow, i, iX, iZ, eOuter, ioRow, ioIndex, ioDist2, ioOrder);
    }
    return;
  }
  unsigned int a = 0, b = 0;
  if (!RowBand(iRow, iLow, iHigh, a, b)) return;
  // X ascends: the squared radius falls while X < 0 and rises from there, so the samples inside
  // the pixel's radius are one run and those outside it lie at the ends.
  auto lA = [&](unsigned int i) {
    const double t = RowX(iRow, i);
    return t * t + v * v;
  };
  const unsigned int m = sFirstTrue(a, b, [&](unsigned int i) { return RowX(iRow, i) >= 0.0; });
  unsigned int lInFirst = m, lInEnd = m;  // inner run lInFirst .. lInEnd - 1
  if (m > a) lInFirst = sFirstTrue(a, m - 1, [&](unsigned int i) { return lA(i) <= iR; });
  if (m <= b) lInEnd = sFirstTrue(m, b, [&](unsigned int i) { return lA(i) > iR; });
  if (lInFirst < lInEnd) OfferNearest(iRow, lInFirst, lInEnd - 1, iX, iZ, eInner, ioRow, ioIndex, ioDist2, ioOrder);
  if (m > a) {
    const unsigned int lLeftEnd = sFirstTrue(a, m - 1, [&](unsigned int i) { return lA(i) < iR; });
    if (lLeftEnd > a) OfferNearest(iRow, a, lLeftEnd - 1, iX, iZ, eOuter, ioRow, ioIndex, ioDist2, ioOrder);
  }
  if (m <= b) {
    const unsigned int lRightFirst = sFirstTrue(m, b, [&](unsigned int i) { return lA(i) >= iR; });
    if (lRightFirst <= b) OfferNearest(iRow, lRightFirst, b, iX, iZ, eOuter, ioRow, ioIndex, ioDist2, ioOrder);
  }
}

void QVTFddOrderTable::PointAt(int iRow, double iOrder, double iLow, double iHigh, double iX, double iZ,
                               QVTFddOrderPoint& oPoint) const {
  // The band's samples whose orders bracket iOrder; among equal orders the smallest X index.
  const double lZs = _ZScaled[iRow];
  long long lBelow = -1, lAbove = -1;
  double lOrderBelow = 0.0, lOrderAbove = 0.0;
  if (IsFast(iRow)) {
    unsigned int a = 0, b = 0;
    if (RowBand(iRow, iLow, iHigh, a, b)) {
      const unsigned int lUp = sFirstTrue(a, b, [&](unsigned int i) { return RowXScaled(iRow, i) / lZs >= iOrder; });
      if (lUp <= b) {
        lAbove = lUp;
        lOrderAbove = RowXScaled(iRow, lUp) / lZs;
      }
      const unsigned int lPast = sFirstTrue(lUp, b, [&](unsigned int i) { return RowXScaled(iRow, i) / lZs > iOrder; });
      if (lPast > a) {
        lOrderBelow = RowXScaled(iRow, lPast - 1) / lZs;
        lBelow = sFirstTrue(a, lPast - 1, [&](unsigned int i) { return RowXScaled(iRow, i) / lZs >= lOrderBelow; });
      }
    }
  } else {
    for (unsigned int i = 0; i < _Length[iRow]; ++i) {
      const double o = RowXScaled(iRow, i) / lZs;
      if (!(o >= iLow && o <= iHigh)) continue;
      if (o <= iOrder && (lBelow < 0 || o > lOrderBelow)) {
        lBelow = i;
        lOrderBelow = o;
      }
      if (o >= iOrder && (lAbove < 0 || o < lOrderAbove)) {
        lAbove = i;
        lOrderAbove = o;
      }
    }
  }
  oPoint = QVTFddOrderPoint();
  if (lBelow < 0 && lAbove < 0) return;
  oPoint._ZIndex = _ZIndex[iRow];
  if (lBelow < 0 || lAbove < 0 || !(lOrderAbove > lOrderBelow)) {
    oPoint._First = oPoint._Second = static_cast<unsigned int>(lBelow >= 0 ? lBelow : lAbove);
    oPoint._X = RowX(iRow, oPoint._First);
  } else {
    oPoint._First = static_cast<unsigned int>(lBelow);
    oPoint._Second = static_cast<unsigned int>(lAbove);
    oPoint._Fraction = (iOrder - lOrderBelow) / (lOrderAbove - lOrderBelow);
    oPoint._X = QVTFddInterpolate(RowX(iRow, oPoint._First), RowX(iRow, oPoint._Second), oPoint._Fraction);
  }
  const double v = _Z[iRow];
  oPoint._Dist2 = (oPoint._X - iX) * (oPoint._X - iX) + (v - iZ) * (v - iZ);
}

int QVTFddOrderTable::FindPoints(double iOrder, double iLow, double iHigh, double iX, double iZ,
                                 QVTFddOrderPoint& oInner, QVTFddOrderPoint& oOuter) const {
  const int n = _RowCount;
  if (n == 0 || std::isnan(iOrder) || std::isnan(iLow) || std::isnan(iHigh) || iLow > iHigh || std::isnan(iZ))
    return 0;
  const double lR = iX * iX + iZ * iZ;
  int lRow[2] = {-1, -1};
  unsigned int lIndex[2] = {0, 0};
  double lDist2[2] = {0.0, 0.0}, lOrder[2] = {0.0, 0.0};

  // Rows outwards from the pixel's Z, nearest first: a row at Z distance dz holds no sample nearer
  // than dz, so a side is settled once dz passes its best; blocks of rows without a sample in the
  // band on an open side are skipped.
  const double* lZ = _Z.get();
  int lUp = static_cast<int>(std::lower_bound(lZ, lZ + n, iZ) - lZ), lDown = lUp - 1;
  auto lOpen = [&](int iSide, double iDz2) { return lRow[iSide] < 0 || iDz2 <= lDist2[iSide]; };
  for (;;) {
    while (lUp < n) {
      const double dz = lZ[lUp] - iZ, lDz2 = dz * dz;
      const int lIn = lOpen(eInner, lDz2), lOut = lOpen(eOuter, lDz2);
      if (!lIn && !lOut) {
        lUp = n;
        break;
      }
      if (MayHold(0, lUp, iLow, iHigh, lR, lIn, lOut)) break;
      int k = 0;
      while (k + 1 < _Levels && lUp + (2 << k) <= n && !MayHold(k + 1, lUp, iLow, iHigh, lR, lIn, lOut)) ++k;
      lUp += 1 << k;
    }
    while (lDown >= 0) {
      const double dz = iZ - lZ[lDown], lDz2 = dz * dz;
      const int lIn = lOpen(eInner, lDz2), lOut = lOpen(eOuter, lDz2);
      if (!lIn && !lOut) {
        lDown = -1;
        break;
      }
      if (MayHold(0, lDown, iLow, iHigh, lR, lIn, lOut)) break;
      int k = 0;
      while (k + 1 < _Levels && lDown - (2 << k) + 1 >= 0 &&
             !MayHold(k + 1, lDown - (2 << k) + 1, iLow, iHigh, lR, lIn, lOut))
        ++k;
      lDown -= 1 << k;
    }
    int r = -1;
    if (lUp < n && (lDown < 0 || lZ[lUp] - iZ <= iZ - lZ[lDown]))
      r = lUp++;
    else if (lDown >= 0)
      r = lDown--;
    else
      break;
    VisitRow(r, iLow, iHigh, iX, iZ, lR, lRow, lIndex, lDist2, lOrder);
  }
  if (lRow[eInner] < 0 && lRow[eOuter] < 0) return 0;
  if (lRow[eInner] < 0) lRow[eInner] = lRow[eOuter];
  if (lRow[eOuter] < 0) lRow[eOuter] = lRow[eInner];
  PointAt(lRow[eInner], iOrder, iLow, iHigh, iX, iZ, oInner);
  if (lRow[eOuter] == lRow[eInner])
    oOuter = oInner;
  else
    PointAt(lRow[eOuter], iOrder, iLow, iHigh, iX, iZ, oOuter);
  return 1;
}
