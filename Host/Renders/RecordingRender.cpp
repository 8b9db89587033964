#include "RecordingRender.h"

#include "CATPixelImage.h"

RecordingRender::RecordingRender(int iWidth, int iHeight)
    : OwnedSupport(iWidth, iHeight), CATRender(_OwnedSupport) {
  SetViewportParameters(static_cast<float>(iWidth), static_cast<float>(iHeight), 1.0f, 1.0f);
}

RecordingRender::~RecordingRender() = default;

std::vector<RecordedCall> RecordingRender::CallsOf(const std::string& iOp) const {
  std::vector<RecordedCall> lCalls;
  for (const RecordedCall& lCall : _Calls)
    if (lCall.Op == iOp) lCalls.push_back(lCall);
  return lCalls;
}

size_t RecordingRender::CountOf(const std::string& iOp) const {
  size_t lCount = 0;
  for (const RecordedCall& lCall : _Calls)
    if (lCall.Op == iOp) ++lCount;
  return lCount;
}

void RecordingRender::Keep(const char* iOp, const float* iCoords, long long iNbCoords, std::vector<long long> iInts,
                           const std::string& iText) {
  RecordedCall lCall;
  lCall.Op = iOp;
  if (iCoords && iNbCoords > 0) lCall.Floats.assign(iCoords, iCoords + iNbCoords);
  lCall.Ints = std::move(iInts);
  lCall.Text = iText;
  _Calls.push_back(std::move(lCall));
}

void RecordingRender::KeepImage(const char* iOp, const float* iPosition, int iNbCoords, const CATPixelImage* iImage,
                                int iZoom, int iFlag1, int iFlag2) {
  int lWidth = 0, lHeight = 0;
  unsigned long long lSum = 1469598103934665603ULL;  // FNV-1a of the pixels
  if (iImage) {
    iImage->GetSize(lWidth, lHeight);
    if (const unsigned char* lPixels = iImage->GetPixels())
      for (size_t i = 0, n = size_t(lWidth) * size_t(lHeight) * 4; i < n; ++i) lSum = (lSum ^ lPixels[i]) * 1099511628211ULL;
  }
  Keep(iOp, iPosition, iNbCoords, {lWidth, lHeight, iZoom, iFlag1, iFlag2, static_cast<long long>(lSum >> 1)});
}

void RecordingRender::KeepText(const char* iOp, const float* iPosition, int iNbCoords, const CATUnicodeString& iText,
                               CATAnchorPoint iAnchor, float iSize, int iFlag) {
  Keep(iOp, iPosition, iNbCoords, {static_cast<long long>(iAnchor), iFlag}, iText.ToUTF8());
  _Calls.back().Floats.push_back(iSize);
}

void RecordingRender::SetCurrentAttribute(const CATGraphicAttributeSet& iAttribute) {
  CATRender::SetCurrentAttribute(iAttribute);
  int r, g, b, a;
  iAttribute.GetColor(r, g, b, a);
  Keep("SetCurrentAttribute", nullptr, 0, {static_cast<long long>(iAttribute.GetFirstWord()), r, g, b, a});
}

void RecordingRender::ImmediateDraw3DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) {
  Keep("ImmediateDraw3DMarker", iPoints, 3LL * iNbPoints, {iNbPoints, static_cast<long long>(iSymbol)});
}

void RecordingRender::ImmediateDraw3DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess) {
  Keep("ImmediateDraw3DPolyline", iPoints, 3LL * iNbPoints, {iNbPoints, iTess});
}

void RecordingRender::ImmediateDraw3DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess) {
  Keep("ImmediateDraw3DLine", iPoints, 3LL * iNbPoints, {iNbPoints, iLineFlag, iTess});
}

void RecordingRender::ImmediateDraw3DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                                    CATAnchorPoint iAnchor, float iSize, int iFlag) {
  KeepText("ImmediateDraw3DAnnotationText", iPosition, 3, iText, iAnchor, iSize, iFlag);
}

void RecordingRender::ImmediateDraw3DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom,
                                                int iFlag1, int iFlag2) {
  KeepImage("ImmediateDraw3DImagePixel", iPosition, 3, iImage, iZoom, iFlag1, iFlag2);
}

void RecordingRender::ImmediateDraw2DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) {
  Keep("ImmediateDraw2DMarker", iPoints, 2LL * iNbPoints, {iNbPoints, static_cast<long long>(iSymbol)});
}

void RecordingRender::ImmediateDraw2DPolyline(const float* iPoints, int iNbPoints, TessFlag iTess) {
  Keep("ImmediateDraw2DPolyline", iPoints, 2LL * iNbPoints, {iNbPoints, iTess});
}

void RecordingRender::ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess) {
  Keep("ImmediateDraw2DLine", iPoints, 2LL * iNbPoints, {iNbPoints, iLineFlag, iTess});
}

void RecordingRender::ImmediateDraw2DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                                    CATAnchorPoint iAnchor, float iSize, int iFlag,
                                                    const CATGraphicAttributeSet*, const CATGraphicAttributeSet*) {
  KeepText("ImmediateDraw2DAnnotationText", iPosition, 2, iText, iAnchor, iSize, iFlag);
}

void RecordingRender::ImmediateDraw2DImagePixel(const float* iPosition, const CATPixelImage* iImage, int iZoom,
                                                int iFlag1, int iFlag2) {
  KeepImage("ImmediateDraw2DImagePixel", iPosition, 2, iImage, iZoom, iFlag1, iFlag2);
}

void RecordingRender::ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int iFlag1, int iFlag2,
                                             const int* iIndices1, const int* iIndices2, const int* iIndices3,
                                             TessFlag iTess) {
  // Index arrays are kept only as present (1) or null (0).
  Keep("ImmediateDraw2DPolygon", iPoints, 2LL * iNbPoints,
       {iNbPoints, iFlag1, iFlag2, iIndices1 != nullptr, iIndices2 != nullptr, iIndices3 != nullptr, iTess});
}

void RecordingRender::ImmediateDraw2DGeomText(const float* iOrigin, const CATUnicodeString& iText, float iHeight,
                                              float iAngleDegrees, const CATFont*) {
  Keep("ImmediateDraw2DGeomText", iOrigin, 2, {}, iText.ToUTF8());
  _Calls.back().Floats.push_back(iHeight);
  _Calls.back().Floats.push_back(iAngleDegrees);
}
