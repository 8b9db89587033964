#include "QVTFddContributionBarRep.h"

#include "CAT2DBoundingBox.h"
#include "CATRender.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFddContributionBarRep, CATBaseUnknown)

QVTFddContributionBarRep::QVTFddContributionBarRep(const CATMathBox2D& iBox, eBarDirection iDirection,
                                                   const CATSamIDoubleVector* iArgVector, double iMinLimit,
                                                   double iMaxLimit, const CATSamIDoubleVector* iResVector,
                                                   QVTIFddContinuousAxis* iAxis)
    : _GP(nullptr) {
  SetBoundingElement(CAT2DBoundingBox(static_cast<float>(iBox.GetLow().GetX()), static_cast<float>(iBox.GetHigh().GetX()),
                                      static_cast<float>(iBox.GetLow().GetY()),
                                      static_cast<float>(iBox.GetHigh().GetY())));
  _GP = new (nullptr, nullptr, 0)
      QVTFddContributionBarGP(iBox, iDirection, iArgVector, iMinLimit, iMaxLimit, iResVector, iAxis);
}

QVTFddContributionBarRep::QVTFddContributionBarRep() : _GP(nullptr) {}

QVTFddContributionBarRep::QVTFddContributionBarRep(const QVTFddContributionBarRep& iOther)
    : CAT2DRep(iOther), _GP(nullptr) {}

QVTFddContributionBarRep& QVTFddContributionBarRep::operator=(const QVTFddContributionBarRep& iOther) {
  if (this == &iOther) return *this;
  CAT2DRep::operator=(iOther);
  // The bounding box now describes the other bar: this one's primitive no longer belongs here.
  if (_GP) _GP->Destroy();
  _GP = nullptr;
  return *this;
}

QVTFddContributionBarRep::~QVTFddContributionBarRep() {
  if (_GP) _GP->Destroy();
}

void QVTFddContributionBarRep::DrawShading(CATRender& iRender, int) {
  if (_GP && iRender.IsDrawable(GetAttribute(), this, nullptr)) _GP->Draw(iRender);
}

long QVTFddContributionBarRep::GetValue(double iArgument, double& oValue) {
  return _GP ? _GP->GetValue(iArgument, oValue) : E_FAIL;
}
