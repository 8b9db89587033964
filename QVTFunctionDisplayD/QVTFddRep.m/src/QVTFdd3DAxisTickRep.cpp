#include "QVTFdd3DAxisTickRep.h"

#include <cmath>

#include "CAT3DAnnotationTextGP.h"
#include "CAT3DLineGP.h"
#include "CATUnicodeString.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddTickScaling.h"
#include "QVTIFddTicks.h"

QVTFDD_META_IMPLEMENT(QVTFdd3DAxisTickRep, CAT3DRep)

namespace {

// Ticks nearer an axis end than this (model units) get no value text.
const double kEndClearance = 15.0;
// Value texts stand this many tick lengths from the axis.
const double kTextTicks = 2.0;  // beyond the tick end
const char* const kValueFormat = "%g";
// A tick source is never asked for more ticks than this.
const int kMaxTicks = 10000;

bool IsFinite(const CATMathPoint& iPoint) {
  return std::isfinite(iPoint.GetX()) && std::isfinite(iPoint.GetY()) && std::isfinite(iPoint.GetZ());
}

// Draws the primitive once and destroys it; a primitive the heap could not supply is skipped.
void DrawOnce(CATGraphicPrimitive* iPrimitive, CATRender& iRender) {
  if (!iPrimitive) return;
  iPrimitive->Draw(iRender);
  iPrimitive->Destroy();
}

}  // namespace

QVTFdd3DAxisTickRep::QVTFdd3DAxisTickRep(const CATMathPoint& iStart, const CATMathPoint& iEnd,
                                         const CATMathDirection& iTickDirection, QVTIFddTicks* iTicks,
                                         unsigned char iShowValues, CATAnchorPoint iAnchor)
    : _Start(iStart),
      _End(iEnd),
      _TickDirection(iTickDirection),
      _Ticks(RefPtr<QVTIFddTicks>::Hold(iTicks)),
      _ShowValues(iShowValues),
      _Anchor(iAnchor) {}

QVTFdd3DAxisTickRep::QVTFdd3DAxisTickRep(QVTFdd3DAxisTickRep& iOther)
    : CAT3DRep(iOther),
      _TickDirection(1.0, 0.0, 0.0),
      _Ticks(iOther._Ticks),
      _ShowValues(iOther._ShowValues),
      _Anchor(iOther._Anchor) {}

QVTFdd3DAxisTickRep& QVTFdd3DAxisTickRep::operator=(QVTFdd3DAxisTickRep& iOther) {
  CAT3DRep::operator=(iOther);
  return *this;
}

QVTFdd3DAxisTickRep::~QVTFdd3DAxisTickRep() = default;

void QVTFdd3DAxisTickRep::DrawShading(CATRender& iRender, int) {
  if (!_Ticks) return;
  const CATMathVector t = static_cast<double>(_Ticks->GetTickLength()) * _TickDirection;
  RefPtr<QVTIFddTickScaling> lScaling;
  _Ticks->GetScaling(lScaling.Receive());
  if (!lScaling) return;

  const double lSMin = lScaling->Scale(_Ticks->GetMin(0));
  const double lSMax = lScaling->Scale(_Ticks->GetMax(0));
  // Half the range: the whole overflows for ranges at the ends of the doubles.
  const double lHalfRange = 0.5 * lSMax - 0.5 * lSMin;
  // A range of no extent, or not finite, has no positions.
  if (lHalfRange != 0.0 && std::isfinite(lHalfRange) && _Ticks->GetNbrTicks(0) > 0) {
    const CATMathVector lAxis = _End - _Start;
    for (int i = 0; i < kMaxTicks && i < _Ticks->GetNbrTicks(0); ++i) {
      const double v = _Ticks->GetTickValue(i, 0);
      const CATMathPoint P = _Start + lAxis * ((0.5 * lScaling->Scale(v) - 0.5 * lSMin) / lHalfRange);
      const CATMathPoint Q = P + t;
      if (!IsFinite(P) || !IsFinite(Q)) continue;
      const float lCoords[6] = {static_cast<float>(P.GetX()), static_cast<float>(P.GetY()),
                                static_cast<float>(P.GetZ()), static_cast<float>(Q.GetX()),
                                static_cast<float>(Q.GetY()), static_cast<float>(Q.GetZ())};
      DrawOnce(new CAT3DLineGP(lCoords, 2, 1, 0), iRender);
      if (!_ShowValues || !(P.DistanceTo(_Start) > kEndClearance) || !(P.DistanceTo(_End) > kEndClearance)) continue;
      CATUnicodeString lText;
      lText.BuildFromNum(v, kValueFormat);
      DrawOnce(new CAT3DAnnotationTextGP(CATMathPointf(Q + kTextTicks * t), lText, _Anchor, 0.0f, 0), iRender);
    }
  }
}
