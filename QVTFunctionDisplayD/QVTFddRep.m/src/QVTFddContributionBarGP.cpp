#include "QVTFddContributionBarGP.h"

#include <cmath>
#include <new>

#include "CAT2DRep.h"
#include "CAT2DViewpoint.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "CATPixelImage.h"
#include "CATRender.h"
#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "QVTFddMathSaturateToInt.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddContinuousAxis.h"

QVTFDD_META_IMPLEMENT(QVTFddContributionBarGP, CAT2DRep)

namespace {

constexpr int kMaxPixels = QVTFddContributionAlgoLineair::kMaxPixels;

// A pixel extent as an int: truncated toward zero; huge, infinite or NaN extents count as the
// size limit (not drawn).
int sExtent(double iPixels) {
  const double lPixels = std::fabs(iPixels);
  return lPixels < kMaxPixels ? QVTFddMathSaturateToInt(lPixels) : kMaxPixels;
}

}  // namespace

QVTFddContributionBarGP::QVTFddContributionBarGP(const CATMathBox2D& iBox, eBarDirection iDirection,
                                                 const CATSamIDoubleVector* iArgVector, double iMinLimit,
                                                 double iMaxLimit, const CATSamIDoubleVector* iResVector,
                                                 QVTIFddContinuousAxis* iAxis)
    : _Box(iBox),
      _Direction(iDirection),
      _ArgVector(iArgVector),
      _ResVector(iResVector),
      _MinLimit(iMinLimit),
      _MaxLimit(iMaxLimit),
      _Axis(iAxis),
      _Image(nullptr),
      _Algorithm(nullptr),
      _Busy(0),
      _ImageWidth(0),
      _ImageHeight(0) {
  if (_ArgVector) const_cast<CATSamIDoubleVector*>(_ArgVector)->AddRef();
  if (_ResVector) const_cast<CATSamIDoubleVector*>(_ResVector)->AddRef();
  if (_Axis) _Axis->AddRef();
}

QVTFddContributionBarGP::QVTFddContributionBarGP(const QVTFddContributionBarGP& iOther)
    : CATDynamicGP(iOther),
      _Box(),
      _Direction(iOther._Direction),
      _ArgVector(nullptr),
      _ResVector(nullptr),
      _MinLimit(iOther._MinLimit),
      _MaxLimit(iOther._MaxLimit),
      _Axis(nullptr),
      _Image(nullptr),
      _Algorithm(nullptr),
      _Busy(0),
      _ImageWidth(0),
      _ImageHeight(0) {}

QVTFddContributionBarGP& QVTFddContributionBarGP::operator=(const QVTFddContributionBarGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  Detach();
  return *this;
}

QVTFddContributionBarGP::~QVTFddContributionBarGP() { Detach(); }

void QVTFddContributionBarGP::Detach() {
  if (_ArgVector) const_cast<CATSamIDoubleVector*>(_ArgVector)->Release();
  if (_ResVector) const_cast<CATSamIDoubleVector*>(_ResVector)->Release();
  if (_Axis) _Axis->Release();
  _ArgVector = _ResVector = nullptr;
  _Axis = nullptr;
  DropAlgorithm();
  DropImage();
}

void QVTFddContributionBarGP::DropImage() {
  if (_Image) _Image->Release();
  _Image = nullptr;
}

void QVTFddContributionBarGP::DropAlgorithm() {
  delete _Algorithm;
  _Algorithm = nullptr;
}

QVTFddContributionAlgoLineair* QVTFddContributionBarGP::NewAlgorithm(int iWidth, int iHeight) const {
  return new (std::nothrow)
      QVTFddContributionAlgoLineair(_ArgVector, _MinLimit, _MaxLimit, 1, _ResVector, iWidth, iHeight, _Axis, _Direction);
}

