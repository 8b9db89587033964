#include "QVTFddColormapAlgoOrderBase.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "CATSamIDoubleVector.h"
#include "HostTypes.h"
#include "QVTFddConstants.h"
#include "QVTFddMathSaturateToInt.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderTable.h"
#include "QVTFddProgressBar.h"
#include "QVTIFddContinuousAxis.h"
#include "QVTIFddScaling.h"

namespace {

// Images are limited to below this many pixels in each direction.
constexpr int kMaxPixels = 2000;
// Values are read from vectors in chunks of this many.
constexpr unsigned int kChunk = 1024;

}  // namespace

QVTFddColormapAlgoOrderBase::QVTFddColormapAlgoOrderBase(double iXMinLimit, double iXMaxLimit, int iXInterpolate,
                                                         double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                                         int iWidth, int iHeight, QVTIFddScaling* iXScaling,
                                                         QVTIFddScaling* iZScaling, double iOrderTolerance)
    : _Axis(nullptr),
      _ZVector(nullptr),
      _Width(iWidth),
      _Height(iHeight),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _Orders(new (std::nothrow) QVTFddOrderTable()),
      _OrderTolerance(iOrderTolerance),
      _XScaling(iXScaling),
      _ZScaling(iZScaling) {
  if (_XScaling) _XScaling->AddRef();
  if (_ZScaling) _ZScaling->AddRef();
}

QVTFddColormapAlgoOrderBase::~QVTFddColormapAlgoOrderBase() {
  ReleaseZVector();
  delete _Orders;
  _Orders = nullptr;
  if (_XScaling) _XScaling->Release();
  if (_ZScaling) _ZScaling->Release();
  if (_Axis) _Axis->Release();
  _XScaling = _ZScaling = nullptr;
  _Axis = nullptr;
}

void QVTFddColormapAlgoOrderBase::HoldZVector(CATSamIDoubleVector* iZVector) {
  _ZVector = iZVector;
  if (_ZVector) _ZVector->AddRef();
}

void QVTFddColormapAlgoOrderBase::HoldAxis(QVTIFddContinuousAxis* iAxis) {
  _Axis = iAxis;
  if (_Axis) _Axis->AddRef();
}

void QVTFddColormapAlgoOrderBase::ReleaseZVector() {
  if (_ZVector) _ZVector->Release();
  _ZVector = nullptr;
}

int QVTFddColormapAlgoOrderBase::GetOrderCount() const { return _Orders ? _Orders->GetCount() : 0; }

void QVTFddColormapAlgoOrderBase::BuildOrders() {
  if (!_Orders || !_XScaling || !_ZScaling || !_ZVector || !HasData()) return;
  AddOrders();
  _Orders->Finish();
}

int QVTFddColormapAlgoOrderBase::Reserve(long long iCount) { return _Orders && _Orders->Reserve(iCount); }

double QVTFddColormapAlgoOrderBase::ConvertX(double iX) const { return _XScaling->Convert(iX); }

void QVTFddColormapAlgoOrderBase::AddRow(int iZIndex, double iZ, const double* iX, const double* iXScaled,
                                         int iCount) {
  const double lZScaled = _ZScaling->Convert(iZ);
  for (int i = 0; i < iCount; ++i) {
    const double lXScaled = iXScaled ? iXScaled[i] : ConvertX(iX[i]);
    _Orders->Add(lXScaled / lZScaled, iX[i], iZ, i, iZIndex);
  }
}

void QVTFddColormapAlgoOrderBase::ReadAll(const CATSamIDoubleVector* iVector, double* oValues, unsigned int iCount) {
  unsigned int lDone = 0;
  while (lDone < iCount) {
    const unsigned int lWant = iCount - lDone < kChunk ? iCount - lDone : kChunk;
    const unsigned int lGot = iVector->GetValues(lDone, lWant, oValues + lDone);
    lDone += lGot < lWant ? lGot : lWant;
    if (lGot < lWant) break;
  }
  for (; lDone < iCount; ++lDone) oValues[lDone] = QVTFddDoubleNaN;
}

double QVTFddColormapAlgoOrderBase::PixelPosition(int iPixel, double iMinLimit, double iMaxLimit, int iLength) {
  // In double: the share iPixel / iLength is a fraction, not an integer quotient.
  return iMinLimit + (static_cast<double>(iPixel) / static_cast<double>(iLength)) * (iMaxLimit - iMinLimit);
}

