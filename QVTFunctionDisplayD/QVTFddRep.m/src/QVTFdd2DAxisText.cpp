#include "QVTFdd2DAxisText.h"

#include <cmath>

#include "CAT2DBoundingBox.h"
#include "CAT2DGeomTextAttributeSet.h"
#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "CATMathLine2D.h"
#include "CATMathTransformation2D.h"
#include "QVTFddGPList.h"
#include "QVTFddMathNormal.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisText, CATBaseUnknown)

namespace {

const double kRegionTolerance = 0.00001;
// Exact, so that the drawn text lies in the box the layout tested.
const double kDegreesPerRadian = 57.295779513082320876798;
const double kMinimalExtent = 1e-9;

// Layout values handed unchanged to the font and to the text primitive, so that the text is drawn
// at the size it was measured.
const int kLayout1 = 0, kLayout2 = 4, kLayout3 = 0, kFontSlot = 0;
const float kWrapWidth = -10000.0f, kWidthRatio = 1.0f, kSlant = 0.0f;

// The attribute set depends on font and height only; one entry serves a run of texts of the same
// font and height. Shared by all axis texts of a thread (threads lay out figures of their own),
// never cleared.
struct MeasuringCache {
  CAT2DGeomTextAttributeSet Set;
  const CATFont* Font = nullptr;
  float Height = -1.0f;
  unsigned long Computations = 0;
};
thread_local MeasuringCache sCache;

const CAT2DGeomTextAttributeSet& AttributeSetFor(const CATUnicodeString& iText, float iHeight, CATFont* iFont) {
  if (iHeight != sCache.Height || iFont != sCache.Font) {
    const float lOrigin[2] = {0.0f, 0.0f};
    CATFont::sComputeGeomAttributeSet(sCache.Set, lOrigin, iText, iHeight, kLayout1, kLayout2, kLayout3, iFont,
                                      kFontSlot, 0.0f, kWrapWidth, kWidthRatio, kSlant);
    sCache.Font = iFont;
    sCache.Height = iHeight;
    ++sCache.Computations;
  }
  return sCache.Set;
}

// An extent of exactly 0 becomes tiny so that box and region are never degenerate; an empty box
// (the font could not measure) counts as 0.
double Extent(float iMin, float iMax, bool iEmpty) {
  double lExtent = iEmpty ? 0.0 : double(iMax) - double(iMin);
  return lExtent == 0.0 ? kMinimalExtent : lExtent;
}

}  // namespace

QVTFdd2DAxisText::QVTFdd2DAxisText() : _TextHeight(0.0f), _Font(nullptr), _Angle(0.0) {}

