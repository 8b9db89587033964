#include "QVTFdd2DBarGP.h"

#include <cmath>

#include "CAT2DViewpoint.h"
#include "CATGraphicAttributeSet.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "CATRender.h"
#include "CATViewer.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DBarGP, CATDynamicGP)

namespace {
// No direction: what a bar without corners holds.
const QVTFdd2DBarGP::eDirection kNoDirection = static_cast<QVTFdd2DBarGP::eDirection>(-1);
}  // namespace

QVTFdd2DBarGP::QVTFdd2DBarGP(const float* iCorner1, const float* iCorner2, eDirection iDirection)
    : _Corner1{0.0f, 0.0f}, _Corner2{0.0f, 0.0f}, _Direction(iCorner1 && iCorner2 ? iDirection : kNoDirection) {
  if (!iCorner1 || !iCorner2) return;
  _Corner1[0] = iCorner1[0];
  _Corner1[1] = iCorner1[1];
  _Corner2[0] = iCorner2[0];
  _Corner2[1] = iCorner2[1];
}

QVTFdd2DBarGP::QVTFdd2DBarGP(QVTFdd2DBarGP& iOther)
    : CATDynamicGP(iOther),
      _Corner1{iOther._Corner1[0], iOther._Corner1[1]},
      _Corner2{iOther._Corner2[0], iOther._Corner2[1]},
      _Direction(iOther._Direction) {}

QVTFdd2DBarGP& QVTFdd2DBarGP::operator=(QVTFdd2DBarGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DBarGP::~QVTFdd2DBarGP() = default;

void QVTFdd2DBarGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  if (!lViewpoint || (_Direction != Vertical && _Direction != Horizontal)) return;
  const float x1 = _Corner1[0], y1 = _Corner1[1], x2 = _Corner2[0], y2 = _Corner2[1];

  float lParameter1, lParameter2, lParameter3, lParameter4;
  iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);
  const CATViewer* lViewer = lViewpoint->GetViewer();
  const float lMillimetres = lViewer ? lViewer->GetMMInSupportUnit() : 1.0f;
  const float lDeviceScale = lViewpoint->GetDeviceScale();

  // The extent along the bar's direction, in whole pixels.
  const bool lVertical = _Direction == Vertical;
  CATMathPoint2Df lBase, lTop;
  lViewpoint->ModelToPixel(lVertical ? CATMathPointf(0.0f, y1, 0.0f) : CATMathPointf(x1, 0.0f, 0.0f), lBase,
                           lParameter1, lParameter2, lMillimetres, lDeviceScale);
  lViewpoint->ModelToPixel(lVertical ? CATMathPointf(0.0f, y2, 0.0f) : CATMathPointf(x2, 0.0f, 0.0f), lTop,
                           lParameter1, lParameter2, lMillimetres, lDeviceScale);
  const double lPixels = lVertical ? std::floor(double(lBase.y)) - std::floor(double(lTop.y))
                                   : std::floor(double(lBase.x)) - std::floor(double(lTop.x));

  if (std::fabs(lPixels) > 1.0) {
    const float lPoints[8] = {x1, y1, x1, y2, x2, y2, x2, y1};
    iRender.ImmediateDraw2DPolygon(lPoints, 4, 1, 0, nullptr, nullptr, nullptr, 0);
    return;
  }

  // Too thin to fill: a line along the base. A bar that is not flat is drawn one pixel thick
  // (thickness bits 18 to 23 of the first word set to 1), whatever the current thickness.
  const CATGraphicAttributeSet lSaved = iRender.GetCurrentAttribute();
  CATGraphicAttributeSet lDrawing = lSaved;
  const double lExtent = lVertical ? double(y1) - double(y2) : double(x1) - double(x2);
  if (std::fabs(lExtent) > 1e-100) lDrawing.SetFirstWord((lDrawing.GetFirstWord() & 0xFF07FFFFu) | 0x00040000u);
  iRender.SetCurrentAttribute(lDrawing);
  const float lVerticalBase[4] = {x1, y1, x2, y1};
  const float lHorizontalBase[4] = {x1, y1, x1, y2};
  iRender.ImmediateDraw2DLine(lVertical ? lVerticalBase : lHorizontalBase, 2, 0, 0);
  iRender.SetCurrentAttribute(lSaved);
}
