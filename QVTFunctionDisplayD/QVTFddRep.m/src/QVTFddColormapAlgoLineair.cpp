#include "QVTFddColormapAlgoLineair.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "CATSamPhysicalType.h"
#include "CATUnicodeString.h"
#include "HostTypes.h"
#include "QVTFddConstants.h"
#include "QVTFddDoubleMatrix.h"
#include "QVTFddMatrixCells.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddComputePixelJobs.h"
#include "QVTFddRowValue.h"
#include "QVTFddRunAhead.h"
#include "QVTIFddContinuousAxis.h"

namespace {

typedef QVTFddColormapAlgo::eValueType eValueType;
constexpr eValueType kFound = QVTFddColormapAlgo::ValueFound;
constexpr eValueType kNoValue = QVTFddColormapAlgo::NoValue;
constexpr const char* kSource = "QVTFddColormapAlgoLineair";

// The 16 cells of the pixel value over the matrix, by (X job type, Z job type). Ranges are
// walked with the Z index inner, the order in which matrices usually store their cells; a
// maximum does not depend on the order.

eValueType sIndexIndex(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v, double& o) {
  o = v.At(x._First, z._First);
  return kFound;
}

eValueType sIndexRange(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v, double& o) {
  double lMax = QVTFddDoubleNaN;
  for (int k = z._First; k <= z._Second; ++k) QVTFddRaiseMaximum(lMax, v.At(x._First, k));
  o = lMax;
  return kFound;
}

eValueType sIndexInterpolation(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v,
                               double& o) {
  o = QVTFddInterpolate(v.At(x._First, z._First), v.At(x._First, z._Second), z._Fraction);
  return kFound;
}

eValueType sRangeIndex(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v, double& o) {
  double lMax = QVTFddDoubleNaN;
  for (int i = x._First; i <= x._Second; ++i) QVTFddRaiseMaximum(lMax, v.At(i, z._First));
  o = lMax;
  return kFound;
}

eValueType sRangeRange(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v, double& o) {
  double lMax = QVTFddDoubleNaN;
  for (int i = x._First; i <= x._Second; ++i)
    for (int k = z._First; k <= z._Second; ++k) QVTFddRaiseMaximum(lMax, v.At(i, k));
  o = lMax;
  return kFound;
}

eValueType sRangeInterpolation(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v,
                               double& o) {
  double lMax = QVTFddDoubleNaN;
  for (int i = x._First; i <= x._Second; ++i)
    QVTFddRaiseMaximum(lMax, QVTFddInterpolate(v.At(i, z._First), v.At(i, z._Second), z._Fraction));
  o = lMax;
  return kFound;
}

eValueType sInterpolationIndex(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v,
                               double& o) {
  o = QVTFddInterpolate(v.At(x._First, z._First), v.At(x._Second, z._First), x._Fraction);
  return kFound;
}

eValueType sInterpolationRange(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v,
                               double& o) {
  double lMax = QVTFddDoubleNaN;
  for (int k = z._First; k <= z._Second; ++k)
    QVTFddRaiseMaximum(lMax, QVTFddInterpolate(v.At(x._First, k), v.At(x._Second, k), x._Fraction));
  o = lMax;
  return kFound;
}

eValueType sBilinear(const QVTFddPixelJob& x, const QVTFddPixelJob& z, const QVTFddMatrixCells& v, double& o) {
  const double a = QVTFddInterpolate(v.At(x._First, z._First), v.At(x._Second, z._First), x._Fraction);
  const double b = QVTFddInterpolate(v.At(x._First, z._Second), v.At(x._Second, z._Second), x._Fraction);
  o = QVTFddInterpolate(a, b, z._Fraction);
  return kFound;
}

eValueType sEmpty(const QVTFddPixelJob&, const QVTFddPixelJob&, const QVTFddMatrixCells&, double&) {
  return kNoValue;
}

typedef eValueType (*CellFunction)(const QVTFddPixelJob&, const QVTFddPixelJob&, const QVTFddMatrixCells&, double&);

// Indexed 4 * (X job type) + (Z job type); a constant table needs no lazy filling.
const CellFunction kCells[16] = {
    sIndexIndex,         sIndexRange,         sIndexInterpolation, sEmpty,  // X index job
    sRangeIndex,         sRangeRange,         sRangeInterpolation, sEmpty,  // X range job
    sInterpolationIndex, sInterpolationRange, sBilinear,           sEmpty,  // X interpolation job
    sEmpty,              sEmpty,              sEmpty,              sEmpty,  // X empty job
};

// The value of the pixel of an X and a Z job over the cells; no value for an unknown job type.
eValueType sCellValue(const QVTFddPixelJob& iXJob, const QVTFddPixelJob& iZJob, const QVTFddMatrixCells& iCells,
                      double& oValue) {
  const unsigned int lX = static_cast<unsigned int>(iXJob._Type), lZ = static_cast<unsigned int>(iZJob._Type);
  if (lX > 3 || lZ > 3) return kNoValue;
  return kCells[4 * lX + lZ](iXJob, iZJob, iCells, oValue);
}

#if defined(__SSE2__)
// iYes in the lanes where iMask is set, iNo in the others.
inline __m128d sSelect(__m128d iMask, __m128d iYes, __m128d iNo) {
  return _mm_or_pd(_mm_and_pd(iMask, iYes), _mm_andnot_pd(iMask, iNo));
}

// Two maxima raised to their candidates as QVTFddRaiseMaximum raises them.
inline __m128d sRaised2(__m128d iMaximum, __m128d iCandidate) {
  return sSelect(_mm_or_pd(_mm_cmpgt_pd(iCandidate, iMaximum), _mm_cmpunord_pd(iMaximum, iMaximum)), iCandidate,
                 iMaximum);
}
#endif

// iMaximum raised to iCandidate as QVTFddRaiseMaximum raises it, without branches: the few cells of
// one pixel of noisy data make them impossible to foresee.
inline double sRaised(double iMaximum, double iCandidate) {
#if defined(__SSE2__)
  return _mm_cvtsd_f64(sRaised2(_mm_set_sd(iMaximum), _mm_set_sd(iCandidate)));
#else
  return (iCandidate > iMaximum) | (iMaximum != iMaximum) ? iCandidate : iMaximum;
#endif
}

inline bool sInside(double iValue, double iMin, double iMax) { return iMin <= iValue && iValue <= iMax; }

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
// may be iMaximum), two at a time where the processor has SSE2: a range of columns reads its cells
// at the speed of memory.
void sRaiseAll(double* oMaximum, const double* iMaximum, const double* iCells, int iCount) {
  int j = 0;
#if defined(__SSE2__)
  for (; j + 2 <= iCount; j += 2) {
    _mm_storeu_pd(oMaximum + j, sRaised2(_mm_loadu_pd(iMaximum + j), _mm_loadu_pd(iCells + j)));
  }
#endif
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

// The value of the pixel of X job x and Z job z, as sCellValue gives it (NaN for no value), from
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
      double lValue = QVTFddDoubleNaN;
      sRangeInterpolation(x, z, v, lValue);
      return lValue;
    }
    default:
      return QVTFddDoubleNaN;
  }
}