QVTFdd2DAxisText::QVTFdd2DAxisText(float iTextHeight, CATFont* iFont, const CATUnicodeString& iText,
                                   const CATMathPoint2D& iPosition, const CATMathDirection2D& iPlacement,
                                   const CATMathDirection2D& iUp, int iAnchorMode)
    : _Text(iText), _TextHeight(iTextHeight), _Font(iFont), _Offset(0.0, 0.0), _Angle(0.0) {
  const CAT2DGeomTextAttributeSet& lSet = AttributeSetFor(_Text, _TextHeight, _Font);
  CAT2DBoundingBox lMetrics;
  CATFont::sComputeTextGlobalMetrics(lMetrics, _Text, lSet, _Font);
  const double w = Extent(lMetrics.GetXMin(), lMetrics.GetXMax(), lMetrics.IsEmpty());
  const double h = Extent(lMetrics.GetYMin(), lMetrics.GetYMax(), lMetrics.IsEmpty());

  const CATMathPoint2D lCorners[4] = {CATMathPoint2D(0.0, 0.0), CATMathPoint2D(0.0, h), CATMathPoint2D(w, h),
                                      CATMathPoint2D(w, 0.0)};
  _Polygon.SetPoints(lCorners, 4);
  _Angle = iUp.GetAngleTo(CATMathVector2D(0.0, 1.0));
  _Polygon *= CATMathTransformation2D(_Angle, CATMathPoint2D(0.0, 0.0), 2);

  // The edge whose inward normal is nearest the placement direction faces the position; on a tie
  // the lower edge wins.
  double lBest = 10000.0;
  int lEdge = -1;
  for (int i = 0; i < 4; ++i) {
    CATMathDirection2D n = QVTFddMathNormal(_Polygon.GetLine(i));
    double a = iPlacement.GetAngleTo(CATMathVector2D(-n.GetX(), -n.GetY()));
    if (std::fabs(lBest) > std::fabs(a)) {
      lBest = a;
      lEdge = i;
    }
  }
  // A and B of each edge, A the corner nearer the text origin along the edge.
  static const int kA[4] = {0, 1, 3, 0};
  static const int kB[4] = {1, 2, 2, 3};
  CATMathPoint2D A, B;
  if (lEdge < 0) {
    QVTFDD_ASSERTION("QVTFdd2DAxisText", "A line between 0 and 3 must be selected\n");
  } else {
    A = _Polygon.GetPoint(kA[lEdge]);
    B = _Polygon.GetPoint(kB[lEdge]);
  }

  CATMathPoint2D lAnchor;
  switch (iAnchorMode) {
    case 0:
      lAnchor = A;
      break;
    case 1:
      lAnchor.SetCoord((A.GetX() + B.GetX()) * 0.5, (A.GetY() + B.GetY()) * 0.5);
      break;
    case 2:
      lAnchor = B;
      break;
    default:
      break;
  }
  _Offset = iPosition - lAnchor;
  CATMathBox2D lTurned = _Polygon.GetBoundingBox();
  _Box.SetLow(lTurned.GetLow() + _Offset);
  _Box.SetHigh(lTurned.GetHigh() + _Offset);
}

QVTFdd2DAxisText::QVTFdd2DAxisText(const QVTFdd2DAxisText& iOther) = default;
QVTFdd2DAxisText& QVTFdd2DAxisText::operator=(const QVTFdd2DAxisText& iOther) = default;

QVTFdd2DAxisText::~QVTFdd2DAxisText() { _Font = nullptr; }

QVTFddMathRegion QVTFdd2DAxisText::GetRegion(const QVTFddMathRegion& iOccupied) const {
  if (!_Font) {
    QVTFDD_ASSERTION("QVTFdd2DAxisText", "Cannot draw because I'm not initialized\n");
    return QVTFddMathRegion(kRegionTolerance, nullptr);
  }
  if (iOccupied & _Box) return QVTFddMathRegion(kRegionTolerance, nullptr);
  return QVTFddMathRegion(_Box, kRegionTolerance, nullptr, nullptr);
}

QVTFddMathRegion QVTFdd2DAxisText::AddPrim(QVTFddGPList*& ioList, const QVTFddMathRegion& iOccupied) const {
  QVTFddMathRegion lRegion = GetRegion(iOccupied);
  if (lRegion.mf_IsEmpty()) return lRegion;

  const CATMathPoint2D lOrigin = _Polygon.GetPoint(0) + _Offset;
  const float lOriginf[2] = {static_cast<float>(lOrigin.GetX()), static_cast<float>(lOrigin.GetY())};
  const float lDegrees = static_cast<float>(_Angle * kDegreesPerRadian);
  CAT2DGeometricTextGP* lText = new CAT2DGeometricTextGP(lOriginf, _Text, _TextHeight, kLayout1, kLayout2, kLayout3,
                                                         _Font, kFontSlot, lDegrees, kWrapWidth, kWidthRatio, kSlant);
  if (!QVTFddGPList::Push(ioList, lText)) return QVTFddMathRegion(kRegionTolerance, nullptr);
  return lRegion;
}

unsigned long QVTFdd2DAxisText::GetNbAttributeSetComputations() { return sCache.Computations; }
