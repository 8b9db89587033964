// Render that draws nothing and keeps every immediate-mode call with its arguments, for tests.
// Coordinates are kept as given (model coordinates). SetCurrentAttribute is kept too, as
// "SetCurrentAttribute" with ints [first word, red, green, blue, alpha]. A pixel image is kept as
// its position (floats), then ints [width, height, zoom, flag1, flag2, checksum of the pixels].
#ifndef RecordingRender_H
#define RecordingRender_H

#include <string>
#include <vector>

#include "CATRender.h"
#include "OwnedSupport.h"
#include "RecordedCall.h"

class RecordingRender : private OwnedSupport, public CATRender {
 public:
  // A viewport of iWidth x iHeight pixels: parameters (iWidth, iHeight, 1, 1).
  RecordingRender(int iWidth = 1000, int iHeight = 600);
  ~RecordingRender() override;
  RecordingRender(const RecordingRender&) = delete;
  RecordingRender& operator=(const RecordingRender&) = delete;

  const std::vector<RecordedCall>& Calls() const { return _Calls; }
  std::vector<RecordedCall> CallsOf(const std::string& iOp) const;
  size_t CountOf(const std::string& iOp) const;
  void Clear() { _Calls.clear(); }

  void SetCurrentAttribute(const CATGraphicAttributeSet& iAttribute) override;
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
  void Keep(const char* iOp, const float* iCoords, long long iNbCoords, std::vector<long long> iInts,
            const std::string& iText = std::string());
  void KeepImage(const char* iOp, const float* iPosition, int iNbCoords, const CATPixelImage* iImage, int iZoom,
                 int iFlag1, int iFlag2);
  void KeepText(const char* iOp, const float* iPosition, int iNbCoords, const CATUnicodeString& iText,
                CATAnchorPoint iAnchor, float iSize, int iFlag);

  std::vector<RecordedCall> _Calls;
};

#endif