// Image columns filled together: their pixels of one image row make a cache line, so that the
// image is written row by row, not a cache line per pixel down a column.
constexpr int kTile = 16;

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
#if defined(__SSE2__)
  // Lanes of valued columns.
  __m128d lValuedLanes[kTile / 2];
  const __m128d lNaN = _mm_set1_pd(QVTFddDoubleNaN);
  const auto lLanes = [](bool iFirst, bool iSecond) {
    return _mm_castsi128_pd(_mm_set_epi64x(iSecond ? -1 : 0, iFirst ? -1 : 0));
  };
  if (iCount == kTile)
    for (int c = 0; c < kTile; c += 2) lValuedLanes[c / 2] = lLanes(lValued[c], lValued[c + 1]);
  const auto lPair = [&](int c, int k) { return _mm_loadh_pd(_mm_load_sd(lAtZ(c) + k), lAtZ(c + 1) + k); };
#endif
  for (int r = 0; r < iHeight; ++r, oValues += iCount) {
    const QVTFddPixelJob& z = iZ[r];
#if defined(__SSE2__)
    if (z._Type == QVTFddPixelJob::RangeJob && iCount == kTile) {
      // The Z indices outer: one loop, whose length the processor cannot foresee, per image row.
      __m128d lMax[kTile / 2];
      for (int c = 0; c < kTile; c += 2) lMax[c / 2] = lPair(c, z._First);
      for (int k = z._First + 1; k <= z._Second; ++k)
        for (int c = 0; c < kTile; c += 2) lMax[c / 2] = sRaised2(lMax[c / 2], lPair(c, k));
      for (int c = 0; c < kTile; c += 2) _mm_storeu_pd(oValues + c, sSelect(lValuedLanes[c / 2], lMax[c / 2], lNaN));
      continue;
    }
#endif
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

// Fills the image (when it has pixels) column by column: iValues(p, column) gives the values of
// column p, NaN where a pixel has none, and the axis colours them in one call. A column reads the
// cells of a few X indices, which matrices keep together (Z index fastest), while the image rows
// it writes stay in the cache for the next columns. False when the heap is exhausted.
template <class F>
bool sFillByColumns(CATPixelImage& ioImage, QVTIFddContinuousAxis& iAxis, const F& iValues) {
  unsigned char* lPixels = ioImage.GetPixelsToModify();
  if (!lPixels) return true;
  int lWidth = 0, lHeight = 0;
  ioImage.GetSize(lWidth, lHeight);
  std::unique_ptr<double[]> lColumn(new (std::nothrow) double[static_cast<size_t>(lHeight)]);
  if (!lColumn) return false;
  const long lRowBytes = 4L * lWidth;
  for (int p = 0; p < lWidth; ++p) {
    iValues(p, lColumn.get());
    iAxis.GetPixelColors(lColumn.get(), lHeight, lPixels + 4L * p, lRowBytes);
  }
  return true;
}

}  // namespace

