#include "QVTFdd2DBackgroundGP.h"

#include "CATMathBox2D.h"
#include "CATRender.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DBackgroundGP, CATDynamicGP)

QVTFdd2DBackgroundGP::QVTFdd2DBackgroundGP(const CATMathPoint2D& iFirstCorner, const CATMathPoint2D& iSecondCorner,
                                           int iMode)
    : _Region(CATMathBox2D(iFirstCorner, iSecondCorner, 1), 0.00001, nullptr, nullptr), _Mode(iMode) {}

QVTFdd2DBackgroundGP::QVTFdd2DBackgroundGP(const QVTFddMathRegion& iRegion, int iMode)
    : _Region(iRegion), _Mode(iMode) {}

QVTFdd2DBackgroundGP::QVTFdd2DBackgroundGP(QVTFdd2DBackgroundGP& iOther)
    : CATDynamicGP(iOther), _Region(0.00001, nullptr), _Mode(iOther._Mode) {}

QVTFdd2DBackgroundGP& QVTFdd2DBackgroundGP::operator=(QVTFdd2DBackgroundGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DBackgroundGP::~QVTFdd2DBackgroundGP() = default;

void QVTFdd2DBackgroundGP::ImmediateDraw(CATRender& iRender, const CATViewpoint*, const CATViewport*) {
  int lDraw = 0;
  if (_Mode == 1)
    lDraw = iRender.IsAKindOf("CATPickingRender") != 0;
  else
    lDraw = iRender.GetFurtive() == 0 && iRender.GetPassState() == 0;

  // One polygon per box, never merged, in the region's own order.
  for (QVTFddMathRegionIterator lIt = _Region.mf_Begin(); lIt != _Region.mf_End(); lIt++) {
    if (!lDraw) continue;
    CATMathBox2D lBox = *lIt;
    float xl = static_cast<float>(lBox.GetLow().GetX()), yl = static_cast<float>(lBox.GetLow().GetY());
    float xh = static_cast<float>(lBox.GetHigh().GetX()), yh = static_cast<float>(lBox.GetHigh().GetY());
    const float lPoints[8] = {xl, yl, xl, yh, xh, yh, xh, yl};
    iRender.ImmediateDraw2DPolygon(lPoints, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  }
}
