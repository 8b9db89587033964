#include "QVTFddColormapGP.h"

#include <new>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTFddColormapAlgoOrderInterpolNH.h"
#include "QVTFddCachedImage.h"
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
      _Image(NewCachedImage(*this)),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _OrderInterpolation(iOrderInterpolation),
      _OrderTolerance(iOrderTolerance),
      _XScaling(iXScaling),
      _ZScaling(iZScaling) {
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
      _Image(NewCachedImage(*this)),
      _XMinLimit(0.0),
      _XMaxLimit(0.0),
      _XInterpolate(0),
      _ZMinLimit(0.0),
      _ZMaxLimit(0.0),
      _ZInterpolate(0),
      _OrderInterpolation(0),
      _OrderTolerance(0.0),
      _XScaling(nullptr),
      _ZScaling(nullptr) {}

QVTFddColormapGP& QVTFddColormapGP::operator=(const QVTFddColormapGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  if (_Image) _Image->Drop();
  return *this;
}

QVTFddColormapGP::~QVTFddColormapGP() {
  delete _Image;
  _Image = nullptr;
  sRelease(_XScaling);
  sRelease(_ZScaling);
  sRelease(_XVector);
  sRelease(_ZVector);
  sRelease(_Values);
  sRelease(_ValuesNonHom);
  sRelease(_XValuesNonHom);
  sRelease(_Axis);
}

QVTFddColormapGP::CachedImage* QVTFddColormapGP::NewCachedImage(const QVTFddColormapGP& iPrimitive) {
  // The colour map converts its box with the render's own scales and draws an empty image too.
  return new (std::nothrow)
      CachedImage(iPrimitive, &QVTFddColormapGP::NewAlgorithm, CachedImage::kRenderScale, CachedImage::kDrawEmpty);
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

void QVTFddColormapGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (_Image) _Image->Draw(iRender, iViewpoint, _Box);
}

long QVTFddColormapGP::GetValue(double iX, double iZ, double& oValue) {
  QVTFddColormapAlgo* lAlgorithm = _Image ? _Image->Shown() : nullptr;
  return lAlgorithm ? lAlgorithm->GetValue(iX, iZ, oValue) : E_FAIL;
}