QVTFddColormapAlgoLineair::QVTFddColormapAlgoLineair(CATSamIDoubleVector* iXVector, double iXMinLimit,
                                                     double iXMaxLimit, int iXInterpolate,
                                                     CATSamIDoubleVector* iZVector, double iZMinLimit,
                                                     double iZMaxLimit, int iZInterpolate,
                                                     CATSamIDoubleMatrix* iValues, int iWidth, int iHeight,
                                                     QVTIFddContinuousAxis* iAxis)
    : QVTFddColormapAlgoLineair(iXVector, nullptr, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                                iZMaxLimit, iZInterpolate, iValues, nullptr, iWidth, iHeight, iAxis) {}

QVTFddColormapAlgoLineair::QVTFddColormapAlgoLineair(CATSamIDouble1p5D* iXValues, double iXMinLimit,
                                                     double iXMaxLimit, int iXInterpolate,
                                                     CATSamIDoubleVector* iZVector, double iZMinLimit,
                                                     double iZMaxLimit, int iZInterpolate,
                                                     CATSamIDouble2DDim2NH* iValues, int iWidth, int iHeight,
                                                     QVTIFddContinuousAxis* iAxis)
    : QVTFddColormapAlgoLineair(nullptr, iXValues, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                                iZMaxLimit, iZInterpolate, nullptr, iValues, iWidth, iHeight, iAxis) {}

