#include "CairoRender.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <new>

#include "CAT2DViewpoint.h"
#include "CATFont.h"
#include "CATPixelImage.h"
#include "PngWriter.h"
#include "QVTFddMathClipLines.h"
#include "SegmentCoverage.h"
#include "WholeFile.h"

HOST_META_IMPLEMENT(CairoRender, CATRender, "Renders")

namespace {

// Marker half-size in pixels (markers are about 7 px across) and the radius of a dot.
constexpr double kMarkerHalf = 3.5;
constexpr double kDotRadius = 1.5;
// Annotation text size when the caller gives none, in pixels.
constexpr double kAnnotationPixels = 12.0;
// Texts taller than this many pixels are not drawn: FreeType cannot size glyphs without bound.
constexpr double kMaxTextPixels = 16384.0;
// Texts or images placed further than this from the origin cannot be on the surface.
constexpr double kFarPixels = 1.0e9;

bool sFinite(double iX, double iY) { return std::isfinite(iX) && std::isfinite(iY); }

// Cairo's vector streams write through this, so that the file's own errors (a full disk, a file
// size limit) fail the surface.
cairo_status_t sWriteToFile(void* iFile, const unsigned char* iData, unsigned int iLength) {
  return static_cast<WholeFile*>(iFile)->Write(iData, iLength) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

// Polygon clipping (Sutherland-Hodgman) streamed through the four sides of the rectangle without
// buffering the polygon: stage s keeps its first and previous vertex in ioState[s] and hands what
// survives its side to stage s + 1; stage 4 adds the vertex to the cairo path.
bool sInside(int iSide, double iX, double iY, const double iBounds[4]) {
  switch (iSide) {
    case 0: return iX >= iBounds[0];
    case 1: return iX <= iBounds[1];
    case 2: return iY >= iBounds[2];
    default: return iY <= iBounds[3];
  }
}

void sClipFeed(int iSide, double iX, double iY, const double iBounds[4], double ioState[4][4], bool ioHas[4],
               cairo_t* iCr, bool& ioStarted);

void sClipEdge(int iSide, double iX0, double iY0, double iX1, double iY1, bool iEmitEnd, const double iBounds[4],
               double ioState[4][4], bool ioHas[4], cairo_t* iCr, bool& ioStarted) {
  const bool lIn0 = sInside(iSide, iX0, iY0, iBounds), lIn1 = sInside(iSide, iX1, iY1, iBounds);
  if (lIn0 != lIn1) {
    double lX, lY;
    if (iSide < 2) {
      lX = iBounds[iSide];
      lY = iY0 + (lX - iX0) / (iX1 - iX0) * (iY1 - iY0);
    } else {
      lY = iBounds[iSide];
      lX = iX0 + (lY - iY0) / (iY1 - iY0) * (iX1 - iX0);
    }
    sClipFeed(iSide + 1, lX, lY, iBounds, ioState, ioHas, iCr, ioStarted);
  }
  if (lIn1 && iEmitEnd) sClipFeed(iSide + 1, iX1, iY1, iBounds, ioState, ioHas, iCr, ioStarted);
}

void sClipFeed(int iSide, double iX, double iY, const double iBounds[4], double ioState[4][4], bool ioHas[4],
               cairo_t* iCr, bool& ioStarted) {
  if (iSide == 4) {
    if (ioStarted) {
      cairo_line_to(iCr, iX, iY);
    } else {
      cairo_move_to(iCr, iX, iY);
      ioStarted = true;
    }
    return;
  }
  double* lState = ioState[iSide];
  if (!ioHas[iSide]) {
    ioHas[iSide] = true;
    lState[0] = lState[2] = iX;
    lState[1] = lState[3] = iY;
    if (sInside(iSide, iX, iY, iBounds)) sClipFeed(iSide + 1, iX, iY, iBounds, ioState, ioHas, iCr, ioStarted);
    return;
  }
  sClipEdge(iSide, lState[2], lState[3], iX, iY, true, iBounds, ioState, ioHas, iCr, ioStarted);
  lState[2] = iX;
  lState[3] = iY;
}

// The closing edge of each stage, from its last vertex back to its first (already handed on).
void sClipClose(const double iBounds[4], double ioState[4][4], bool ioHas[4], cairo_t* iCr, bool& ioStarted) {
  for (int lSide = 0; lSide < 4; ++lSide) {
    const double* lState = ioState[lSide];
    if (ioHas[lSide])
      sClipEdge(lSide, lState[2], lState[3], lState[0], lState[1], false, iBounds, ioState, ioHas, iCr, ioStarted);
  }
}

}  // namespace

CairoRender::CairoRender(int iWidthPx, int iHeightPx, eOutput iKind, const std::string& iPath)
    : OwnedSupport(iWidthPx, iHeightPx), CATRender(_OwnedSupport), _Kind(iKind), _Path(iPath) {
  SetViewportParameters(static_cast<float>(iWidthPx), static_cast<float>(iHeightPx), 1.0f, 1.0f);
  const bool lSizeOk = iWidthPx > 0 && iHeightPx > 0 && iWidthPx <= kMaxSide && iHeightPx <= kMaxSide &&
                       static_cast<long long>(iWidthPx) * iHeightPx <= kMaxPixels;
  if (!lSizeOk) return;
  if (iKind != PNG && !iPath.empty()) {
    _File = new (std::nothrow) WholeFile(iPath);
    if (!_File || !_File->IsGood()) {
      _Error = _File ? _File->GetError() : "out of memory";
      return;
    }
  }
  // Without a path a vector surface draws into nothing, and Finish fails.
  const cairo_write_func_t lWrite = _File ? sWriteToFile : nullptr;
  switch (iKind) {
    case PNG:
      _Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, iWidthPx, iHeightPx);
      break;
    case SVG:
      _Surface = cairo_svg_surface_create_for_stream(lWrite, _File, iWidthPx, iHeightPx);
      // One user unit per pixel, so that the drawing has the PNG's size.
      cairo_svg_surface_set_document_unit(_Surface, CAIRO_SVG_UNIT_PX);
      break;
    case PDF:
      _Surface = cairo_pdf_surface_create_for_stream(lWrite, _File, iWidthPx, iHeightPx);
      break;
  }
  if (!_Surface) return;
  _Cr = cairo_create(_Surface);
  Prepare(true);
}

