#include "QVTFddColormapGP.h"

#include <new>

#include "CAT2DViewpoint.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "CATPixelImage.h"
#include "CATRender.h"
#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTFddColormapAlgoOrderInterpolNH.h"
#include "QVTFddImageCache.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddContinuousAxis.h"
#include "QVTIFddScaling.h"

QVTFDD_META_IMPLEMENT(QVTFddColormapGP, CATDynamicGP)

namespace {

static_assert(QVTFddColormapAlgoLineair::kMaxPixels == QVTFddImageCache::kMaxPixels,
              "the cache drops what the algorithm would not compute");

template <class T>
void sAddRef(T* iObject) {
  if (iObject) iObject->AddRef();
}

template <class T>
void sRelease(T*& ioObject) {
  if (ioObject) ioObject->Release();
  ioObject = nullptr;
}

}  // namespace

QVTFddColormapGP::QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector, double iXMinLimit,
                                   double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector,
                                   double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                   CATSamIDoubleMatrix* iValues, QVTIFddContinuousAxis* iAxis,
                                   QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                                   double iOrderTolerance)
    : QVTFddColormapGP(iBox, iXVector, nullptr, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                       iZMaxLimit, iZInterpolate, iValues, nullptr, iAxis, iXScaling, iZScaling, iOrderInterpolation,
                       iOrderTolerance) {}

QVTFddColormapGP::QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDouble1p5D* iXValues, double iXMinLimit,
                                   double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector,
                                   double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                   CATSamIDouble2DDim2NH* iValues, QVTIFddContinuousAxis* iAxis,
                                   QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                                   double iOrderTolerance)
    : QVTFddColormapGP(iBox, nullptr, iXValues, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                       iZMaxLimit, iZInterpolate, nullptr, iValues, iAxis, iXScaling, iZScaling, iOrderInterpolation,
                       iOrderTolerance) {}

QVTFddColormapGP::QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector,
                                   CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit,
                                   int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit,
                                   double iZMaxLimit, int iZInterpolate, CATSamIDoubleMatrix* iValues,
                                   CATSamIDouble2DDim2NH* iValuesNonHom, QVTIFddContinuousAxis* iAxis,
                                   QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                                   double iOrderTolerance)
    : _Axis(iAxis),
      _Box(iBox),
      _XVector(iXVector),
      _XValuesNonHom(iXValues),
      _ZVector(iZVector),
      _Values(iValues),
      _ValuesNonHom(iValuesNonHom),
      _ImageCache(new (std::nothrow) QVTFddImageCache()),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _OrderInterpolation(iOrderInterpolation),
      _OrderTolerance(iOrderTolerance),
      _XScaling(iXScaling),
      _ZScaling(iZScaling),
      _Algorithm(nullptr),
      _Busy(0) {
  // Each data object the primitive was given, held once (null ones are skipped).
  sAddRef(_XScaling);
  sAddRef(_ZScaling);
  sAddRef(_XVector);
  sAddRef(_ZVector);
  sAddRef(_Values);
  sAddRef(_ValuesNonHom);
  sAddRef(_XValuesNonHom);
  sAddRef(_Axis);
}

QVTFddColormapGP::QVTFddColormapGP(const QVTFddColormapGP& iOther)
    : CATDynamicGP(iOther),
      _Axis(nullptr),
      _Box(),
      _XVector(nullptr),
      _XValuesNonHom(nullptr),
      _ZVector(nullptr),
      _Values(nullptr),
      _ValuesNonHom(nullptr),
      _ImageCache(new (std::nothrow) QVTFddImageCache()),
      _XMinLimit(0.0),
      _XMaxLimit(0.0),
      _XInterpolate(0),
      _ZMinLimit(0.0),
      _ZMaxLimit(0.0),
      _ZInterpolate(0),
      _OrderInterpolation(0),
      _OrderTolerance(0.0),
      _XScaling(nullptr),
      _ZScaling(nullptr),
      _Algorithm(nullptr),
      _Busy(0) {}

QVTFddColormapGP& QVTFddColormapGP::operator=(const QVTFddColormapGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  if (_ImageCache) _ImageCache->Drop();
  return *this;
}

QVTFddColormapGP::~QVTFddColormapGP() {
  delete _ImageCache;
  _ImageCache = nullptr;
  sRelease(_XScaling);
  sRelease(_ZScaling);
  sRelease(_XVector);
  sRelease(_ZVector);
  sRelease(_Values);
  sRelease(_ValuesNonHom);
  sRelease(_XValuesNonHom);
  DropAlgorithm();
  sRelease(_Axis);
}

void QVTFddColormapGP::DropAlgorithm() {
  delete _Algorithm;
  _Algorithm = nullptr;
}

