#include "QVTFddColormapAlgoOrderBase.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <thread>

#include "CATSamIDoubleVector.h"
#include "HostTypes.h"
#include "QVTFddConstants.h"
#include "QVTFddMathSaturateToInt.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderHints.h"
#include "QVTFddOrderPoint.h"
#include "QVTFddOrderTable.h"
#include "QVTFddComputePixelJobs.h"
#include "QVTFddProgressBar.h"
#include "QVTFddRowValue.h"
#include "QVTFddRunAhead.h"
#include "QVTIFddContinuousAxis.h"
#include "QVTIFddScaling.h"

namespace {

// Images are limited to below this many pixels in each direction.
constexpr int kMaxPixels = 2000;

}  // namespace

QVTFddColormapAlgoOrderBase::QVTFddColormapAlgoOrderBase(double iXMinLimit, double iXMaxLimit, int iXInterpolate,
                                                         double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                                         int iWidth, int iHeight, QVTIFddScaling* iXScaling,
                                                         QVTIFddScaling* iZScaling, double iOrderTolerance)
    : _Width(iWidth),
      _Height(iHeight),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _Orders(new (std::nothrow) QVTFddOrderTable(iXScaling)),
      _OutOfMemory(0),
      _OrderTolerance(iOrderTolerance),
      _Threads(2),
      _XScaling(RefPtr<QVTIFddScaling>::Hold(iXScaling)),
      _ZScaling(RefPtr<QVTIFddScaling>::Hold(iZScaling)),
      _DirectValues(nullptr),
      _StrideX(0),
      _StrideZ(0) {
  if (!_Orders) _OutOfMemory = 1;
}

QVTFddColormapAlgoOrderBase::~QVTFddColormapAlgoOrderBase() {
  delete _Orders;
  _Orders = nullptr;
}

void QVTFddColormapAlgoOrderBase::HoldZVector(CATSamIDoubleVector* iZVector) {
  _ZVector = RefPtr<CATSamIDoubleVector>::Hold(iZVector);
}

void QVTFddColormapAlgoOrderBase::HoldAxis(QVTIFddContinuousAxis* iAxis) {
  _Axis = RefPtr<QVTIFddContinuousAxis>::Hold(iAxis);
}

int QVTFddColormapAlgoOrderBase::GetOrderCount() const {
  const long long lCount = _Orders ? _Orders->GetCount() : 0;
  return lCount > INT_MAX ? INT_MAX : static_cast<int>(lCount);
}

long long QVTFddColormapAlgoOrderBase::EstimateBytes(long long iLengthX, long long iLengthZ, int iWidth,
                                                     int iHeight) {
  // A row vector of non-homogeneous data is a small object of its own.
  constexpr long long kRowVector = 64;
  const long long lImage = 4LL * iWidth * iHeight;
  const long long lPositions = 2LL * static_cast<long long>(sizeof(double)) * (iWidth + iHeight);
  // The search hints of two threads; the rows they compute ahead (at most 17 rows of 2000 values
  // and flags, 300 kB) are within the estimate's rounding.
  const long long lHints = 2 * QVTFddOrderHints::BytesPerRow() * (iLengthZ + 1);
  return QVTFddOrderTable::EstimateBytes(iLengthX, iLengthZ) + kRowVector * iLengthZ + 2 * lImage + lPositions +
         lHints + static_cast<long long>(sizeof(QVTFddOrderTable));
}

void QVTFddColormapAlgoOrderBase::OutOfMemory() {
  if (!_OutOfMemory) QVTFDD_ASSERTION(SourceName(), "order map: out of memory");
  _OutOfMemory = 1;
}

void QVTFddColormapAlgoOrderBase::BuildOrders() {
  if (!_Orders) {
    OutOfMemory();
    return;
  }
  if (!_XScaling || !_ZScaling || !_ZVector || !HasData()) return;
  if (!AddOrders() || !_Orders->Finish()) OutOfMemory();
}