bool QVTFddContributionBarGP::PixelExtent(CATRender& iRender, const CATViewpoint* iViewpoint, int& oWidth,
                                          int& oHeight) const {
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  if (!lViewpoint) return false;
  float lParameter1 = 0.0f, lParameter2 = 0.0f, lParameter3 = 0.0f, lParameter4 = 0.0f;
  iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);
  const CATViewer* lViewer = lViewpoint->GetViewer();
  const float lMM = lViewer ? lViewer->GetMMInSupportUnit() : 1.0f;
  const CATMathPoint2D lLow = _Box.GetLow(), lHigh = _Box.GetHigh();
  CATMathPoint2Df P, Q;
  lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lLow.GetX()), static_cast<float>(lLow.GetY()), 0.0f), P,
                           lParameter1, lParameter2, lMM, lParameter3);
  lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lHigh.GetX()), static_cast<float>(lHigh.GetY()), 0.0f), Q,
                           lParameter1, lParameter2, lMM, lParameter3);
  oWidth = sExtent(static_cast<double>(Q.x) - P.x);
  oHeight = sExtent(static_cast<double>(Q.y) - P.y);
  return true;
}

void QVTFddContributionBarGP::UpdateImage(int iWidth, int iHeight) {
  if (_Image) {
    int lWidth = 0, lHeight = 0;
    _Image->GetSize(lWidth, lHeight);
    if (lWidth == iWidth && lHeight == iHeight) return;
    // An empty bitmap (the data gave nothing) is not computed again at the same size.
    if (_Image->IsEmpty() && iWidth == _ImageWidth && iHeight == _ImageHeight) return;
    DropAlgorithm();
    if (iWidth >= kMaxPixels || iHeight >= kMaxPixels || _Image->IsEmpty() || iWidth < 1 || iHeight < 1) {
      // Too large, or nothing to rescale from or to: an empty rescaled image would otherwise
      // stay in place of a real one.
      DropImage();
    } else {
      // Measured against the size last computed, in double, so that rescales do not drift.
      const double lShown = std::sqrt(double(iWidth) * iWidth + double(iHeight) * iHeight);
      const double lComputed = std::sqrt(double(_ImageWidth) * _ImageWidth + double(_ImageHeight) * _ImageHeight);
      if (!(std::fabs(1.0 - lShown / lComputed) < 0.2)) {
        DropImage();
      } else {
        CATPixelImage* lZoomed = _Image->CreateZoomedImage(iWidth, iHeight, 1);
        DropImage();
        if (lZoomed && !lZoomed->IsEmpty())
          _Image = lZoomed;
        else if (lZoomed)
          lZoomed->Release();
      }
    }
  }
  if (!_Image && iWidth < kMaxPixels && iHeight < kMaxPixels) {
    DropAlgorithm();
    _Algorithm = NewAlgorithm(iWidth, iHeight);
    if (!_Algorithm) return;
    const CATPixelImage lBitmap = _Algorithm->MakeBitmap();
    _Image = new CATPixelImage(lBitmap);
    _ImageWidth = iWidth;
    _ImageHeight = iHeight;
  }
}

void QVTFddContributionBarGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (!iViewpoint || _Busy) return;
  _Busy = 1;
  int lWidth = 0, lHeight = 0;
  // A detached primitive (a copy) has nothing to draw.
  const bool lAttached = _ArgVector && _ResVector && _Axis;
  if (lAttached && !iRender.GetFurtive() && PixelExtent(iRender, iViewpoint, lWidth, lHeight)) {
    UpdateImage(lWidth, lHeight);
    if (_Image && !_Image->IsEmpty()) {
      const float lPosition[2] = {static_cast<float>(_Box.GetLow().GetX()), static_cast<float>(_Box.GetLow().GetY())};
      iRender.ImmediateDraw2DImagePixel(lPosition, _Image, 1, 0, 0);
    }
  }
  _Busy = 0;
}

long QVTFddContributionBarGP::GetValue(double iArgument, double& oValue) {
  if (_Busy || !_Image) return E_FAIL;
  int lWidth = 0, lHeight = 0;
  _Image->GetSize(lWidth, lHeight);
  if (_Algorithm && (_Algorithm->GetWidth() != lWidth || _Algorithm->GetHeight() != lHeight)) DropAlgorithm();
  if (!_Algorithm) _Algorithm = NewAlgorithm(lWidth, lHeight);
  if (!_Algorithm) return E_FAIL;
  return _Algorithm->GetValue(iArgument, oValue);
}
