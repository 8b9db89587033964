#include "QVTFddContributionBarGP.h"

#include <new>

#include "CAT2DRep.h"
#include "CAT2DViewpoint.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "CATPixelImage.h"
#include "CATRender.h"
#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "QVTFddImageCache.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddContinuousAxis.h"

QVTFDD_META_IMPLEMENT(QVTFddContributionBarGP, CAT2DRep)

static_assert(QVTFddContributionAlgoLineair::kMaxPixels == QVTFddImageCache::kMaxPixels,
              "the cache drops what the algorithm would not compute");

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
      _ImageCache(new (std::nothrow) QVTFddImageCache()),
      _Algorithm(nullptr),
      _Busy(0) {
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
      _ImageCache(new (std::nothrow) QVTFddImageCache()),
      _Algorithm(nullptr),
      _Busy(0) {}

QVTFddContributionBarGP& QVTFddContributionBarGP::operator=(const QVTFddContributionBarGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  Detach();
  return *this;
}

QVTFddContributionBarGP::~QVTFddContributionBarGP() {
  Detach();
  delete _ImageCache;
  _ImageCache = nullptr;
}

void QVTFddContributionBarGP::Detach() {
  if (_ArgVector) const_cast<CATSamIDoubleVector*>(_ArgVector)->Release();
  if (_ResVector) const_cast<CATSamIDoubleVector*>(_ResVector)->Release();
  if (_Axis) _Axis->Release();
  _ArgVector = _ResVector = nullptr;
  _Axis = nullptr;
  DropAlgorithm();
  if (_ImageCache) _ImageCache->Drop();
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
  oWidth = QVTFddImageCache::PixelExtent(static_cast<double>(Q.x) - P.x);
  oHeight = QVTFddImageCache::PixelExtent(static_cast<double>(Q.y) - P.y);
  return true;
}

void QVTFddContributionBarGP::UpdateImage(int iWidth, int iHeight) {
  const QVTFddImageCache::eFit lFit = _ImageCache->Fit(iWidth, iHeight);
  if (lFit == QVTFddImageCache::kKept) return;
  DropAlgorithm();
  if (lFit != QVTFddImageCache::kCompute) return;
  _Algorithm = NewAlgorithm(iWidth, iHeight);
  if (_Algorithm) _ImageCache->Store(_Algorithm->MakeBitmap(), iWidth, iHeight);
}

void QVTFddContributionBarGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (!iViewpoint || _Busy) return;
  _Busy = 1;
  int lWidth = 0, lHeight = 0;
  // A detached primitive (a copy) has nothing to draw.
  const bool lAttached = _ArgVector && _ResVector && _Axis && _ImageCache;
  if (lAttached && !iRender.GetFurtive() && PixelExtent(iRender, iViewpoint, lWidth, lHeight)) {
    UpdateImage(lWidth, lHeight);
    CATPixelImage* lImage = _ImageCache->Get();
    if (lImage && !lImage->IsEmpty()) {
      const float lPosition[2] = {static_cast<float>(_Box.GetLow().GetX()), static_cast<float>(_Box.GetLow().GetY())};
      iRender.ImmediateDraw2DImagePixel(lPosition, lImage, 1, 0, 0);
    }
  }
  _Busy = 0;
}

long QVTFddContributionBarGP::GetValue(double iArgument, double& oValue) {
  const CATPixelImage* lImage = _ImageCache ? _ImageCache->Get() : nullptr;
  if (_Busy || !lImage) return E_FAIL;
  int lWidth = 0, lHeight = 0;
  lImage->GetSize(lWidth, lHeight);
  if (_Algorithm && (_Algorithm->GetWidth() != lWidth || _Algorithm->GetHeight() != lHeight)) DropAlgorithm();
  if (!_Algorithm) _Algorithm = NewAlgorithm(lWidth, lHeight);
  if (!_Algorithm) return E_FAIL;
  return _Algorithm->GetValue(iArgument, oValue);
}
