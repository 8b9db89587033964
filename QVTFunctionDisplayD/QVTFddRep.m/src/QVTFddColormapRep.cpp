#include "QVTFddColormapRep.h"

#include "CAT2DBoundingBox.h"
#include "CATRender.h"
#include "QVTFddColormapGP.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFddColormapRep, CATBaseUnknown)

QVTFddColormapRep::QVTFddColormapRep(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector, double iXMinLimit,
                                     double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector,
                                     double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                     CATSamIDoubleMatrix* iValues, QVTIFddContinuousAxis* iAxis,
                                     QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                                     double iOrderTolerance)
    : QVTFddColormapRep(iBox, new (nullptr, nullptr, 0) QVTFddColormapGP(
                                    iBox, iXVector, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                                    iZMaxLimit, iZInterpolate, iValues, iAxis, iXScaling, iZScaling,
                                    iOrderInterpolation, iOrderTolerance)) {}

QVTFddColormapRep::QVTFddColormapRep(const CATMathBox2D& iBox, CATSamIDouble1p5D* iXValues, double iXMinLimit,
                                     double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector,
                                     double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                                     CATSamIDouble2DDim2NH* iValues, QVTIFddContinuousAxis* iAxis,
                                     QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                                     double iOrderTolerance)
    : QVTFddColormapRep(iBox, new (nullptr, nullptr, 0) QVTFddColormapGP(
                                    iBox, iXValues, iXMinLimit, iXMaxLimit, iXInterpolate, iZVector, iZMinLimit,
                                    iZMaxLimit, iZInterpolate, iValues, iAxis, iXScaling, iZScaling,
                                    iOrderInterpolation, iOrderTolerance)) {}

QVTFddColormapRep::QVTFddColormapRep(const CATMathBox2D& iBox, QVTFddColormapGP* iGP) : _GP(iGP) { SetBox(iBox); }

QVTFddColormapRep::QVTFddColormapRep() : _GP(nullptr) {}

QVTFddColormapRep::QVTFddColormapRep(const QVTFddColormapRep& iOther) : CAT2DRep(iOther), _GP(nullptr) {}

QVTFddColormapRep& QVTFddColormapRep::operator=(const QVTFddColormapRep& iOther) {
  if (this != &iOther) CAT2DRep::operator=(iOther);
  return *this;
}

QVTFddColormapRep::~QVTFddColormapRep() {
  if (_GP) _GP->Destroy();
  _GP = nullptr;
}

void QVTFddColormapRep::SetBox(const CATMathBox2D& iBox) {
  SetBoundingElement(CAT2DBoundingBox(static_cast<float>(iBox.GetLow().GetX()), static_cast<float>(iBox.GetHigh().GetX()),
                                      static_cast<float>(iBox.GetLow().GetY()),
                                      static_cast<float>(iBox.GetHigh().GetY())));
}

void QVTFddColormapRep::DrawShading(CATRender& iRender, int) {
  if (_GP && iRender.IsDrawable(GetAttribute(), this, nullptr)) _GP->Draw(iRender);
}

long QVTFddColormapRep::GetValue(double iX, double iZ, double& oValue) {
  return _GP ? _GP->GetValue(iX, iZ, oValue) : E_FAIL;
}
