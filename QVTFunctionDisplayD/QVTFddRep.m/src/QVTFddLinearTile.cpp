#include "QVTFddLinearTile.h"

#include <algorithm>
#include <cstddef>

#include "QVTFddConstants.h"
#include "QVTFddMatrixCells.h"
#include "QVTFddRowValue.h"
#include "QVTFddSimd.h"

namespace {

constexpr int kTile = QVTFddLinearTile::kTile;

// A range along X under an interpolation along Z: the maximum over the X indices of the cells
// interpolated along Z (NaN when none is a number).
double sRangeInterpolation(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v) {
  double lMax = QVTFddDoubleNaN;
  for (int i = x._First; i <= x._Second; ++i)
    QVTFddRaiseMaximum(lMax, QVTFddInterpolate(v.At(i, z._First), v.At(i, z._Second), z._Fraction));
  return lMax;
}

// Two maxima raised to their candidates as QVTFddRaiseMaximum raises them: a candidate replaces a
// smaller maximum or a NaN one.
QVTFDD_INLINE QVTFddLanes2 sRaised2(const QVTFddLanes2& iMaximum, const QVTFddLanes2& iCandidate) {
  return ((iCandidate > iMaximum) | (iMaximum != iMaximum)) ? iCandidate : iMaximum;
}

// iMaximum raised to iCandidate as QVTFddRaiseMaximum raises it, without branches: the few cells of
// one pixel of noisy data make them impossible to foresee.
QVTFDD_INLINE double sRaised(double iMaximum, double iCandidate) {
  return sRaised2(QVTFddLanes2{iMaximum, iMaximum}, QVTFddLanes2{iCandidate, iCandidate})[0];
}

// Calls iRead(j, cell) for the cells of X index iX at Z indices iFirst + j, j = 0 .. iLast - iFirst:
// straight from memory when the matrix holds them there, through the matrix otherwise.
template <class F>
void sForRun(const QVTFddMatrixCells& iCells, int iX, int iFirst, int iLast, const F& iRead) {
  unsigned long long lStride = 0;
  const double* lRun = iCells.Run(iX, iFirst, iLast, lStride);
  const int n = iLast - iFirst + 1;
  if (lRun && lStride == 1)
    for (int j = 0; j < n; ++j) iRead(j, lRun[j]);
  else if (lRun)
    for (int j = 0; j < n; ++j) iRead(j, lRun[static_cast<unsigned long long>(j) * lStride]);
  else
    for (int j = 0; j < n; ++j) iRead(j, iCells.At(iX, iFirst + j));
}

// oMaximum[j] = iMaximum[j] raised to iCells[j] for j < iCount as QVTFddRaiseMaximum does (oMaximum
// may be iMaximum), two at a time: a range of columns reads its cells at the speed of memory.
void sRaiseAll(double* oMaximum, const double* iMaximum, const double* iCells, int iCount) {
  int j = 0;
  for (; j + 2 <= iCount; j += 2) {
    QVTFddLanes2 lMax, lCells;
    QVTFddLoad(iMaximum + j, lMax);
    QVTFddLoad(iCells + j, lCells);
    QVTFddStore(sRaised2(lMax, lCells), oMaximum + j);
  }
  for (; j < iCount; ++j) {
    double lMax = iMaximum[j];
    QVTFddRaiseMaximum(lMax, iCells[j]);
    oMaximum[j] = lMax;
  }
}

// The image column of iXJob reduced along X for Z indices iFirst .. iLast into oReduced (from
// index 0): the cell of an index job, the maximum of a range job, the interpolation of an
// interpolation job. Each cell of the column is read once, however many pixels share it.
void sReduceAlongX(const QVTFddPixelJob& x, const QVTFddMatrixCells& v, int iFirst, int iLast, double* oReduced) {
  const int n = iLast - iFirst + 1;
  unsigned long long lStride = 0, lNextStride = 0;
  const double* lRun = v.Run(x._First, iFirst, iLast, lStride);
  const bool lRange = x._Type == QVTFddPixelJob::RangeJob && x._Second > x._First;
  const double* lNext = lRange ? v.Run(x._First + 1, iFirst, iLast, lNextStride) : nullptr;
  // The first two columns of a range in one pass when both lie in memory: no copy of the first.
  const bool lPair = lRun && lNext && lStride == 1 && lNextStride == 1;
  if (lPair)
    sRaiseAll(oReduced, lRun, lNext, n);
  else
    sForRun(v, x._First, iFirst, iLast, [oReduced](int j, double w) { oReduced[j] = w; });
  if (x._Type == QVTFddPixelJob::RangeJob)
    for (int i = x._First + (lPair ? 2 : 1); i <= x._Second; ++i) {
      lRun = v.Run(i, iFirst, iLast, lStride);
      if (lRun && lStride == 1)
        sRaiseAll(oReduced, oReduced, lRun, n);
      else
        sForRun(v, i, iFirst, iLast, [oReduced](int j, double w) { QVTFddRaiseMaximum(oReduced[j], w); });
    }
  else if (x._Type == QVTFddPixelJob::InterpolationJob)
    sForRun(v, x._Second, iFirst, iLast, [oReduced, &x](int j, double w) {
      oReduced[j] = QVTFddInterpolate(oReduced[j], w, x._Fraction);
    });
}

// The value of the pixel of X job x and Z job z (NaN for no value), from
// the column reduced along X (iReduced[k] for Z index k). Only a range along X under an
// interpolation along Z interpolates before it reduces: that one reads the cells.
double sColumnPixel(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const double* iReduced,
                    const QVTFddMatrixCells& v) {
  switch (z._Type) {
    case QVTFddPixelJob::IndexJob:
      return iReduced[z._First];
    case QVTFddPixelJob::RangeJob: {
      double lMax = iReduced[z._First];
      for (int k = z._First + 1; k <= z._Second; ++k) lMax = sRaised(lMax, iReduced[k]);
      return lMax;
    }
    case QVTFddPixelJob::InterpolationJob: {
      if (x._Type != QVTFddPixelJob::RangeJob)
        return QVTFddInterpolate(iReduced[z._First], iReduced[z._Second], z._Fraction);
      return sRangeInterpolation(x, z, v);
    }
    default:
      return QVTFddDoubleNaN;
  }
}

inline bool sValued(const QVTFddPixelJob& iJob) {
  return iJob._Type == QVTFddPixelJob::IndexJob || iJob._Type == QVTFddPixelJob::RangeJob ||
         iJob._Type == QVTFddPixelJob::InterpolationJob;
}

// The cells of one Z index reduced along X by job x as sReduceAlongX reduces them, the cell of X
// index i read at iLine[(i - iXFirst) * iStride].
double sAlongLine(const QVTFddPixelJob& x, const double* iLine, unsigned long long iStride, int iXFirst) {
  const auto lAt = [&](int i) { return iLine[static_cast<unsigned long long>(i - iXFirst) * iStride]; };
  switch (x._Type) {
    case QVTFddPixelJob::IndexJob:
      return lAt(x._First);
    case QVTFddPixelJob::RangeJob: {
      double lMax = lAt(x._First);
      for (int i = x._First + 1; i <= x._Second; ++i) lMax = sRaised(lMax, lAt(i));
      return lMax;
    }
    case QVTFddPixelJob::InterpolationJob:
      return QVTFddInterpolate(lAt(x._First), lAt(x._Second), x._Fraction);
    default:
      return QVTFddDoubleNaN;
  }
}

// The tile's columns iX[0 .. iCount - 1] reduced along X for Z indices iFirst .. iLast, column c
// into oReduced[c * (iLast - iFirst + 1) ...]: a line of cells at a time where the matrix keeps the
// cells of one Z index together (one row per Z), a column at a time otherwise.
void sReduceTile(const QVTFddPixelJob* iX, int iCount, const QVTFddMatrixCells& v, int iFirst, int iLast,
                 double* oReduced) {
  const size_t n = static_cast<size_t>(iLast - iFirst) + 1;
  int lXFirst = -1, lXLast = -1;
  for (int c = 0; c < iCount; ++c) {
    if (!sValued(iX[c])) continue;
    const int lLast = iX[c]._Type == QVTFddPixelJob::IndexJob ? iX[c]._First : iX[c]._Second;
    if (lXFirst < 0 || iX[c]._First < lXFirst) lXFirst = iX[c]._First;
    lXLast = std::max(lXLast, lLast);
  }
  unsigned long long lStride = 0;
  if (v.LinesAlongX() && v.Line(iFirst, lXFirst, lXLast, lStride) && v.Line(iLast, lXFirst, lXLast, lStride)) {
    // Lines lie a matrix row apart, where the processor foresees no reads: the lines some rows
    // ahead are asked for early.
    const int kAhead = 8;
    const size_t lBytes = static_cast<size_t>(lXLast - lXFirst + 1) * sizeof(double);
    for (int k = iFirst; k <= iLast; ++k) {
      const double* lLine = v.Line(k, lXFirst, lXLast, lStride);
      const double* lAhead = v.Line(std::min(k + kAhead, iLast), lXFirst, lXLast, lStride);
      if (const char* lLater = reinterpret_cast<const char*>(lAhead)) {
        for (size_t b = 0; b < lBytes; b += 64) __builtin_prefetch(lLater + b);
        __builtin_prefetch(lLater + lBytes - 1);
      }
      double* lOut = oReduced + (k - iFirst);
      for (int c = 0; c < iCount; ++c) lOut[c * n] = sAlongLine(iX[c], lLine, lStride, lXFirst);
    }
    return;
  }
  for (int c = 0; c < iCount; ++c) {
    double* lOut = oReduced + c * n;
    if (sValued(iX[c]))
      sReduceAlongX(iX[c], v, iFirst, iLast, lOut);
    else
      std::fill(lOut, lOut + n, QVTFddDoubleNaN);
  }
}

// The pixel values of a tile of iCount columns, image row after image row (oValues[r * iCount + c]),
// from its cells reduced along X as sReduceTile leaves them (iSpan Z indices from iFirst per
// column). Each Z job is read once for all the tile's columns, and a full tile takes the maxima of
// its ranges two columns at a time.
void sZStepTile(const QVTFddPixelJob* iX, int iCount, const QVTFddPixelJob* iZ, int iHeight, const double* iReduced,
                size_t iSpan, int iFirst, const QVTFddMatrixCells& v, double* oValues) {
  bool lValued[kTile];
  for (int c = 0; c < iCount; ++c) lValued[c] = sValued(iX[c]);
  // lAtZ(c)[k] is the reduced value of column c at Z index k.
  const auto lAtZ = [&](int c) { return iReduced + c * iSpan - iFirst; };
  // Lanes of valued columns.
  QVTFddMask2 lValuedLanes[kTile / 2];
  const QVTFddLanes2 lNaN = QVTFddLanes2{} + QVTFddDoubleNaN;
  if (iCount == kTile)
    for (int c = 0; c < kTile; c += 2) lValuedLanes[c / 2] = QVTFddMask2{-lValued[c], -lValued[c + 1]};
  const auto lPair = [&](int c, int k) { return QVTFddLanes2{lAtZ(c)[k], lAtZ(c + 1)[k]}; };
  for (int r = 0; r < iHeight; ++r, oValues += iCount) {
    const QVTFddPixelJob& z = iZ[r];
    if (z._Type == QVTFddPixelJob::RangeJob && iCount == kTile) {
      // The Z indices outer: one loop, whose length the processor cannot foresee, per image row.
      QVTFddLanes2 lMax[kTile / 2];
      for (int c = 0; c < kTile; c += 2) lMax[c / 2] = lPair(c, z._First);
      for (int k = z._First + 1; k <= z._Second; ++k)
        for (int c = 0; c < kTile; c += 2) lMax[c / 2] = sRaised2(lMax[c / 2], lPair(c, k));
      for (int c = 0; c < kTile; c += 2) QVTFddStore(lValuedLanes[c / 2] ? lMax[c / 2] : lNaN, oValues + c);
      continue;
    }
    for (int c = 0; c < iCount; ++c)
      oValues[c] = lValued[c] ? sColumnPixel(iX[c], z, lAtZ(c), v) : QVTFddDoubleNaN;
  }
}

// The Z indices that the valued Z jobs read, iFirst .. iLast (iLast below iFirst when none).
void sZSpan(const QVTFddPixelJob* iZJobs, int iHeight, int& oFirst, int& oLast) {
  oFirst = 0;
  oLast = -1;
  for (int r = 0; r < iHeight; ++r) {
    const QVTFddPixelJob& z = iZJobs[r];
    const bool lPair = z._Type == QVTFddPixelJob::RangeJob || z._Type == QVTFddPixelJob::InterpolationJob;
    if (z._Type != QVTFddPixelJob::IndexJob && !lPair) continue;
    const int lLast = lPair ? z._Second : z._First;
    if (oLast < oFirst) oFirst = oLast = z._First;
    oFirst = std::min(oFirst, z._First);
    oLast = std::max(oLast, lLast);
  }
}

}  // namespace

void QVTFddLinearTile::ZSpan(const QVTFddPixelJob* iZJobs, int iHeight, int& oFirst, int& oLast) {
  sZSpan(iZJobs, iHeight, oFirst, oLast);
}

bool QVTFddLinearTile::Valued(const QVTFddPixelJob& iJob) { return sValued(iJob); }

void QVTFddLinearTile::Reduce(const QVTFddPixelJob* iX, int iCount, const QVTFddMatrixCells& iCells, int iFirst,
                              int iLast, double* oReduced) {
  sReduceTile(iX, iCount, iCells, iFirst, iLast, oReduced);
}

void QVTFddLinearTile::Values(const QVTFddPixelJob* iX, int iCount, const QVTFddPixelJob* iZ, int iHeight,
                              const double* iReduced, size_t iSpan, int iFirst, const QVTFddMatrixCells& iCells,
                              double* oValues) {
  sZStepTile(iX, iCount, iZ, iHeight, iReduced, iSpan, iFirst, iCells, oValues);
}