CairoRender::CairoRender(_cairo* iContext, int iWidthPx, int iHeightPx)
    : OwnedSupport(iWidthPx, iHeightPx), CATRender(_OwnedSupport), _Kind(PNG), _Borrowed(true) {
  SetViewportParameters(static_cast<float>(iWidthPx), static_cast<float>(iHeightPx), 1.0f, 1.0f);
  if (!iContext || iWidthPx <= 0 || iHeightPx <= 0) return;
  _Cr = cairo_reference(iContext);
  _Surface = cairo_surface_reference(cairo_get_target(iContext));
  Prepare(false);
}

void CairoRender::Prepare(bool iPaint) {
  // Unhinted glyph placement, as the font measures, so the drawn text fills the measured box.
  _TextOptions = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(_TextOptions, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(_TextOptions, CAIRO_HINT_STYLE_NONE);
  _DefaultFont = RefPtr<CATFont>(CATFont::CreateDefault());
  SetAntialias(true);
  if (iPaint) SetBackground(255, 255, 255, 255);
}

CairoRender::~CairoRender() {
  _DefaultFont.Reset();
  if (_TextOptions) cairo_font_options_destroy(_TextOptions);
  if (_Cr) cairo_destroy(_Cr);
  // The surface may still write into the file as it goes: the file is removed after it.
  if (_Surface) cairo_surface_destroy(_Surface);
  delete _File;
}

bool CairoRender::IsValid() const {
  return _Surface && cairo_surface_status(_Surface) == CAIRO_STATUS_SUCCESS;
}

bool CairoRender::BeginOperation() {
  if (!IsValid() || !_Cr || (_Finished && _Kind != PNG)) return false;
  if (cairo_status(_Cr) != CAIRO_STATUS_SUCCESS) {
    if (_Borrowed) return false;
    cairo_destroy(_Cr);
    _Cr = cairo_create(_Surface);
    if (cairo_status(_Cr) != CAIRO_STATUS_SUCCESS) return false;
    cairo_set_antialias(_Cr, _Antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  }
  // The viewpoint's conversion, taken apart once: the conversion values are passed first, second,
  // fourth, third, as everywhere in the host.
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(GetViewpoint());
  float lParameters[4] = {0.0f, 0.0f, 1.0f, 1.0f};
  GetViewportParameters(lParameters[0], lParameters[1], lParameters[2], lParameters[3]);
  _OpHasViewpoint = lViewpoint != nullptr;
  if (lViewpoint) {
    _OpPixelsPerUnit = lViewpoint->PixelsPerUnit(lParameters[3], lParameters[2]);
    _OpCenter[0] = lViewpoint->GetCenter().GetX();
    _OpCenter[1] = lViewpoint->GetCenter().GetY();
    _OpHalfViewport[0] = 0.5 * lParameters[0];
    _OpHalfViewport[1] = 0.5 * lParameters[1];
  }
  cairo_new_path(_Cr);
  return true;
}

bool CairoRender::ToDevice(const float* iPoints, int iDim, long long iIndex, double& oX, double& oY) const {
  const float* lPoint = iPoints + iIndex * iDim;
  double lX = lPoint[0], lY = lPoint[1];
  if (iDim == 3) {
    const double lZ = lPoint[2];
    lX = lPoint[0] * _Projection[0].GetX() + lPoint[1] * _Projection[1].GetX() + lZ * _Projection[2].GetX();
    lY = lPoint[0] * _Projection[0].GetY() + lPoint[1] * _Projection[1].GetY() + lZ * _Projection[2].GetY();
  }
  if (!sFinite(lX, lY)) return false;
  if (_OpHasViewpoint) {
    // The viewpoint's model-to-pixel conversion, to the bit: a model point in floats, a pixel in floats.
    lX = static_cast<float>((double(static_cast<float>(lX)) - _OpCenter[0]) * _OpPixelsPerUnit + _OpHalfViewport[0]);
    lY = static_cast<float>((double(static_cast<float>(lY)) - _OpCenter[1]) * _OpPixelsPerUnit + _OpHalfViewport[1]);
  }
  oX = lX;
  oY = GetHeight() - lY;
  return sFinite(oX, oY);
}

void CairoRender::UseAttribute(const CATGraphicAttributeSet& iAttribute) {
  int lRed, lGreen, lBlue, lAlpha;
  iAttribute.GetColor(lRed, lGreen, lBlue, lAlpha);
  cairo_set_source_rgba(_Cr, lRed / 255.0, lGreen / 255.0, lBlue / 255.0, lAlpha / 255.0);
  cairo_set_line_width(_Cr, iAttribute.GetLineWidth());
}

void CairoRender::ClipBounds(double iMargin, double oBounds[4]) const {
  oBounds[0] = -iMargin;
  oBounds[1] = GetWidth() + iMargin;
  oBounds[2] = -iMargin;
  oBounds[3] = GetHeight() + iMargin;
}

void CairoRender::SetBackground(int iRed, int iGreen, int iBlue, int iAlpha) {
  if (!BeginOperation()) return;
  CATGraphicAttributeSet lColor;
  lColor.SetColor(iRed, iGreen, iBlue, iAlpha);
  cairo_save(_Cr);
  cairo_set_operator(_Cr, CAIRO_OPERATOR_SOURCE);
  UseAttribute(lColor);
  cairo_paint(_Cr);
  cairo_restore(_Cr);
}

void CairoRender::SetAntialias(bool iOn) {
  _Antialias = iOn;
  if (_Cr) cairo_set_antialias(_Cr, iOn ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  if (_TextOptions)
    cairo_font_options_set_antialias(_TextOptions, iOn ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
}

void CairoRender::SetProjection3D(const CATMathVector2D& iEx, const CATMathVector2D& iEy,
                                  const CATMathVector2D& iEz) {
  _Projection[0] = iEx;
  _Projection[1] = iEy;
  _Projection[2] = iEz;
}

HRESULT CairoRender::Finish() {
  if (!IsValid()) {
    if (_File && _Error.empty()) _Error = _File->GetError();
    return E_FAIL;
  }
  cairo_surface_flush(_Surface);
  if (_Borrowed) return cairo_status(_Cr) == CAIRO_STATUS_SUCCESS ? S_OK : E_FAIL;
  if (_Kind == PNG) {
    if (_Path.empty()) return E_FAIL;
    const bool lWritten = PngWriter::Write(_Path, cairo_image_surface_get_data(_Surface), GetWidth(), GetHeight(),
                                           cairo_image_surface_get_stride(_Surface), PngWriter::kDefaultLevel, &_Error);
    return lWritten ? S_OK : E_FAIL;
  }
  if (!_Finished) {
    cairo_surface_finish(_Surface);
    _Finished = true;
    const cairo_status_t lStatus = cairo_surface_status(_Surface);
    const bool lWritten = _File && lStatus == CAIRO_STATUS_SUCCESS && _File->Commit();
    if (!lWritten && _File)
      _Error = !_File->GetError().empty() ? _File->GetError() : cairo_status_to_string(lStatus);
    _FinishResult = lWritten ? S_OK : E_FAIL;
    // A finished surface writes no more; an uncommitted file goes now, not with the render.
    delete _File;
    _File = nullptr;
  }
  return _FinishResult;
}

const unsigned char* CairoRender::PixelsToRead(int& oStride) const {
  if (!IsValid() || _Kind != PNG) return nullptr;
  // A window's surface need not be an image in memory, nor of the render's size.
  if (_Borrowed && (cairo_surface_get_type(_Surface) != CAIRO_SURFACE_TYPE_IMAGE ||
                    cairo_image_surface_get_width(_Surface) < GetWidth() ||
                    cairo_image_surface_get_height(_Surface) < GetHeight()))
    return nullptr;
  cairo_surface_flush(_Surface);
  oStride = cairo_image_surface_get_stride(_Surface);
  return cairo_image_surface_get_data(_Surface);
}

bool CairoRender::EncodePng(std::vector<unsigned char>& oPng) const {
  int lStride = 0;
  const unsigned char* lData = PixelsToRead(lStride);
  return lData && PngWriter::Encode(lData, GetWidth(), GetHeight(), lStride, oPng);
}

bool CairoRender::GetPixel(int iX, int iY, unsigned char oRGBA[4]) const {
  if (!oRGBA || iX < 0 || iY < 0 || iX >= GetWidth() || iY >= GetHeight()) return false;
  int lStride = 0;
  const unsigned char* lData = PixelsToRead(lStride);
  if (!lData) return false;
  const int lRow = GetHeight() - 1 - iY;
  PngWriter::ConvertRow(lData + size_t(lRow) * lStride + size_t(iX) * 4, 1, oRGBA);
  return true;
}

bool CairoRender::GetPixels(unsigned char* oRGBA) const {
  int lStride = 0;
  const unsigned char* lData = oRGBA ? PixelsToRead(lStride) : nullptr;
  if (!lData) return false;
  const size_t lRowBytes = 4 * static_cast<size_t>(GetWidth());
  for (int r = 0; r < GetHeight(); ++r) PngWriter::ConvertRow(lData + size_t(r) * lStride, GetWidth(), oRGBA + r * lRowBytes);
  return true;
}

QVTFddMathClipLines CairoRender::LineClipper(double iLineWidth) const {
  double lBounds[4];
  ClipBounds(16.0 + iLineWidth, lBounds);
  return QVTFddMathClipLines(CATMathBox2D(lBounds[0], lBounds[1], lBounds[2], lBounds[3]));
}

bool CairoRender::SegmentToDevice(const float* iPoints, int iDim, long long iFirst, long long iSecond,
                                  const QVTFddMathClipLines& iClipper, double oSegment[4], bool& oStartCut,
                                  bool& oEndCut) const {
  return ToDevice(iPoints, iDim, iFirst, oSegment[0], oSegment[1]) &&
         ToDevice(iPoints, iDim, iSecond, oSegment[2], oSegment[3]) &&
         iClipper.Clip(oSegment[0], oSegment[1], oSegment[2], oSegment[3], oStartCut, oEndCut);
}

void CairoRender::StrokePath(const CATGraphicAttributeSet& iAttribute) {
  UseAttribute(iAttribute);
  cairo_set_line_cap(_Cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(_Cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(_Cr);
}

void CairoRender::DrawSegmentPairs(const float* iPoints, int iNbPoints, int iDim) {
  if (!iPoints || iNbPoints < 2 || !BeginOperation()) return;
  const CATGraphicAttributeSet& lAttribute = GetCurrentAttribute();
  const QVTFddMathClipLines lClipper = LineClipper(lAttribute.GetLineWidth());
  // Vertical and horizontal segments (most of a pixel-reduced curve) are filled first, as the
  // rectangles a butt-capped stroke covers: cairo fills boxes many times faster than it strokes.
  // The other segments are stroked in a second pass, only when there are any.
  const double lHalf = 0.5 * lAttribute.GetLineWidth();
  bool lAnyBox = false, lAnySlanted = false;
  double lSegment[4];
  bool lStartCut, lEndCut;
  for (long long i = 0; i + 1 < iNbPoints; i += 2) {
    if (!SegmentToDevice(iPoints, iDim, i, i + 1, lClipper, lSegment, lStartCut, lEndCut)) continue;
    const double lX0 = lSegment[0], lY0 = lSegment[1], lX1 = lSegment[2], lY1 = lSegment[3];
    if (lX0 != lX1 && lY0 != lY1) {
      lAnySlanted = true;
    } else if (lX0 != lX1 || lY0 != lY1) {  // a butt-capped stroke of no length shows nothing
      const double lXMin = std::min(lX0, lX1), lYMin = std::min(lY0, lY1);
      if (lX0 == lX1)
        cairo_rectangle(_Cr, lXMin - lHalf, lYMin, 2 * lHalf, std::fabs(lY1 - lY0));
      else
        cairo_rectangle(_Cr, lXMin, lYMin - lHalf, std::fabs(lX1 - lX0), 2 * lHalf);
      lAnyBox = true;
    }
  }
  if (lAnyBox) {
    UseAttribute(lAttribute);
    cairo_fill(_Cr);
  }
  if (!lAnySlanted) return;
  const auto lForSlanted = [&](auto&& iUse) {
    for (long long i = 0; i + 1 < iNbPoints; i += 2)
      if (SegmentToDevice(iPoints, iDim, i, i + 1, lClipper, lSegment, lStartCut, lEndCut) &&
          lSegment[0] != lSegment[2] && lSegment[1] != lSegment[3])
        iUse();
  };
  // On the render's own image the slanted segments are covered exactly, straight into the pixels:
  // cairo's scan converter walks the whole box they span, row by row, which for a reduced curve's
  // steps between columns costs more than all the rest of a small plot's drawing.
  if (_Kind == PNG && !_Borrowed && _Antialias) {
    SegmentCoverage lCoverage(GetWidth(), GetHeight());
    lForSlanted([&] { lCoverage.Add(lSegment[0], lSegment[1], lSegment[2], lSegment[3], lAttribute.GetLineWidth()); });
    int lColor[4];
    lAttribute.GetColor(lColor[0], lColor[1], lColor[2], lColor[3]);
    cairo_surface_flush(_Surface);
    const bool lDrawn =
        lCoverage.Composite(cairo_image_surface_get_data(_Surface), cairo_image_surface_get_stride(_Surface), lColor);
    cairo_surface_mark_dirty(_Surface);
    // Without memory for the coverage they are stroked after all.
    if (lDrawn) return;
  }
  cairo_new_path(_Cr);
  lForSlanted([&] {
    cairo_move_to(_Cr, lSegment[0], lSegment[1]);
    cairo_line_to(_Cr, lSegment[2], lSegment[3]);
  });
  StrokePath(lAttribute);
}

void CairoRender::DrawLine(const float* iPoints, int iNbPoints, int iDim, TessFlag iTess) {
  if (iTess == 1)
    DrawSegmentPairs(iPoints, iNbPoints, iDim);
  else
    DrawPolyline(iPoints, iNbPoints, iDim);
}

void CairoRender::DrawPolyline(const float* iPoints, int iNbPoints, int iDim) {
  if (!iPoints || iNbPoints < 2 || !BeginOperation()) return;
  const CATGraphicAttributeSet& lAttribute = GetCurrentAttribute();
  const QVTFddMathClipLines lClipper = LineClipper(lAttribute.GetLineWidth());
  // Consecutive visible segments stay one sub-path so that their joins are drawn; a point that
  // cannot be converted breaks the line.
  bool lAny = false, lHavePrevious = false, lPenAtPrevious = false;
  double lPrevious[2] = {0.0, 0.0};
  for (long long i = 0; i < iNbPoints; ++i) {
    double lX, lY;
    if (!ToDevice(iPoints, iDim, i, lX, lY)) {
      lHavePrevious = lPenAtPrevious = false;
      continue;
    }
    if (lHavePrevious) {
      double lX0 = lPrevious[0], lY0 = lPrevious[1], lX1 = lX, lY1 = lY;
      bool lStartCut, lEndCut;
      if (lClipper.Clip(lX0, lY0, lX1, lY1, lStartCut, lEndCut)) {
        if (!lPenAtPrevious || lStartCut) cairo_move_to(_Cr, lX0, lY0);
        cairo_line_to(_Cr, lX1, lY1);
        lPenAtPrevious = !lEndCut;
        lAny = true;
      } else {
        lPenAtPrevious = false;
      }
    }
    lPrevious[0] = lX;
    lPrevious[1] = lY;
    lHavePrevious = true;
  }
  if (lAny) StrokePath(lAttribute);
}

void CairoRender::FillPolygon(const float* iPoints, int iNbPoints, int iDim) {
  if (!iPoints || iNbPoints < 3 || !BeginOperation()) return;
  double lBounds[4];
  ClipBounds(16.0, lBounds);
  double lState[4][4] = {};
  bool lHas[4] = {false, false, false, false};
  bool lStarted = false;
  for (long long i = 0; i < iNbPoints; ++i) {
    double lX, lY;
    if (ToDevice(iPoints, iDim, i, lX, lY)) sClipFeed(0, lX, lY, lBounds, lState, lHas, _Cr, lStarted);
  }
  sClipClose(lBounds, lState, lHas, _Cr, lStarted);
  if (!lStarted) return;
  cairo_close_path(_Cr);
  UseAttribute(GetCurrentAttribute());
  cairo_fill(_Cr);
}

void CairoRender::DrawMarkers(const float* iPoints, int iNbPoints, int iDim, CATSymbolType iSymbol) {
  if (!iPoints || iNbPoints <= 0 || !BeginOperation()) return;
  const double lH = kMarkerHalf;
  double lBounds[4];
  ClipBounds(2.0 * lH + GetCurrentAttribute().GetLineWidth(), lBounds);
  const bool lFilled = iSymbol == CATSymbolFilledCircle || iSymbol == CATSymbolFilledSquare ||
                       iSymbol == CATSymbolFilledTriangle || iSymbol == CATSymbolDot;
  bool lAny = false;
  for (long long i = 0; i < iNbPoints; ++i) {
    double lX, lY;
    if (!ToDevice(iPoints, iDim, i, lX, lY)) continue;
    if (lX < lBounds[0] || lX > lBounds[1] || lY < lBounds[2] || lY > lBounds[3]) continue;
    lAny = true;
    switch (iSymbol) {
      case CATSymbolPlus:
        cairo_move_to(_Cr, lX - lH, lY);
        cairo_line_to(_Cr, lX + lH, lY);
        cairo_move_to(_Cr, lX, lY - lH);
        cairo_line_to(_Cr, lX, lY + lH);
        break;
      case CATSymbolCircle:
      case CATSymbolFilledCircle:
      case CATSymbolDot:
        cairo_new_sub_path(_Cr);
        cairo_arc(_Cr, lX, lY, iSymbol == CATSymbolDot ? kDotRadius : lH, 0.0, 2.0 * M_PI);
        cairo_close_path(_Cr);
        break;
      case CATSymbolSquare:
      case CATSymbolFilledSquare:
        cairo_rectangle(_Cr, lX - lH, lY - lH, 2.0 * lH, 2.0 * lH);
        break;
      case CATSymbolTriangle:
      case CATSymbolFilledTriangle:
        cairo_move_to(_Cr, lX, lY - lH);
        cairo_line_to(_Cr, lX + lH, lY + lH);
        cairo_line_to(_Cr, lX - lH, lY + lH);
        cairo_close_path(_Cr);
        break;
      case CATSymbolDiamond:
        cairo_move_to(_Cr, lX, lY - lH);
        cairo_line_to(_Cr, lX + lH, lY);
        cairo_line_to(_Cr, lX, lY + lH);
        cairo_line_to(_Cr, lX - lH, lY);
        cairo_close_path(_Cr);
        break;
      default:  // the cross, also for unknown symbols
        cairo_move_to(_Cr, lX - lH, lY - lH);
        cairo_line_to(_Cr, lX + lH, lY + lH);
        cairo_move_to(_Cr, lX - lH, lY + lH);
        cairo_line_to(_Cr, lX + lH, lY - lH);
        break;
    }
  }
  if (!lAny) return;
  UseAttribute(GetCurrentAttribute());
  if (lFilled) {
    cairo_fill(_Cr);
  } else {
    cairo_set_line_cap(_Cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(_Cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(_Cr);
  }
}

void CairoRender::DrawAnnotation(const float* iPosition, int iDim, const CATUnicodeString& iText,
                                 CATAnchorPoint iAnchor, float iSize, const CATGraphicAttributeSet& iTextAttribute,
                                 const CATGraphicAttributeSet* iFrameAttribute) {
  if (!iPosition || !_DefaultFont || !_DefaultFont->GetDrawingFace() || !BeginOperation()) return;
  const std::string lText = CATFont::sValidUTF8(iText);
  const double lSize = iSize > 0.0f && std::isfinite(iSize) ? double(iSize) : kAnnotationPixels;
  double lX, lY;
  if (lText.empty() || lSize > kMaxTextPixels || !ToDevice(iPosition, iDim, 0, lX, lY)) return;
  if (std::fabs(lX) > kFarPixels || std::fabs(lY) > kFarPixels) return;
  const double lWidth = _DefaultFont->GetAdvance(iText) * lSize;
  const double lDescent = _DefaultFont->GetDescent() * lSize;
  const double lTall = (_DefaultFont->GetAscent() + _DefaultFont->GetDescent()) * lSize;
  // Anchors run left, centre, right along x and bottom, middle, top along y.
  const int lAnchor = iAnchor >= CATAnchorBottomLeft && iAnchor <= CATAnchorTopRight ? int(iAnchor) : 0;
  const double lLeft = lX - 0.5 * (lAnchor % 3) * lWidth;
  const double lBottom = lY + 0.5 * (lAnchor / 3) * lTall;  // device y grows downwards
  if (lLeft > GetWidth() || lLeft + lWidth < 0.0 || lBottom - lTall > GetHeight() || lBottom < 0.0) return;
  if (iFrameAttribute) {
    UseAttribute(*iFrameAttribute);
    cairo_rectangle(_Cr, lLeft - 2.0, lBottom - lTall - 2.0, lWidth + 4.0, lTall + 4.0);
    cairo_stroke(_Cr);
  }
  cairo_save(_Cr);
  UseAttribute(iTextAttribute);
  cairo_set_font_face(_Cr, static_cast<cairo_font_face_t*>(_DefaultFont->GetDrawingFace()));
  cairo_set_font_size(_Cr, lSize);
  cairo_set_font_options(_Cr, _TextOptions);
  cairo_move_to(_Cr, lLeft, lBottom - lDescent);
  cairo_show_text(_Cr, lText.c_str());
  cairo_restore(_Cr);
}

void CairoRender::DrawImage(const float* iPosition, int iDim, const CATPixelImage* iImage) {
  if (!iPosition || !iImage || iImage->IsEmpty() || iImage->GetFormat() != 3 || !BeginOperation()) return;
  int lImageWidth = 0, lImageHeight = 0;
  iImage->GetSize(lImageWidth, lImageHeight);
  const unsigned char* lPixels = iImage->GetPixels();
  double lX, lY;
  if (!lPixels || lImageWidth <= 0 || lImageHeight <= 0 || !ToDevice(iPosition, iDim, 0, lX, lY)) return;
  if (std::fabs(lX) > kFarPixels || std::fabs(lY) > kFarPixels) return;
  // The pixel under the position, counted from the bottom, takes the image's bottom-left pixel.
  const long long lColumn0 = static_cast<long long>(std::floor(lX));
  const long long lRowUp0 = static_cast<long long>(std::floor(GetHeight() - lY));
  const long long lTop = GetHeight() - lRowUp0 - lImageHeight;  // device row of the image's top row
  // Only the part on the surface is converted.
  const long long lX0 = lColumn0 < 0 ? 0 : lColumn0, lY0 = lTop < 0 ? 0 : lTop;
  long long lX1 = lColumn0 + lImageWidth, lY1 = lTop + lImageHeight;
  if (lX1 > GetWidth()) lX1 = GetWidth();
  if (lY1 > GetHeight()) lY1 = GetHeight();
  if (lX0 >= lX1 || lY0 >= lY1) return;
  const int lWidth = static_cast<int>(lX1 - lX0), lHeight = static_cast<int>(lY1 - lY0);
  cairo_surface_t* lPatch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, lWidth, lHeight);
  unsigned char* lData = cairo_image_surface_get_data(lPatch);
  if (cairo_surface_status(lPatch) != CAIRO_STATUS_SUCCESS || !lData) {
    cairo_surface_destroy(lPatch);
    return;
  }
  cairo_surface_flush(lPatch);
  const int lStride = cairo_image_surface_get_stride(lPatch);
  unsigned int lAllAlpha = 255;
  for (int r = 0; r < lHeight; ++r) {
    // Device rows run downwards, image rows upwards.
    const long long lImageRow = lTop + lImageHeight - 1 - (lY0 + r);
    const unsigned char* lSource = lPixels + (size_t(lImageRow) * size_t(lImageWidth) + size_t(lX0 - lColumn0)) * 4;
    unsigned int* lTarget = reinterpret_cast<unsigned int*>(lData + size_t(r) * lStride);
    for (int c = 0; c < lWidth; ++c, lSource += 4) {
      const unsigned int lAlpha = lSource[3];
      lAllAlpha &= lAlpha;
      unsigned int lArgb = lAlpha << 24;
      // An opaque pixel, the common one, keeps its channels: the premultiplication gives them back.
      if (lAlpha == 255)
        lArgb |= unsigned(lSource[0]) << 16 | unsigned(lSource[1]) << 8 | lSource[2];
      else
        for (int k = 0; k < 3; ++k) lArgb |= ((lSource[k] * lAlpha + 127) / 255) << (16 - 8 * k);
      lTarget[c] = lArgb;
    }
  }
  cairo_surface_mark_dirty(lPatch);
  cairo_save(_Cr);
  // An opaque image over a picture in memory is copied, which is what drawing it over gives.
  if (lAllAlpha == 255 && cairo_surface_get_type(cairo_get_target(_Cr)) == CAIRO_SURFACE_TYPE_IMAGE)
    cairo_set_operator(_Cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(_Cr, lPatch, double(lX0), double(lY0));
  cairo_pattern_set_filter(cairo_get_source(_Cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(_Cr, double(lX0), double(lY0), lWidth, lHeight);
  cairo_fill(_Cr);
  cairo_restore(_Cr);
  cairo_surface_destroy(lPatch);
}

void CairoRender::ImmediateDraw2DGeomText(const float* iOrigin, const CATUnicodeString& iText, float iHeight,
                                          float iAngleDegrees, const CATFont* iFont) {
  if (!iOrigin || !iFont || !std::isfinite(iHeight) || !(iHeight > 0.0f) || !std::isfinite(iAngleDegrees)) return;
  // A fixed-metric font is drawn with the default face, stretched to the width it measures.
  const CATFont* lDrawing = iFont->GetDrawingFace() ? iFont : _DefaultFont.Get();
  if (!lDrawing || !lDrawing->GetDrawingFace() || !BeginOperation()) return;
  const std::string lText = CATFont::sValidUTF8(iText);
  const double lHeight = iHeight;
  const double lWidth = iFont->GetAdvance(iText) * lHeight;
  const double lTall = (iFont->GetAscent() + iFont->GetDescent()) * lHeight;
  const double lDrawnAdvance = lDrawing->GetAdvance(iText);  // per unit height
  const double lTallPerUnit = iFont->GetAscent() + iFont->GetDescent();
  if (lText.empty() || !(lWidth > 0.0) || !(lTall > 0.0) || !(lDrawnAdvance > 0.0)) return;

  // The box corners as the primitive gives them: origin, bottom-right and top-left after rotation.
  const double lRadians = double(iAngleDegrees) * (M_PI / 180.0);
  const double lCos = std::cos(lRadians), lSin = std::sin(lRadians);
  const float lCorners[6] = {iOrigin[0],
                             iOrigin[1],
                             static_cast<float>(iOrigin[0] + lCos * lWidth),
                             static_cast<float>(iOrigin[1] + lSin * lWidth),
                             static_cast<float>(iOrigin[0] - lSin * lTall),
                             static_cast<float>(iOrigin[1] + lCos * lTall)};
  double lOx, lOy, lBx, lBy, lTx, lTy;
  if (!ToDevice(lCorners, 2, 0, lOx, lOy) || !ToDevice(lCorners, 2, 1, lBx, lBy) ||
      !ToDevice(lCorners, 2, 2, lTx, lTy))
    return;
  const double lAx = lBx - lOx, lAy = lBy - lOy;  // along the baseline, the whole width
  const double lUx = lTx - lOx, lUy = lTy - lOy;  // upwards, the whole height
  const double lPixelHeight = std::hypot(lUx, lUy);
  if (!(lPixelHeight <= kMaxTextPixels) || std::fabs(lOx) > kFarPixels || std::fabs(lOy) > kFarPixels) return;
  const double lMinX = std::fmin(std::fmin(lOx, lOx + lAx), std::fmin(lOx + lUx, lOx + lAx + lUx));
  const double lMaxX = std::fmax(std::fmax(lOx, lOx + lAx), std::fmax(lOx + lUx, lOx + lAx + lUx));
  const double lMinY = std::fmin(std::fmin(lOy, lOy + lAy), std::fmin(lOy + lUy, lOy + lAy + lUy));
  const double lMaxY = std::fmax(std::fmax(lOy, lOy + lAy), std::fmax(lOy + lUy, lOy + lAy + lUy));
  if (lMaxX < 0.0 || lMinX > GetWidth() || lMaxY < 0.0 || lMinY > GetHeight()) return;

  // Glyph space in em units (font size 1, y down, origin on the baseline) onto the device box:
  // x runs the drawn advance across the box width, -y runs the em across ascent + descent.
  const double lDescentShare = iFont->GetDescent() / lTallPerUnit;
  cairo_matrix_t lMatrix;
  cairo_matrix_init(&lMatrix, lAx / lDrawnAdvance, lAy / lDrawnAdvance, -lUx / lTallPerUnit, -lUy / lTallPerUnit,
                    lOx + lUx * lDescentShare, lOy + lUy * lDescentShare);
  const double lDeterminant = lMatrix.xx * lMatrix.yy - lMatrix.xy * lMatrix.yx;
  if (!std::isfinite(lDeterminant) || std::fabs(lDeterminant) < 1e-12) return;
  cairo_save(_Cr);
  cairo_set_matrix(_Cr, &lMatrix);
  UseAttribute(GetCurrentAttribute());
  cairo_set_font_face(_Cr, static_cast<cairo_font_face_t*>(lDrawing->GetDrawingFace()));
  cairo_set_font_size(_Cr, 1.0);
  cairo_set_font_options(_Cr, _TextOptions);
  cairo_move_to(_Cr, 0.0, 0.0);
  cairo_show_text(_Cr, lText.c_str());
  cairo_restore(_Cr);
}

void CairoRender::ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int, TessFlag iTess) {
  DrawLine(iPoints, iNbPoints, 2, iTess);
}

void CairoRender::ImmediateDraw2DPolyline(const float* iPoints, int iNbPoints, TessFlag) {
  DrawPolyline(iPoints, iNbPoints, 2);
}

void CairoRender::ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int, int, const int*, const int*,
                                         const int*, TessFlag) {
  FillPolygon(iPoints, iNbPoints, 2);
}

void CairoRender::ImmediateDraw2DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) {
  DrawMarkers(iPoints, iNbPoints, 2, iSymbol);
}

void CairoRender::ImmediateDraw2DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                                CATAnchorPoint iAnchor, float iSize, int,
                                                const CATGraphicAttributeSet* iTextAttribute,
                                                const CATGraphicAttributeSet* iFrameAttribute) {
  DrawAnnotation(iPosition, 2, iText, iAnchor, iSize, iTextAttribute ? *iTextAttribute : GetCurrentAttribute(),
                 iFrameAttribute);
}

void CairoRender::ImmediateDraw2DImagePixel(const float* iPosition, const CATPixelImage* iImage, int, int, int) {
  DrawImage(iPosition, 2, iImage);
}

void CairoRender::ImmediateDraw3DLine(const float* iPoints, int iNbPoints, int, TessFlag iTess) {
  DrawLine(iPoints, iNbPoints, 3, iTess);
}

void CairoRender::ImmediateDraw3DPolyline(const float* iPoints, int iNbPoints, TessFlag) {
  DrawPolyline(iPoints, iNbPoints, 3);
}

void CairoRender::ImmediateDraw3DMarker(const float* iPoints, int iNbPoints, CATSymbolType iSymbol) {
  DrawMarkers(iPoints, iNbPoints, 3, iSymbol);
}

void CairoRender::ImmediateDraw3DAnnotationText(const float* iPosition, const CATUnicodeString& iText,
                                                CATAnchorPoint iAnchor, float iSize, int) {
  DrawAnnotation(iPosition, 3, iText, iAnchor, iSize, GetCurrentAttribute(), nullptr);
}

void CairoRender::ImmediateDraw3DImagePixel(const float* iPosition, const CATPixelImage* iImage, int, int, int) {
  DrawImage(iPosition, 3, iImage);
}
