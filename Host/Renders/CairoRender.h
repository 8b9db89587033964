// Render that really draws: into a cairo surface written as a PNG, SVG or PDF file.
//
// Owns its support (the surface size in device pixels), the cairo surface and context, and one
// reference on the default font (for annotation texts and for fixed-metric fonts). Every immediate
// operation receives model coordinates and converts them through the current 2D viewpoint to
// pixels (origin bottom-left, y up; model units are pixels when there is no 2D viewpoint); the
// flip to cairo's top-down rows is the last step. Colours and line widths (device pixels) come
// from the current graphic attribute set. 3D points are first projected to 2D model points by an
// oblique projection. Bad input (null pointers, counts <= 0, NaN or infinite coordinates) is
// skipped; geometry far outside the surface is clipped before it reaches cairo.
#ifndef CairoRender_H
#define CairoRender_H

#include <string>
#include <vector>

#include "CATMathVector2D.h"
#include "CATRender.h"
#include "HostTypes.h"
#include "OwnedSupport.h"
#include "RefPtr.h"

class QVTFddMathClipLines;
class WholeFile;
struct _cairo;
struct _cairo_surface;
struct _cairo_font_options;

class CairoRender : private OwnedSupport, public CATRender {
  HOST_META_DECLARE
 public:
  enum eOutput { PNG, SVG, PDF };
  // Larger surfaces are refused: the render then draws nothing and Finish fails.
  static constexpr long long kMaxPixels = 8192LL * 8192LL;
  static constexpr int kMaxSide = 32767;

  // A white surface of iWidthPx x iHeightPx pixels, written to iPath by Finish (the temporary file
  // of an SVG or PDF is made at once). The file is written whole or not at all: a failed or
  // unfinished one leaves iPath as it was.
  CairoRender(int iWidthPx, int iHeightPx, eOutput iKind, const std::string& iPath);
  // Draws into an existing cairo context (a window's), whose user space has iWidthPx x iHeightPx
  // pixels from its origin; holds a reference on the context. Nothing is painted before the first
  // operation, and Finish only flushes (S_OK while the context is sound).
  CairoRender(_cairo* iContext, int iWidthPx, int iHeightPx);
  ~CairoRender() override;
  CairoRender(const CairoRender&) = delete;
  CairoRender& operator=(const CairoRender&) = delete;

  // False when the surface could not be made (bad size, file not writable).
  bool IsValid() const;
  // Why the file could not be written (the system's reason, such as "Permission denied"); empty
  // while nothing failed or when the failure has no reason (a refused size).
  const std::string& GetError() const { return _Error; }
  int GetWidth() const { return _OwnedSupport.GetWidth(); }
  int GetHeight() const { return _OwnedSupport.GetHeight(); }
  eOutput GetKind() const { return _Kind; }

  // Fills the whole surface with the colour (0-255), erasing what was drawn: call it first.
  void SetBackground(int iRed, int iGreen, int iBlue, int iAlpha = 255);
  void SetAntialias(bool iOn);
  // Images of the model axes under the 3D projection, in 2D model units per 3D model unit.
  void SetProjection3D(const CATMathVector2D& iEx, const CATMathVector2D& iEy, const CATMathVector2D& iEz);

  // Writes the PNG, or completes the SVG or PDF file (after which nothing more is drawn).
  HRESULT Finish();

  // Straight-alpha RGBA of the pixel (iX, iY), pixel coordinates as drawn (origin bottom-left,
  // y up); false for vector outputs and outside the surface.
  bool GetPixel(int iX, int iY, unsigned char oRGBA[4]) const;
  // The same for every pixel, top row first, 4 * width bytes a row; false where GetPixel would be.
  bool GetPixels(unsigned char* oRGBA) const;
  // The picture drawn so far as the bytes of a PNG file; false where GetPixel would be, or when
  // memory runs out.
  bool EncodePng(std::vector<unsigned char>& oPng) const;

