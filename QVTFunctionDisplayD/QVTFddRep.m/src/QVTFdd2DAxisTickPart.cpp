#include "QVTFdd2DAxisTickPart.h"

#include <cmath>

#include "CAT2DLineGP.h"
#include "CATMathPoint2Df.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddConstants.h"
#include "QVTFddGPList.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddTickScaling.h"
#include "QVTIFddTicks.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisTickPart, QVTFdd2DAxisPart)

namespace {

const double kRegionTolerance = 0.00001;
// Texts measured while the level is chosen are kept for the drawing pass, by tick index.
const int kCacheSize = 20;

QVTFddMathRegion EmptyRegion() { return QVTFddMathRegion(kRegionTolerance, nullptr); }

// What one AddPrim call needs to place ticks: the axis mapping of scaled values and the offsets of
// marks and texts along the part direction.
struct TickLayout {
  QVTIFddTicks* Ticks;
  QVTIFddTickScaling* Scaling;
  CATMathPoint2D Start;
  CATMathVector2D Axis;  // axis vector from the first to the last scaled value
  double SMin, SMax;
  double HalfRange;  // half of SMax - SMin: the whole overflows for ranges at the ends of the doubles
  int ShowLimits;
  CATMathVector2D Mark0, Mark1, TextOffset;
  float TextHeight;
  CATFont* Font;
  CATMathDirection2D Direction;

  // Position of the tick on the axis; false when the tick is not drawn at all (left out as a
  // range end under the show-limits flag, or at no finite position).
  bool Place(double iScaled, CATMathPoint2D& oPosition) const {
    oPosition = Start + Axis * ((0.5 * iScaled - 0.5 * SMin) / HalfRange);
    if (!std::isfinite(oPosition.GetX()) || !std::isfinite(oPosition.GetY())) return false;
    const bool lAtAnEnd =
        std::fabs(SMin - iScaled) <= QVTFddDoubleEpsilon || std::fabs(SMax - iScaled) <= QVTFddDoubleEpsilon;
    return !(ShowLimits && lAtAnEnd);
  }

  QVTFdd2DAxisText MakeText(double iValue, const CATMathPoint2D& iPosition) const {
    return QVTFdd2DAxisText(TextHeight, Font, Scaling->ValueToText(Scaling->GetTextValue(iValue)),
                            iPosition + TextOffset, Direction, CATMathDirection2D(0.0, 1.0), 1);
  }

  // Number of ticks of level iLevel, never more than the part handles.
  int NbrTicks(int iLevel) const {
    const int lNbr = Ticks->GetNbrTicks(iLevel);
    return lNbr < QVTFdd2DAxisTickPart::kMaxTicksPerLevel ? lNbr : QVTFdd2DAxisTickPart::kMaxTicksPerLevel;
  }
};

}  // namespace

QVTFdd2DAxisTickPart::QVTFdd2DAxisTickPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                           const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                           QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                                           const QVTFddMathRegion& iOccupied, QVTIFddTicks* iTicks, int iShowLimits,
                                           int iDetailLevel)
    : QVTFdd2DAxisPart(iStart, iEnd, iDirection, iTextHeight, iFont, iTickPosition, iOccupied),
      _Ticks(RefPtr<QVTIFddTicks>::Hold(iTicks)),
      _ShowLimits(iShowLimits),
      _DetailLevel(iDetailLevel) {}

QVTFdd2DAxisTickPart::QVTFdd2DAxisTickPart() : _ShowLimits(0), _DetailLevel(-1) {}

QVTFdd2DAxisTickPart::~QVTFdd2DAxisTickPart() = default;

