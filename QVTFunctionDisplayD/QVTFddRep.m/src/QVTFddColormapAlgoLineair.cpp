#include "QVTFddColormapAlgoLineair.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

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
#include "QVTFddLinearTile.h"
#include "QVTFddRowValue.h"
#include "QVTFddRunAhead.h"
#include "QVTIFddContinuousAxis.h"

namespace {

constexpr int kTile = QVTFddLinearTile::kTile;
constexpr const char* kSource = "QVTFddColormapAlgoLineair";

inline bool sInside(double iValue, double iMin, double iMax) { return iMin <= iValue && iValue <= iMax; }


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
  QVTFddLinearTile::ZSpan(lZJobs, lHeight, lFirst, lLast);
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
    if (lSpan) QVTFddLinearTile::Reduce(lXJobs + p, n, lCells, lFirst, lLast, ioReduced);
    QVTFddLinearTile::Values(lXJobs + p, n, lZJobs, lHeight, ioReduced, lSpan, lFirst, lCells, lTileValues);
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
  if (_XJobs) return TileValue(_XJobs[iXPixel], _ZJobs[iZPixel], oValue);
  return CalculateColumnValue(iXPixel, _ZJobs[iZPixel], _ValuesResampled.Get(), oValue);
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoLineair::TileValue(const QVTFddPixelJob& iXJob,
                                                                    const QVTFddPixelJob& iZJob, double& oValue) {
  if (!QVTFddLinearTile::Valued(iXJob) || !QVTFddLinearTile::Valued(iZJob)) return NoValue;
  // The image's own computation on a tile of one pixel: the value shown is the value answered.
  int lFirst = 0, lLast = 0;
  QVTFddLinearTile::ZSpan(&iZJob, 1, lFirst, lLast);
  const size_t lSpan = static_cast<size_t>(lLast - lFirst) + 1;
  // A pixel's few cells fit on the stack: a probe that follows the mouse allocates nothing.
  double lLocal[64];
  std::unique_ptr<double[]> lHeap(lSpan > 64 ? new (std::nothrow) double[lSpan] : nullptr);
  double* lReduced = lSpan > 64 ? lHeap.get() : lLocal;
  if (!lReduced) return NoValue;
  const QVTFddMatrixCells lCells(*_Values);
  QVTFddLinearTile::Reduce(&iXJob, 1, lCells, lFirst, lLast, lReduced);
  QVTFddLinearTile::Values(&iXJob, 1, &iZJob, 1, lReduced, lSpan, lFirst, lCells, &oValue);
  return ValueFound;
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