QVTFddColormapAlgoLineair::QVTFddColormapAlgoLineair(CATSamIDoubleVector* iXVector, CATSamIDouble1p5D* iXValues,
                                                     double iXMinLimit, double iXMaxLimit, int iXInterpolate,
                                                     CATSamIDoubleVector* iZVector, double iZMinLimit,
                                                     double iZMaxLimit, int iZInterpolate,
                                                     CATSamIDoubleMatrix* iValues,
                                                     CATSamIDouble2DDim2NH* iValuesNonHom, int iWidth, int iHeight,
                                                     QVTIFddContinuousAxis* iAxis)
    : _Axis(RefPtr<QVTIFddContinuousAxis>::Hold(iAxis)),
      _XVector(RefPtr<CATSamIDoubleVector>::Hold(iXVector)),
      _XValuesNonHom(RefPtr<CATSamIDouble1p5D>::Hold(iXValues)),
      _ZVector(RefPtr<CATSamIDoubleVector>::Hold(iZVector)),
      _Values(RefPtr<CATSamIDoubleMatrix>::Hold(iValues)),
      _ValuesNonHom(RefPtr<CATSamIDouble2DDim2NH>::Hold(iValuesNonHom)),
      _Prepared(false),
      _XJobs(nullptr),
      _ZJobs(nullptr),
      _Width(iWidth),
      _Height(iHeight),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _Threads(2) {}

QVTFddColormapAlgoLineair::~QVTFddColormapAlgoLineair() {
  delete[] _XJobs;
  delete[] _ZJobs;
  _XJobs = _ZJobs = nullptr;
}