double QVTFddColormapAlgoOrderBase::ConvertZ(double iZ) const { return _ZScaling->Convert(iZ); }

void QVTFddColormapAlgoOrderBase::SetDirectValues(const double* iValues, unsigned long long iStrideX,
                                                  unsigned long long iStrideZ) {
  _DirectValues = iValues;
  _StrideX = iStrideX;
  _StrideZ = iStrideZ;
}

double QVTFddColormapAlgoOrderBase::PixelPosition(int iPixel, double iMinLimit, double iMaxLimit, int iLength) {
  // In double: the share iPixel / iLength is a fraction, not an integer quotient.
  const double lShare = static_cast<double>(iPixel) / static_cast<double>(iLength);
  const double lPosition = iMinLimit + lShare * (iMaxLimit - iMinLimit);
  if (std::isfinite(lPosition) || !std::isfinite(iMinLimit) || !std::isfinite(iMaxLimit)) return lPosition;
  // Limits at the ends of the doubles: the span overflows, its half does not.
  const double lHalf = lShare * (0.5 * iMaxLimit - 0.5 * iMinLimit);
  return (iMinLimit + lHalf) + lHalf;
}

int QVTFddColormapAlgoOrderBase::ValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength) const {
  const int lIntResult = QVTFddMathSaturateToInt(QVTFddPixelPosition(iValue, iMinLimit, iMaxLimit, iLength) + 0.5);
  if (iValue == iMinLimit && lIntResult != 0) QVTFDD_ASSERTION(SourceName(), "lIntResult != 0");
  if (iValue == iMaxLimit && lIntResult != static_cast<long long>(iLength) - 1)
    QVTFDD_ASSERTION(SourceName(), "lIntResult != iLength-1");
  return lIntResult;
}

inline double QVTFddColormapAlgoOrderBase::PointValue(const QVTFddOrderPoint& iPoint) const {
  const double lFirst = Value(iPoint._ZIndex, iPoint._First);
  // A point on a sample shows that sample's value, whatever its neighbour holds.
  if (iPoint._Fraction == 0.0) return lFirst;
  return QVTFddInterpolate(lFirst, Value(iPoint._ZIndex, iPoint._Second), iPoint._Fraction);
}