int QVTFddColormapAlgoOrderBase::ValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength) const {
  const int lIntResult =
      QVTFddMathSaturateToInt((iValue - iMinLimit) * (static_cast<double>(iLength) - 1.0) / (iMaxLimit - iMinLimit) + 0.5);
  if (iValue == iMinLimit && lIntResult != 0) QVTFDD_ASSERTION(SourceName(), "lIntResult != 0");
  if (iValue == iMaxLimit && lIntResult != static_cast<long long>(iLength) - 1)
    QVTFDD_ASSERTION(SourceName(), "lIntResult != iLength-1");
  return lIntResult;
}

QVTFddColormapAlgo::eValueType QVTFddColormapAlgoOrderBase::CalculateValue(double iX, double iZ, double iXScaled,
                                                                           double iZScaled, double& oValue) const {
  if (!_Orders) return NoValue;
  const double lOrder = iXScaled / iZScaled;
  const double lLow = (1.0 - _OrderTolerance) * lOrder, lHigh = (1.0 + _OrderTolerance) * lOrder;
  // A pixel whose order or band is not a number (0 / 0 at the origin, a NaN tolerance) has no
  // value; FindBand refuses NaN limits, and a negative order has lLow > lHigh: no entry.
  int lFirst = 0, lLast = -1;
  if (std::isnan(lOrder) || !_Orders->FindBand(lLow, lHigh, lFirst, lLast)) return NoValue;

  int lInner = -1, lOuter = -1;
  double lInnerD = 0.0, lOuterD = 0.0;
  _Orders->FindNeighbours(lFirst, lLast, iX, iZ, lInner, lInnerD, lOuter, lOuterD);
  if (lInner < 0 && lOuter < 0) return NoValue;
  // A band with samples on one side only shows the nearest of them.
  if (lInner < 0) {
    lInner = lOuter;
    lInnerD = lOuterD;
  }
  if (lOuter < 0) {
    lOuter = lInner;
    lOuterD = lInnerD;
  }
  const double lInnerValue = SampleValue(_Orders->GetEntry(lInner));
  if (lInner == lOuter) {
    oValue = lInnerValue;
    return ValueFound;
  }
  const double lOuterValue = SampleValue(_Orders->GetEntry(lOuter));
  const double lDIn = std::sqrt(lInnerD), lDOut = std::sqrt(lOuterD), s = lDIn + lDOut;
  // Each value weighs with the other's distance, so that the nearer sample counts more and a
  // pixel on a sample shows that sample's value; two samples on the pixel count alike.
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
  if (!_Axis || !_ZVector || !_XScaling || !_ZScaling || !_Orders || !HasData()) return CATPixelImage();
  if (!CheckData()) return CATPixelImage();
  if (_Width >= kMaxPixels || _Height >= kMaxPixels) return CATPixelImage();
  CATPixelImage lImage(_Width, _Height, 3);
  unsigned char* lPixels = lImage.GetPixelsToModify();
  if (!lPixels) return lImage;

  // Positions and converted positions of every column and row, computed once.
  std::unique_ptr<double[]> lColumns(new (std::nothrow) double[2 * static_cast<size_t>(_Width)]);
  std::unique_ptr<double[]> lRows(new (std::nothrow) double[2 * static_cast<size_t>(_Height)]);
  if (!lColumns || !lRows) return CATPixelImage();
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
  const size_t lRowBytes = 4 * static_cast<size_t>(_Width);
  for (int r = 0; r < _Height; ++r) {
    if (lDialog) lDialog->SetPos(r);
    unsigned char* lRow = lPixels + static_cast<size_t>(r) * lRowBytes;
    for (int p = 0; p < _Width; ++p) {
      double lValue = 0.0;
      const eValueType lType = CalculateValue(lColumns[2 * p], lRows[2 * r], lColumns[2 * p + 1], lRows[2 * r + 1], lValue);
      Colour(lType, lValue, lRow + 4 * static_cast<size_t>(p));
    }
    if (lDialog && lDialog->IsCancelled()) {
      // The rows not computed are transparent.
      std::memset(lRow + lRowBytes, 0, static_cast<size_t>(_Height - 1 - r) * lRowBytes);
      break;
    }
  }
  if (lDialog) lDialog->RequestDelayedDestruction();
  return lImage;
}

long QVTFddColormapAlgoOrderBase::GetValue(double iX, double iZ, double& oValue) {
  if (!_XScaling || !_ZScaling || !HasData()) return E_FAIL;
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