// ---- pixel values -------------------------------------------------------------------------------

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoLineair::CalculatePixelValue(const QVTFddPixelJob& iXJob,
                                                                              const QVTFddPixelJob& iZJob,
                                                                              CATSamIDoubleMatrix* iValues,
                                                                              double& oValue) {
  if (!iValues) return NoValue;
  return sCellValue(iXJob, iZJob, QVTFddMatrixCells(*iValues), oValue);
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoLineair::CalculatePixelValue(const QVTFddPixelJob& iJob,
                                                                              CATSamIDoubleVector* iRow,
                                                                              double& oValue) {
  return QVTFddRowValue(iJob, iRow, oValue) ? ValueFound : NoValue;
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoLineair::CalculateColumnValue(int iXPixel,
                                                                               const QVTFddPixelJob& iZJob,
                                                                               QVTFddDoubleMatrix* iResampled,
                                                                               double& oValue) {
  if (!iResampled) return NoValue;
  const unsigned int p = static_cast<unsigned int>(iXPixel);
  // A NaN cell is a row that has no value at this pixel: the pixel then has none either, whether
  // the row is the first of the job or a later one.
  switch (iZJob._Type) {
    case QVTFddPixelJob::IndexJob: {
      const double w = iResampled->GetValue(p, static_cast<unsigned int>(iZJob._First));
      if (std::isnan(w)) return NoValue;
      oValue = w;
      return ValueFound;
    }
    case QVTFddPixelJob::RangeJob: {
      double lMax = iResampled->GetValue(p, static_cast<unsigned int>(iZJob._First));
      if (std::isnan(lMax)) return NoValue;
      for (int k = iZJob._First + 1; k <= iZJob._Second; ++k) {
        const double w = iResampled->GetValue(p, static_cast<unsigned int>(k));
        if (std::isnan(w)) return NoValue;
        if (w > lMax) lMax = w;
      }
      oValue = lMax;
      return ValueFound;
    }
    case QVTFddPixelJob::InterpolationJob: {
      const double a = iResampled->GetValue(p, static_cast<unsigned int>(iZJob._First));
      const double b = iResampled->GetValue(p, static_cast<unsigned int>(iZJob._Second));
      if (std::isnan(a) || std::isnan(b)) return NoValue;
      oValue = QVTFddInterpolate(a, b, iZJob._Fraction);
      return ValueFound;
    }
    default:
      return NoValue;
  }
}

// ---- shared checks ------------------------------------------------------------------------------

bool QVTFddColormapAlgoLineair::SizeAllowed() const {
  return _Width >= 1 && _Width < kMaxPixels && _Height >= 1 && _Height < kMaxPixels;
}

unsigned int QVTFddColormapAlgoLineair::NonHomRows() const {
  return _ValuesNonHom ? _ValuesNonHom->GetLengthY() : 0u;
}

bool QVTFddColormapAlgoLineair::HomogeneousLengthsAgree(eCaller iCaller) const {
  if (!_XVector || !_ZVector || !_Values) return false;
  if (_XVector->GetLength() != _Values->GetLengthX()) {
    QVTFDD_ASSERTION(kSource, "_Values->GetLengthX() should be equal to _XVector->GetLength()");
    return false;
  }
  if (_ZVector->GetLength() != _Values->GetLengthY()) {
    // The value query has always logged this check in its own words.
    if (iCaller == kImage)
      QVTFDD_ASSERTION(kSource, "_Values->GetLengthY() should be equal to _ZVector->GetLength()");
    else
      QVTFDD_ASSERTION(kSource, "_Values->GetLengthY() != _ZVector->GetLength()");
    return false;
  }
  return true;
}

QVTFddPixelJob* QVTFddColormapAlgoLineair::NewJobs(CATSamIDoubleVector* iVector, double iMinLimit, double iMaxLimit,
                                                  int iInterpolate, int iLength) {
  if (iLength < 1) return nullptr;
  QVTFddPixelJob* lJobs = new (std::nothrow) QVTFddPixelJob[iLength];
  if (lJobs) QVTFddComputePixelJobs(iVector, iMinLimit, iMaxLimit, iInterpolate, lJobs, iLength);
  return lJobs;
}

// ---- images -------------------------------------------------------------------------------------

CATPixelImage QVTFddColormapAlgoLineair::MakeBitmap() {
  const bool lReady = Prepare(kImage);
  const bool lHomogeneous = lReady && _XJobs && _Values;
  // One image object whatever the outcome, so that it is returned without a copy of its pixels;
  // a size of 0 leaves it empty. The homogeneous fill copies every pixel from its own tile, so
  // that image need not be cleared first.
  CATPixelImage lImage = lHomogeneous ? CATPixelImage(_Width, _Height, 3, CATPixelImage::Unset)
                                      : CATPixelImage(lReady ? _Width : 0, lReady ? _Height : 0, 3);
  // An exhausted heap leaves no half-coloured image.
  if (lReady && !(lHomogeneous ? FillHomogeneous(lImage) : FillNonHom(lImage))) lImage = CATPixelImage(0, 0, 3);
  return lImage;
}

bool QVTFddColormapAlgoLineair::FillHomogeneous(CATPixelImage& ioImage) {
  unsigned char* lPixels = ioImage.GetPixelsToModify();
  if (!lPixels) return true;
  // The jobs are read through locals: the loops then need not reload them at every pixel.
  const QVTFddPixelJob* lXJobs = _XJobs;
  const QVTFddPixelJob* lZJobs = _ZJobs;
  const int lWidth = _Width, lHeight = _Height;
  int lFirst = 0, lLast = 0;
  sZSpan(lZJobs, lHeight, lFirst, lLast);
  const size_t lSpan = lLast >= lFirst ? static_cast<size_t>(lLast - lFirst) + 1 : 0;
  const size_t lColumn = static_cast<size_t>(lHeight);
  const int lTiles = (lWidth + kTile - 1) / kTile;
  // The cells are read in place when the matrix holds them in memory.
  const QVTFddMatrixCells lCells(*_Values);
  // A second thread computes pixel values only where every cell lies in memory: it then touches
  // no host object. Its tiles' values wait in slots until they are coloured.
  const bool lShared = _Threads > 1 && lCells.InMemory() && lTiles > 1 && std::thread::hardware_concurrency() > 1;
  // Tiles whose values wait to be coloured: the second thread runs that many tiles ahead.
  const int lSlots = lShared ? 8 : 1;
  // For a tile of columns: their cells reduced along X (a column of lSpan each, one set per
  // thread), their pixel values and their pixels (both image row after image row; the values one
  // set per slot).
  const size_t lReducedSize = std::max<size_t>(lSpan, 1) * kTile, lValuesSize = lColumn * kTile;
  std::unique_ptr<double[]> lReduced(new (std::nothrow) double[lReducedSize * (lShared ? 2 : 1)]);
  std::unique_ptr<double[]> lValues(new (std::nothrow) double[lValuesSize * lSlots]);
  // The tile starts cleared: an axis that skipped a pixel would leave zeros, never stale heap bytes.
  std::unique_ptr<unsigned char[]> lTile(new (std::nothrow) unsigned char[lColumn * kTile * 4]());
  if (!lReduced || !lValues || !lTile) return false;
  // Each thread reduces into its own part of lReduced.
  QVTFddRunAhead<double*, true> lWork(lSlots);
  lWork.Scratch(0) = lReduced.get();
  lWork.Scratch(1) = lReduced.get() + (lShared ? lReducedSize : 0);
  const bool lStarted = lWork.Start(lTiles, lShared ? 2 : 1, [&](int t, int iSlot, double*& ioReduced) {
    const int p = t * kTile, n = std::min(kTile, lWidth - p);
    double* lTileValues = lValues.get() + lValuesSize * iSlot;
    if (lSpan) sReduceTile(lXJobs + p, n, lCells, lFirst, lLast, ioReduced);
    sZStepTile(lXJobs + p, n, lZJobs, lHeight, ioReduced, lSpan, lFirst, lCells, lTileValues);
  });
  if (!lStarted) return false;
  const size_t lRowBytes = 4 * static_cast<size_t>(lWidth);
  for (int t = 0; t < lTiles; ++t) {
    const double* lTileValues = lValues.get() + lValuesSize * lWork.Take(t);
    const int p = t * kTile, n = std::min(kTile, lWidth - p);
    _Axis->GetPixelColors(lTileValues, lHeight * n, lTile.get(), 4);
    // A whole tile's row is copied with a constant size, which compiles to a few moves.
    for (int r = 0; r < lHeight; ++r) {
      unsigned char* lTo = lPixels + r * lRowBytes + 4 * size_t(p);
      const unsigned char* lFrom = lTile.get() + size_t(r) * n * 4;
      if (n == kTile)
        std::memcpy(lTo, lFrom, 4 * kTile);
      else
        std::memcpy(lTo, lFrom, 4 * size_t(n));
    }
    lWork.Release(t);
  }
  return true;
}

bool QVTFddColormapAlgoLineair::FillNonHom(CATPixelImage& ioImage) {
  const QVTFddPixelJob* lZJobs = _ZJobs;
  QVTFddDoubleMatrix* lResampled = _ValuesResampled.Get();
  return sFillByColumns(ioImage, *_Axis, [&](int p, double* oColumn) {
    for (int r = 0; r < _Height; ++r) {
      double lValue = 0.0;
      const bool lFound = CalculateColumnValue(p, lZJobs[r], lResampled, lValue) == ValueFound;
      oColumn[r] = lFound ? lValue : QVTFddDoubleNaN;
    }
  });
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoLineair::PixelValue(int iXPixel, int iZPixel, double& oValue) {
  if (_XJobs) return CalculatePixelValue(_XJobs[iXPixel], _ZJobs[iZPixel], _Values.Get(), oValue);
  return CalculateColumnValue(iXPixel, _ZJobs[iZPixel], _ValuesResampled.Get(), oValue);
}

bool QVTFddColormapAlgoLineair::Prepare(eCaller iCaller) {
  // Data that were refused are checked again at every call, so that each call logs why it fails.
  if (!_Prepared) {
    const bool lHomogeneous = _Values && !_ValuesNonHom;
    const bool lNonHom = _ValuesNonHom && !_Values;
    _Prepared = lHomogeneous ? PrepareHomogeneous(iCaller) : (lNonHom && PrepareNonHom());
  }
  return _Prepared;
}

bool QVTFddColormapAlgoLineair::PrepareHomogeneous(eCaller iCaller) {
  if (!HomogeneousLengthsAgree(iCaller) || !SizeAllowed() || !_Axis) return false;
  // An exhausted heap refuses nothing for good: the next call tries again.
  if (!_XJobs) _XJobs = NewJobs(_XVector.Get(), _XMinLimit, _XMaxLimit, _XInterpolate, _Width);
  if (!_ZJobs) _ZJobs = NewJobs(_ZVector.Get(), _ZMinLimit, _ZMaxLimit, _ZInterpolate, _Height);
  return _XJobs && _ZJobs;
}

bool QVTFddColormapAlgoLineair::PrepareNonHom() {
  if (!_XValuesNonHom || !_ZVector || !_Axis || !SizeAllowed() ||
      NonHomRows() >= static_cast<unsigned int>(kMaxPixels))
    return false;
  // Resampled once: later calls find the rows kept.
  ResampleNonHom();
  if (_ZVector->GetLength() != NonHomRows()) {
    QVTFDD_ASSERTION(kSource, "_ValuesNonHom->GetLengthY() == _ZVector->GetLength()");
    return false;
  }
  if (!_ZJobs) _ZJobs = NewJobs(_ZVector.Get(), _ZMinLimit, _ZMaxLimit, _ZInterpolate, _Height);
  return _ValuesResampled && _ZJobs;
}

void QVTFddColormapAlgoLineair::ResampleNonHom() {
  if (_ValuesResampled || !_ValuesNonHom || !_XValuesNonHom) return;
  if (_Width < 1 || _Width >= kMaxPixels) return;
  const unsigned int n = NonHomRows();
  if (n >= static_cast<unsigned int>(kMaxPixels)) return;
  _ValuesResampled = RefPtr<QVTFddDoubleMatrix>(
      new QVTFddDoubleMatrix(static_cast<unsigned int>(_Width), n, CATUnicodeString(), CATSamPhysicalTypeNone));
  if (!_ValuesResampled) return;
  std::unique_ptr<QVTFddPixelJob[]> lJobs(new (std::nothrow) QVTFddPixelJob[_Width]);
  if (!lJobs) return;
  for (unsigned int j = 0; j < n; ++j) {
    const RefPtr<CATSamIDoubleVector> lResult(_ValuesNonHom->GetRow(j));
    const RefPtr<CATSamIDoubleVector> lArgument(_XValuesNonHom->GetXVector(j));
    if (lResult && lArgument) {
      if (lResult->GetLength() != lArgument->GetLength()) {
        // The row keeps the NaN of the new matrix: it shows no value.
        QVTFDD_ASSERTION(kSource, "pResult->GetLength() == pArgument->GetLength()");
      } else {
        for (int p = 0; p < _Width; ++p) lJobs[p] = QVTFddPixelJob();
        QVTFddComputePixelJobs(lArgument.Get(), _XMinLimit, _XMaxLimit, _XInterpolate, lJobs.get(), _Width);
        for (int p = 0; p < _Width; ++p) {
          double lValue = 0.0;
          const bool lFound = CalculatePixelValue(lJobs[p], lResult.Get(), lValue) == ValueFound;
          _ValuesResampled->SetValue(static_cast<unsigned int>(p), j, lFound ? lValue : QVTFddDoubleNaN);
        }
      }
    }
  }
}

// ---- values -------------------------------------------------------------------------------------

long QVTFddColormapAlgoLineair::GetValue(double iX, double iZ, double& oValue) {
  if (!Prepare(kValue)) return E_FAIL;
  if (!sInside(iX, _XMinLimit, _XMaxLimit) || !sInside(iZ, _ZMinLimit, _ZMaxLimit)) return E_FAIL;
  const int xp = QVTFddValueToPixel(iX, _XMinLimit, _XMaxLimit, _Width);
  const int zp = QVTFddValueToPixel(iZ, _ZMinLimit, _ZMaxLimit, _Height);
  // Equal limits put the point on no pixel: nothing is read outside the jobs.
  if (xp < 0 || xp >= _Width || zp < 0 || zp >= _Height) return E_FAIL;
  double lValue = 0.0;
  if (PixelValue(xp, zp, lValue) != ValueFound) return E_FAIL;
  oValue = lValue;
  return S_OK;
}
