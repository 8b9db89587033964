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
    : _Axis(RefPtr<QVTIFddContinuousAxis>::Hold(iAxis)),
      _Box(iBox),
      _XVector(RefPtr<CATSamIDoubleVector>::Hold(iXVector)),
      _XValuesNonHom(RefPtr<CATSamIDouble1p5D>::Hold(iXValues)),
      _ZVector(RefPtr<CATSamIDoubleVector>::Hold(iZVector)),
      _Values(RefPtr<CATSamIDoubleMatrix>::Hold(iValues)),
      _ValuesNonHom(RefPtr<CATSamIDouble2DDim2NH>::Hold(iValuesNonHom)),
      _Image(NewCachedImage(*this)),
      _XMinLimit(iXMinLimit),
      _XMaxLimit(iXMaxLimit),
      _XInterpolate(iXInterpolate),
      _ZMinLimit(iZMinLimit),
      _ZMaxLimit(iZMaxLimit),
      _ZInterpolate(iZInterpolate),
      _OrderInterpolation(iOrderInterpolation),
      _OrderTolerance(iOrderTolerance),
      _XScaling(RefPtr<QVTIFddScaling>::Hold(iXScaling)),
      _ZScaling(RefPtr<QVTIFddScaling>::Hold(iZScaling)) {}

QVTFddColormapGP::QVTFddColormapGP(const QVTFddColormapGP& iOther)
    : CATDynamicGP(iOther),
      _Box(),
      _Image(NewCachedImage(*this)),
      _XMinLimit(0.0),
      _XMaxLimit(0.0),
      _XInterpolate(0),
      _ZMinLimit(0.0),
      _ZMaxLimit(0.0),
      _ZInterpolate(0),
      _OrderInterpolation(0),
      _OrderTolerance(0.0) {}

QVTFddColormapGP& QVTFddColormapGP::operator=(const QVTFddColormapGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  if (_Image) _Image->Drop();
  return *this;
}

QVTFddColormapGP::~QVTFddColormapGP() {
  delete _Image;
  _Image = nullptr;
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
      return new (std::nothrow) QVTFddColormapAlgoOrderInterpol(
          _XVector.Get(), _XMinLimit, _XMaxLimit, _XInterpolate, _ZVector.Get(), _ZMinLimit, _ZMaxLimit, _ZInterpolate,
          _Values.Get(), iWidth, iHeight, _Axis.Get(), _XScaling.Get(), _ZScaling.Get(), _OrderTolerance);
    }
    if (_ValuesNonHom) {
      if (!_XValuesNonHom) return nullptr;
      return new (std::nothrow)
          QVTFddColormapAlgoOrderInterpolNH(_XValuesNonHom.Get(), _XMinLimit, _XMaxLimit, _XInterpolate, _ZVector.Get(),
                                            _ZMinLimit, _ZMaxLimit, _ZInterpolate, _ValuesNonHom.Get(), iWidth, iHeight,
                                            _Axis.Get(), _XScaling.Get(), _ZScaling.Get(), _OrderTolerance);
    }
    return nullptr;
  }
  if (_Values) {
    if (!_XVector) return nullptr;
    return new (std::nothrow)
        QVTFddColormapAlgoLineair(_XVector.Get(), _XMinLimit, _XMaxLimit, _XInterpolate, _ZVector.Get(), _ZMinLimit,
                                  _ZMaxLimit, _ZInterpolate, _Values.Get(), iWidth, iHeight, _Axis.Get());
  }
  if (_ValuesNonHom) {
    if (!_XValuesNonHom) return nullptr;
    return new (std::nothrow) QVTFddColormapAlgoLineair(_XValuesNonHom.Get(), _XMinLimit, _XMaxLimit, _XInterpolate,
                                                        _ZVector.Get(), _ZMinLimit, _ZMaxLimit, _ZInterpolate,
                                                        _ValuesNonHom.Get(), iWidth, iHeight, _Axis.Get());
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
