#include "CATRender.h"

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CAT2DPolygonGP.h"
#include "CAT3DAnnotationTextGP.h"
#include "CAT3DLineGP.h"
#include "CATDynamicGP.h"

HOST_META_IMPLEMENT(CATRender, CATBaseUnknown, "Visualization")

CATRender::CATRender(CATSupport& iSupport) : _Support(&iSupport) {}
CATRender::CATRender(const CATRender& iOther) = default;
CATRender& CATRender::operator=(const CATRender& iOther) = default;
CATRender::~CATRender() = default;

void CATRender::SetViewportParameters(float iWidth, float iHeight, float iScale3, float iScale4) {
  _Parameters[0] = iWidth;
  _Parameters[1] = iHeight;
  _Parameters[2] = iScale3;
  _Parameters[3] = iScale4;
}

void CATRender::GetViewportParameters(float& o1, float& o2, float& o3, float& o4) const {
  o1 = _Parameters[0];
  o2 = _Parameters[1];
  o3 = _Parameters[2];
  o4 = _Parameters[3];
}

int CATRender::IsDrawable(const CATGraphicAttributeSet&, CATRep*, void*) { return 1; }

void CATRender::SetCurrentAttribute(const CATGraphicAttributeSet& iAttribute) { _CurrentAttribute = iAttribute; }

void CATRender::Draw2DLine(CAT2DLineGP& iLine) {
  ImmediateDraw2DLine(iLine.GetPoints(), iLine.GetNbPoints(), iLine.GetLineFlag(), iLine.GetTessFlag());
}

void CATRender::Draw2DPolygon(CAT2DPolygonGP& iPolygon) {
  ImmediateDraw2DPolygon(iPolygon.GetPoints(), iPolygon.GetNbPoints(), 1, 0, nullptr, nullptr, nullptr, 0);
}

void CATRender::Draw2DGeometricText(CAT2DGeometricTextGP& iText) {
  ImmediateDraw2DGeomText(iText.GetOrigin(), iText.GetText(), iText.GetHeight(), iText.GetAngle(), iText.GetFont());
}

void CATRender::Draw3DLine(CAT3DLineGP& iLine) {
  ImmediateDraw3DLine(iLine.GetCoords(), iLine.GetNbPoints(), iLine.GetLineFlag(), iLine.GetTessFlag());
}

void CATRender::Draw3DAnnotationText(CAT3DAnnotationTextGP& iText) {
  ImmediateDraw3DAnnotationText(iText.GetPosition(), iText.GetText(), iText.GetAnchor(), iText.GetSize(),
                                iText.GetFlag());
}

void CATRender::DrawDynamicGP(CATDynamicGP& iPrimitive) { iPrimitive.ImmediateDraw(*this, _Viewpoint, _Viewport); }

void CATRender::ImmediateDraw3DMarker(const float*, int, CATSymbolType) {}
void CATRender::ImmediateDraw3DPolyline(const float*, int, TessFlag) {}
void CATRender::ImmediateDraw3DLine(const float*, int, int, TessFlag) {}
void CATRender::ImmediateDraw3DAnnotationText(const float*, const CATUnicodeString&, CATAnchorPoint, float, int) {}
void CATRender::ImmediateDraw3DImagePixel(const float*, const CATPixelImage*, int, int, int) {}
void CATRender::ImmediateDraw2DMarker(const float*, int, CATSymbolType) {}
void CATRender::ImmediateDraw2DPolyline(const float*, int, TessFlag) {}
void CATRender::ImmediateDraw2DLine(const float*, int, int, TessFlag) {}
void CATRender::ImmediateDraw2DAnnotationText(const float*, const CATUnicodeString&, CATAnchorPoint, float, int,
                                              const CATGraphicAttributeSet*, const CATGraphicAttributeSet*) {}
void CATRender::ImmediateDraw2DImagePixel(const float*, const CATPixelImage*, int, int, int) {}
void CATRender::ImmediateDraw2DNurbsOrPolyBezier(int, const float*, int, const float*, int, float, float,
                                                 const float*, const float*, int) {}
void CATRender::ImmediateDraw2DPolygon(const float*, int, int, int, const int*, const int*, const int*, TessFlag) {}
void CATRender::ImmediateDraw2DQuadStrip(const float*, int, const float*) {}
void CATRender::ImmediateDraw2DGeomText(const float*, const CATUnicodeString&, float, float, const CATFont*) {}
