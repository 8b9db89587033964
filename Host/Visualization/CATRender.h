// Render: a table of immediate-mode drawing operations in model coordinates (single-precision
// x, y pairs), plus the state a drawing pass carries: the current viewpoint and viewport, four
// viewport parameters (width and height in pixels, then two device scales of 1.0), the furtive
// flag, the pass state (0 in ordinary drawing) and the current graphic attribute set.
//
// The typed Draw operations hand a primitive's data to the matching immediate operation; every
// immediate operation of this base draws nothing. Concrete renders override what they support.
#ifndef CATRender_H
#define CATRender_H

#include "CATAnchorPoint.h"
#include "CATBaseUnknown.h"
#include "CATGraphicAttributeSet.h"
#include "CATSymbolType.h"
#include "CATUnicodeString.h"

class CAT2DGeometricTextGP;
class CAT2DLineGP;
class CAT2DPolygonGP;
class CAT3DAnnotationTextGP;
class CAT3DLineGP;
class CATDynamicGP;
class CATFont;
class CATPixelImage;
class CATRep;
class CATSupport;
class CATViewpoint;
class CATViewport;

// 1: the points are taken in pairs, each pair a separate line; 0: the points are joined in order.
typedef int TessFlag;

class CATRender : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  explicit CATRender(CATSupport& iSupport);
  CATRender(const CATRender& iOther);
  CATRender& operator=(const CATRender& iOther);
  ~CATRender() override;

  CATSupport& GetSupport() const { return *_Support; }

  void SetViewpoint(const CATViewpoint* iViewpoint, const CATViewport* iViewport) {
    _Viewpoint = iViewpoint;
    _Viewport = iViewport;
  }
  const CATViewpoint* GetViewpoint() const { return _Viewpoint; }
  const CATViewport* GetViewport() const { return _Viewport; }
  void SetViewportParameters(float iWidth, float iHeight, float iScale3, float iScale4);
  void GetViewportParameters(float& o1, float& o2, float& o3, float& o4) const;

  int GetFurtive() const { return _Furtive; }
  void SetFurtive(int iFurtive) { _Furtive = iFurtive; }
  int GetPassState() const { return _PassState; }
  void SetPassState(int iState) { _PassState = iState; }

  virtual int IsDrawable(const CATGraphicAttributeSet& iAttribute, CATRep* iRep, void* iMaterial);
  virtual void SetCurrentAttribute(const CATGraphicAttributeSet& iAttribute);
  const CATGraphicAttributeSet& GetCurrentAttribute() const { return _CurrentAttribute; }

  virtual void Draw2DLine(CAT2DLineGP& iLine);
  virtual void Draw2DPolygon(CAT2DPolygonGP& iPolygon);
  virtual void Draw2DGeometricText(CAT2DGeometricTextGP& iText);
  virtual void Draw3DLine(CAT3DLineGP& iLine);
  virtual void Draw3DAnnotationText(CAT3DAnnotationTextGP& iText);
  virtual void DrawDynamicGP(CATDynamicGP& iPrimitive);

  virtual void ImmediateDraw3DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol);
  virtual void ImmediateDraw3DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess);
  virtual void ImmediateDraw3DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess);
  virtual void ImmediateDraw3DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                             CATAnchorPoint iAnchor, float iSize, int iFlag);
  virtual void ImmediateDraw3DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom,
                                         int iFlag1, int iFlag2);
  virtual void ImmediateDraw2DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol);
  virtual void ImmediateDraw2DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess);
  virtual void ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess);
  virtual void ImmediateDraw2DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                             CATAnchorPoint iAnchor, float iSize, int iFlag,
                                             const CATGraphicAttributeSet* iTextAttribute,
                                             const CATGraphicAttributeSet* iFrameAttribute);
  // Draws the image with its first pixel (row 0, the bottom row) at the model point, one image
  // pixel per device pixel.
  virtual void ImmediateDraw2DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom,
                                         int iFlag1, int iFlag2);
  virtual void ImmediateDraw2DNurbsOrPolyBezier(int iDegree, const float* iPoles, int iNbPoles,
                                                const float* iWeights, int iNbKnots, float iStart, float iEnd,
                                                const float* iKnots, const float* iExtra, int iFlag);
  virtual void ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int iFlag1, int iFlag2,
                                      const int* iIndices1, const int* iIndices2, const int* iIndices3,
                                      TessFlag iTess);
  virtual void ImmediateDraw2DQuadStrip(const float* iPoints, int iNbPoints, const float* iNormals);
  virtual void ImmediateDraw2DGeomText(const float* iOrigin, const CATUnicodeString& iText, float iHeight,
                                       float iAngleDegrees, const CATFont* iFont);

 private:
  CATSupport* _Support;
  const CATViewpoint* _Viewpoint = nullptr;
  const CATViewport* _Viewport = nullptr;
  float _Parameters[4] = {0.0f, 0.0f, 1.0f, 1.0f};
  int _Furtive = 0;
  int _PassState = 0;
  CATGraphicAttributeSet _CurrentAttribute;
};

#endif