  void ImmediateDraw3DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) override;
  void ImmediateDraw3DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess) override;
  void ImmediateDraw3DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess) override;
  void ImmediateDraw3DAnnotationText(const float* iPosition, const CATUnicodeString& iText, CATAnchorPoint iAnchor,
                                     float iSize, int iFlag) override;
  void ImmediateDraw3DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom, int iFlag1,
                                 int iFlag2) override;
  void ImmediateDraw2DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) override;
  void ImmediateDraw2DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess) override;
  void ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess) override;
  void ImmediateDraw2DAnnotationText(const float* iPosition, const CATUnicodeString& iText, CATAnchorPoint iAnchor,
                                     float iSize, int iFlag, const CATGraphicAttributeSet* iTextAttribute,
                                     const CATGraphicAttributeSet* iFrameAttribute) override;
  void ImmediateDraw2DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom, int iFlag1,
                                 int iFlag2) override;
  void ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int iFlag1, int iFlag2, const int* iIndices1,
                              const int* iIndices2, const int* iIndices3, TessFlag iTess) override;
  void ImmediateDraw2DGeomText(const float* iOrigin, const CATUnicodeString& iText, float iHeight,
                               float iAngleDegrees, const CATFont* iFont) override;

 private:
  // The surface's pixels for reading (stride in oStride), once drawing is flushed; null for vector
  // outputs and for a window's surface that is not an image of at least the render's size.
  const unsigned char* PixelsToRead(int& oStride) const;

  // Cairo device coordinates (y down) of point iIndex of iPoints, iDim (2 or 3) floats a point;
  // false when a coordinate is not finite.
  bool ToDevice(const float* iPoints, int iDim, long long iIndex, double& oX, double& oY) const;
  // True when the context can draw; a context that fell into an error state is replaced. Takes
  // the viewpoint and viewport parameters the operation's conversions use.
  bool BeginOperation();
  void UseAttribute(const CATGraphicAttributeSet& iAttribute);
  // Device rectangle (x min, x max, y min, y max) beyond which geometry is cut.
  void ClipBounds(double iMargin, double oBounds[4]) const;

  // The clipper of lines iLineWidth pixels wide: far enough outside the surface that no cut end
  // shows.
  QVTFddMathClipLines LineClipper(double iLineWidth) const;
  // Segment (iFirst, iSecond) of iPoints in device coordinates (x0, y0, x1, y1), cut by iClipper;
  // false when a point cannot be converted or nothing of the segment is left.
  bool SegmentToDevice(const float* iPoints, int iDim, long long iFirst, long long iSecond,
                       const QVTFddMathClipLines& iClipper, double oSegment[4], bool& oStartCut,
                       bool& oEndCut) const;
  // Strokes the current path butt-capped with round joins.
  void StrokePath(const CATGraphicAttributeSet& iAttribute);
  // Points 0-1, 2-3, ... as separate segments (an odd last point is ignored).
  void DrawSegmentPairs(const float* iPoints, int iNbPoints, int iDim);
  void DrawPolyline(const float* iPoints, int iNbPoints, int iDim);
  // A line call: segment pairs under tessellation flag 1, else one polyline.
  void DrawLine(const float* iPoints, int iNbPoints, int iDim, TessFlag iTess);
  void FillPolygon(const float* iPoints, int iNbPoints, int iDim);
  void DrawMarkers(const float* iPoints, int iNbPoints, int iDim, CATSymbolType iSymbol);
  void DrawAnnotation(const float* iPosition, int iDim, const CATUnicodeString& iText, CATAnchorPoint iAnchor,
                      float iSize, const CATGraphicAttributeSet& iTextAttribute,
                      const CATGraphicAttributeSet* iFrameAttribute);
  void DrawImage(const float* iPosition, int iDim, const CATPixelImage* iImage);
  // The text options and default font; then the white page when iPaint.
  void Prepare(bool iPaint);

  eOutput _Kind;
  std::string _Path;
  // The SVG or PDF file being written; null for PNG, which is written at once by Finish.
  WholeFile* _File = nullptr;
  std::string _Error;
  _cairo_surface* _Surface = nullptr;
  _cairo* _Cr = nullptr;
  _cairo_font_options* _TextOptions = nullptr;
  RefPtr<CATFont> _DefaultFont;
  bool _Antialias = true;
  bool _Finished = false;
  // The context is the caller's: it is drawn into, never replaced, and no file is written.
  bool _Borrowed = false;
  HRESULT _FinishResult = E_FAIL;
  // The model-to-pixel conversion of the current operation (none without a 2D viewpoint).
  bool _OpHasViewpoint = false;
  double _OpPixelsPerUnit = 1.0;
  double _OpCenter[2] = {0.0, 0.0};
  double _OpHalfViewport[2] = {0.0, 0.0};
  CATMathVector2D _Projection[3] = {{1.0, 0.0}, {0.0, 1.0}, {-0.5, -0.35}};
};

#endif