inline QVTFddColormapAlgo::eValueType QVTFddColormapAlgoOrderBase::CalculateValue(
    double iX, double iZ, double iXScaled, double iZScaled, double& oValue, const QVTFddOrderHints* ioHints) const {
  if (!_Orders || _OutOfMemory) return NoValue;
  const double lOrder = iXScaled / iZScaled;
  const double lLow = (1.0 - _OrderTolerance) * lOrder, lHigh = (1.0 + _OrderTolerance) * lOrder;
  // A pixel whose order or band is not a number (0 / 0 at the origin, a NaN tolerance) has no
  // value, nor has a negative order (lLow > lHigh).
  QVTFddOrderPoint lInner, lOuter;
  if (!_Orders->FindPoints(lOrder, lLow, lHigh, iX, iZ, lInner, lOuter, ioHints)) return NoValue;
  const double lInnerValue = PointValue(lInner);
  // One row on both sides (or one side only): its value.
  if (lInner == lOuter) {
    oValue = lInnerValue;
    return ValueFound;
  }
  const double lOuterValue = PointValue(lOuter);
  const double lDIn = std::sqrt(lInner._Dist2), lDOut = std::sqrt(lOuter._Dist2), s = lDIn + lDOut;
  // Each value weighs with the other's distance, so that the nearer row counts more and a pixel
  // on a row shows that row's value; two rows at the pixel count alike.
  if (s == 0.0)
    oValue = 0.5 * (lInnerValue + lOuterValue);
  else
    oValue = lInnerValue * (lDOut / s) + lOuterValue * (lDIn / s);
  return ValueFound;
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoOrderBase::CalculateOrderValue(int iXPixel, int iZPixel,
                                                                                double& oValue) const {
  const double x = PixelPosition(iXPixel, _XMinLimit, _XMaxLimit, _Width);
  const double z = PixelPosition(iZPixel, _ZMinLimit, _ZMaxLimit, _Height);
  return CalculateValue(x, z, _XScaling->Convert(x), _ZScaling->Convert(z), oValue);
}

void QVTFddColormapAlgoOrderBase::Colour(eValueType iType, double iValue, unsigned char* oPixel) const {
  if (iType != ValueFound) {
    oPixel[0] = oPixel[1] = oPixel[2] = oPixel[3] = 0;
    return;
  }
  // A NaN value goes to the colour scale like any other: its colour is the scale's choice.
  int lRed = 0, lGreen = 0, lBlue = 0;
  _Axis->GetColor(iValue, 0.0, lRed, lGreen, lBlue);
  oPixel[0] = static_cast<unsigned char>(lRed & 0xFF);
  oPixel[1] = static_cast<unsigned char>(lGreen & 0xFF);
  oPixel[2] = static_cast<unsigned char>(lBlue & 0xFF);
  oPixel[3] = 255;
}

CATPixelImage QVTFddColormapAlgoOrderBase::MakeBitmap() {
  if (!_Axis || !_ZVector || !_XScaling || !_ZScaling || !_Orders || !HasData() || _OutOfMemory)
    return CATPixelImage();
  if (!CheckData()) return CATPixelImage();
  if (_Width >= kMaxPixels || _Height >= kMaxPixels) return CATPixelImage();
  if (_Width <= 0 || _Height <= 0) return CATPixelImage();
  CATPixelImage lImage(_Width, _Height, 3);
  unsigned char* lPixels = lImage.GetPixelsToModify();
  // Positions and converted positions of every column and row, computed once.
  std::unique_ptr<double[]> lColumns(new (std::nothrow) double[2 * static_cast<size_t>(_Width)]);
  std::unique_ptr<double[]> lRows(new (std::nothrow) double[2 * static_cast<size_t>(_Height)]);
  if (!lPixels || !lColumns || !lRows) {
    QVTFDD_ASSERTION(SourceName(), "order map: out of memory");
    return CATPixelImage();
  }
  for (int p = 0; p < _Width; ++p) {
    lColumns[2 * p] = PixelPosition(p, _XMinLimit, _XMaxLimit, _Width);
    lColumns[2 * p + 1] = _XScaling->Convert(lColumns[2 * p]);
  }
  for (int r = 0; r < _Height; ++r) {
    lRows[2 * r] = PixelPosition(r, _ZMinLimit, _ZMaxLimit, _Height);
    lRows[2 * r + 1] = _ZScaling->Convert(lRows[2 * r]);
  }

  // Without a main window there is no dialog: the image is computed whole, without cancel.
  QVTFddProgressBar* lDialog = QVTFddProgressBar::HasMainWindow() ? new QVTFddProgressBar() : nullptr;
  if (lDialog) {
    lDialog->SetVisibility(2);
    lDialog->Build();
    lDialog->SetRange(0, _Height - 1);
  }
  // Each image row's values (NaN: no value) and whether each pixel has one, computed on two
  // threads; this one alone colours them (one call per row), moves the progress and reads cancel.
  // One reference captured: the function object holds it without allocating.
  struct {
    const QVTFddColormapAlgoOrderBase* Algo;
    const double* Columns;
    const double* Rows;
  } lJob = {this, lColumns.get(), lRows.get()};
  // Rows the second thread may run ahead of this one, and a spare slot: the caller never waits, it
  // computes a row the other thread holds into the spare. The slots are made before the queue, so
  // that they outlive its thread, which may still be writing one when the image is done.
  constexpr int kRowSlots = 16;
  const size_t lSlotValues = static_cast<size_t>(kRowSlots + 1) * static_cast<size_t>(_Width);
  std::unique_ptr<double[]> lValues(new (std::nothrow) double[lSlotValues]);
  std::unique_ptr<unsigned char[]> lFound(new (std::nothrow) unsigned char[lSlotValues]);
  QVTFddRunAhead<QVTFddOrderHints, false> lQueue(kRowSlots);
  auto lCompute = [&lJob, &lValues, &lFound](int r, int iSlot, QVTFddOrderHints& ioHints) {
    const double* c = lJob.Columns;
    const size_t lOffset = static_cast<size_t>(iSlot) * static_cast<size_t>(lJob.Algo->_Width);
    double* oValues = lValues.get() + lOffset;
    unsigned char* oFound = lFound.get() + lOffset;
    for (int p = 0; p < lJob.Algo->_Width; ++p) {
      double lValue = 0.0;
      const eValueType lType =
          lJob.Algo->CalculateValue(c[2 * p], lJob.Rows[2 * r], c[2 * p + 1], lJob.Rows[2 * r + 1], lValue, &ioHints);
      oFound[p] = lType == ValueFound;
      oValues[p] = oFound[p] ? lValue : std::numeric_limits<double>::quiet_NaN();
    }
  };
  // Without room for the hints every search starts afresh: the same values, only slower.
  const int lTableRows = _Orders->GetRowCount();
  lQueue.Scratch(0).Reserve(lTableRows);
  const bool lTwo = _Threads > 1 && ReadsMemoryOnly() && std::thread::hardware_concurrency() > 1 &&
                    lQueue.Scratch(1).Reserve(lTableRows);
  if (!lValues || !lFound || !lQueue.Start(_Height, lTwo ? 2 : 1, lCompute)) {
    QVTFDD_ASSERTION(SourceName(), "order map: out of memory");
    if (lDialog) lDialog->RequestDelayedDestruction();
    return CATPixelImage();
  }
  const size_t lRowBytes = 4 * static_cast<size_t>(_Width);
  for (int r = 0; r < _Height; ++r) {
    if (lDialog) lDialog->SetPos(r);
    unsigned char* lRow = lPixels + static_cast<size_t>(r) * lRowBytes;
    const size_t lOffset = static_cast<size_t>(lQueue.Take(r)) * static_cast<size_t>(_Width);
    const double* lRowValues = lValues.get() + lOffset;
    const unsigned char* lRowFound = lFound.get() + lOffset;
    _Axis->GetPixelColors(lRowValues, _Width, lRow, 4);
    // A value that is not a number goes to the scale like any other: its colour is the scale's.
    for (int p = 0; p < _Width; ++p)
      if (lRowFound[p] && std::isnan(lRowValues[p]))
        Colour(ValueFound, lRowValues[p], lRow + 4 * static_cast<size_t>(p));
    lQueue.Release(r);
    if (lDialog && lDialog->IsCancelled()) {
      lQueue.Stop();
      // The rows not computed are transparent.
      std::memset(lRow + lRowBytes, 0, static_cast<size_t>(_Height - 1 - r) * lRowBytes);
      break;
    }
  }
  if (lDialog) lDialog->RequestDelayedDestruction();
  return lImage;
}

long QVTFddColormapAlgoOrderBase::GetValue(double iX, double iZ, double& oValue) {
  if (!_XScaling || !_ZScaling || !HasData() || _OutOfMemory) return E_FAIL;
  if (!(_XMinLimit <= iX && iX <= _XMaxLimit && _ZMinLimit <= iZ && iZ <= _ZMaxLimit)) return E_FAIL;
  const int p = ValueToPixel(iX, _XMinLimit, _XMaxLimit, _Width);
  const int r = ValueToPixel(iZ, _ZMinLimit, _ZMaxLimit, _Height);
  // Equal limits or an image without pixels put the point on no pixel.
  if (p < 0 || p >= _Width || r < 0 || r >= _Height) return E_FAIL;
  double lValue = 0.0;
  if (CalculateOrderValue(p, r, lValue) != ValueFound) return E_FAIL;
  oValue = lValue;
  return S_OK;
}