QVTFddColormapAlgo* QVTFddColormapGP::NewAlgorithm(int iWidth, int iHeight) const {
  // Pieces that every algorithm needs; the X data of the layout used is checked below.
  if (!_Axis || !_ZVector) return nullptr;
  if (_OrderInterpolation) {
    if (!_XScaling || !_ZScaling) return nullptr;
    if (_Values) {
      if (!_XVector) return nullptr;
      return new (std::nothrow) QVTFddColormapAlgoOrderInterpol(_XVector, _XMinLimit, _XMaxLimit, _XInterpolate,
                                                                _ZVector, _ZMinLimit, _ZMaxLimit, _ZInterpolate,
                                                                _Values, iWidth, iHeight, _Axis, _XScaling,
                                                                _ZScaling, _OrderTolerance);
    }
    if (_ValuesNonHom) {
      if (!_XValuesNonHom) return nullptr;
      return new (std::nothrow) QVTFddColormapAlgoOrderInterpolNH(
          _XValuesNonHom, _XMinLimit, _XMaxLimit, _XInterpolate, _ZVector, _ZMinLimit, _ZMaxLimit, _ZInterpolate,
          _ValuesNonHom, iWidth, iHeight, _Axis, _XScaling, _ZScaling, _OrderTolerance);
    }
    return nullptr;
  }
  if (_Values) {
    if (!_XVector) return nullptr;
    return new (std::nothrow) QVTFddColormapAlgoLineair(_XVector, _XMinLimit, _XMaxLimit, _XInterpolate, _ZVector,
                                                        _ZMinLimit, _ZMaxLimit, _ZInterpolate, _Values, iWidth,
                                                        iHeight, _Axis);
  }
  if (_ValuesNonHom) {
    if (!_XValuesNonHom) return nullptr;
    return new (std::nothrow) QVTFddColormapAlgoLineair(_XValuesNonHom, _XMinLimit, _XMaxLimit, _XInterpolate,
                                                        _ZVector, _ZMinLimit, _ZMaxLimit, _ZInterpolate,
                                                        _ValuesNonHom, iWidth, iHeight, _Axis);
  }
  return nullptr;
}

bool QVTFddColormapGP::PixelExtent(CATRender& iRender, const CATViewpoint* iViewpoint, int& oWidth,
                                   int& oHeight) const {
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  if (!lViewpoint) return false;
  float lParameter1 = 0.0f, lParameter2 = 0.0f, lParameter3 = 0.0f, lParameter4 = 0.0f;
  iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);
  const CATMathPoint2D lLow = _Box.GetLow(), lHigh = _Box.GetHigh();
  CATMathPoint2Df P, Q;
  // The colour map passes the fourth parameter before the third and does not consult the viewer.
  lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lLow.GetX()), static_cast<float>(lLow.GetY()), 0.0f), P,
                           lParameter1, lParameter2, lParameter4, lParameter3);
  lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lHigh.GetX()), static_cast<float>(lHigh.GetY()), 0.0f),
                           Q, lParameter1, lParameter2, lParameter4, lParameter3);
  oWidth = QVTFddImageCache::PixelExtent(static_cast<double>(Q.x) - P.x);
  oHeight = QVTFddImageCache::PixelExtent(static_cast<double>(Q.y) - P.y);
  return true;
}

void QVTFddColormapGP::UpdateImage(int iWidth, int iHeight) {
  const QVTFddImageCache::eFit lFit = _ImageCache->Fit(iWidth, iHeight);
  if (lFit == QVTFddImageCache::kKept) return;
  DropAlgorithm();
  if (lFit != QVTFddImageCache::kCompute) return;
  _Algorithm = NewAlgorithm(iWidth, iHeight);
  if (_Algorithm) _ImageCache->Store(_Algorithm->MakeBitmap(), iWidth, iHeight);
}

void QVTFddColormapGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (_Busy || !iViewpoint) return;
  _Busy = 1;
  int lWidth = 0, lHeight = 0;
  if (_ImageCache && !iRender.GetFurtive() && PixelExtent(iRender, iViewpoint, lWidth, lHeight)) {
    UpdateImage(lWidth, lHeight);
    if (CATPixelImage* lImage = _ImageCache->Get()) {
      const float lPosition[2] = {static_cast<float>(_Box.GetLow().GetX()), static_cast<float>(_Box.GetLow().GetY())};
      iRender.ImmediateDraw2DImagePixel(lPosition, lImage, 1, 0, 0);
    }
  }
  _Busy = 0;
}

long QVTFddColormapGP::GetValue(double iX, double iZ, double& oValue) {
  const CATPixelImage* lImage = _ImageCache ? _ImageCache->Get() : nullptr;
  if (_Busy || !lImage) return E_FAIL;
  int lWidth = 0, lHeight = 0;
  lImage->GetSize(lWidth, lHeight);
  if (_Algorithm && (_Algorithm->GetWidth() != lWidth || _Algorithm->GetHeight() != lHeight)) DropAlgorithm();
  if (!_Algorithm) _Algorithm = NewAlgorithm(lWidth, lHeight);
  if (!_Algorithm) return E_FAIL;
  return _Algorithm->GetValue(iX, iZ, oValue);
}