QVTFddMathRegion QVTFdd2DAxisTickPart::AddPrim(QVTFddGPList*& ioList) {
  QVTFddMathRegion lResult = EmptyRegion();
  if (!_Ticks) return lResult;

  // Mark from s0 to s1 and text at t along the direction; computed in double so that no tick
  // length can overflow.
  const double lLength = _Ticks->GetTickLength();
  double s0 = 0.0, s1 = 0.0, t = 1.0;
  switch (_TickPosition) {
    case QVTFdd2DAxisTickPosition::eOutside:
      s1 = lLength;
      t = lLength + 1.0;
      break;
    case QVTFdd2DAxisTickPosition::eInside:
      s0 = -lLength;
      break;
    case QVTFdd2DAxisTickPosition::eCentered:
      s0 = -lLength * 0.5;
      s1 = lLength * 0.5;
      t = lLength * 0.5 + 1.0;
      break;
    default:
      break;
  }

  RefPtr<QVTIFddTickScaling> lScaling;
  _Ticks->GetScaling(lScaling.Receive());
  if (!lScaling) return lResult;

  TickLayout lLayout;
  lLayout.Ticks = _Ticks.Get();
  lLayout.Scaling = lScaling.Get();
  lLayout.Start = _Start;
  lLayout.SMin = lScaling->Scale(_Ticks->GetMin(0));
  lLayout.SMax = lScaling->Scale(_Ticks->GetMax(0));
  // A range of no extent, or not finite, has no positions: nothing is drawn, the level stays.
  lLayout.HalfRange = 0.5 * lLayout.SMax - 0.5 * lLayout.SMin;
  if (lLayout.HalfRange == 0.0 || !std::isfinite(lLayout.HalfRange)) return lResult;
  lLayout.Axis = _End - _Start;
  lLayout.ShowLimits = _ShowLimits;
  lLayout.Mark0 = s0 * _Direction;
  lLayout.Mark1 = s1 * _Direction;
  lLayout.TextOffset = t * _Direction;
  lLayout.TextHeight = _TextHeight;
  lLayout.Font = _Font;
  lLayout.Direction = _Direction;

  QVTFdd2DAxisText lCache[kCacheSize];
  bool lCached[kCacheSize] = {};
  int lCachedLevel = -1;

  if (_DetailLevel == -1) {
    // The first level whose texts all fit; a level without ticks ends the search and is taken.
    int lFound = -1;
    for (int K = 0; K < _Ticks->GetNbrLevels() && K < kMaxLevels; ++K) {
      QVTFddMathRegion Q = _Occupied;
      for (bool& lEntry : lCached) lEntry = false;
      if (_Ticks->GetNbrTicks(K) <= 0) {
        lFound = K;
        break;
      }
      bool lFits = true;
      for (int i = 0; lFits && i < lLayout.NbrTicks(K); ++i) {
        const double v = _Ticks->GetTickValue(i, K);
        CATMathPoint2D p;
        if (!lLayout.Place(lScaling->Scale(v), p) || !_Ticks->AreValuesVisible()) continue;
        QVTFdd2DAxisText lText = lLayout.MakeText(v, p);
        QVTFddMathRegion lRegion = lText.GetRegion(Q);
        if (i < kCacheSize) {
          lCache[i] = lText;
          lCached[i] = true;
        }
        if (lRegion.mf_IsEmpty())
          lFits = false;
        else
          Q = Q | lRegion;
      }
      if (lFits) {
        lFound = K;
        break;
      }
    }
    if (lFound >= 0) {
      _DetailLevel = lFound;
      lCachedLevel = lFound;
    } else {
      // Every level failed: the sparsest one, its texts placed first come first served.
      int lNbrLevels = _Ticks->GetNbrLevels();
      if (lNbrLevels < 0) lNbrLevels = 0;
      _DetailLevel = (lNbrLevels < kMaxLevels ? lNbrLevels : kMaxLevels) - 1;
    }
  }

  const int L = _DetailLevel;
  QVTFddMathRegion O = _Occupied;
  for (int i = 0; i < lLayout.NbrTicks(L); ++i) {
    const double v = _Ticks->GetTickValue(i, L);
    CATMathPoint2D p;
    if (!lLayout.Place(lScaling->Scale(v), p)) continue;
    const CATMathPoint2Df lMark[2] = {CATMathPoint2Df(p + lLayout.Mark0), CATMathPoint2Df(p + lLayout.Mark1)};
    QVTFddGPList::Push(ioList, new CAT2DLineGP(lMark, 2, 1, 0));
    if (!_Ticks->AreValuesVisible()) continue;
    const bool lFromCache = L == lCachedLevel && i < kCacheSize && lCached[i];
    QVTFddMathRegion lRegion = lFromCache ? lCache[i].AddPrim(ioList, O) : lLayout.MakeText(v, p).AddPrim(ioList, O);
    lResult = lResult | lRegion;
    O = O | lRegion;
  }

  return lResult;
}
