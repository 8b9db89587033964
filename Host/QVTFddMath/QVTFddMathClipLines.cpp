#include "QVTFddMathClipLines.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {
// Float infinities become the largest floats: in double precision their differences stay finite,
// so the clipping parameters never become inf / inf.
double FiniteCoordinate(float iValue) {
  if (std::isinf(iValue)) return iValue > 0.0f ? double(FLT_MAX) : -double(FLT_MAX);
  return iValue;
}

// One end of the clipped segment: its parameter on the input segment and, when a border cut it
// there, which border (an x border or a y border, and its coordinate).
struct ClipEnd {
  double _T;
  int _Axis;  // 0: not cut, 1: cut by an x border, 2: cut by a y border
  double _Border;
};

// One Liang-Barsky border test for the inequality iP * t <= iQ; false when the segment misses.
bool ClipAgainst(double iP, double iQ, int iAxis, double iBorder, ClipEnd& ioStart, ClipEnd& ioEnd) {
  if (iP == 0.0) return iQ >= 0.0;
  double lT = iQ / iP;
  if (iP < 0.0) {
    if (lT > ioEnd._T) return false;
    if (lT > ioStart._T) ioStart = {lT, iAxis, iBorder};
  } else {
    if (lT < ioStart._T) return false;
    if (lT < ioEnd._T) ioEnd = {lT, iAxis, iBorder};
  }
  return true;
}

// The ends of the part of the segment from (iX0, iY0) along (iDX, iDY) that lies in the box,
// against each border in turn; false when none does, or the box is empty (NaN bounds included).
bool ClipEnds(double iX0, double iY0, double iDX, double iDY, double iXMin, double iXMax, double iYMin,
              double iYMax, ClipEnd& oStart, ClipEnd& oEnd) {
  if (!(iXMin <= iXMax && iYMin <= iYMax)) return false;
  oStart = {0.0, 0, 0.0};
  oEnd = {1.0, 0, 0.0};
  return ClipAgainst(-iDX, iX0 - iXMin, 1, iXMin, oStart, oEnd) &&
         ClipAgainst(iDX, iXMax - iX0, 1, iXMax, oStart, oEnd) &&
         ClipAgainst(-iDY, iY0 - iYMin, 2, iYMin, oStart, oEnd) &&
         ClipAgainst(iDY, iYMax - iY0, 2, iYMax, oStart, oEnd);
}
}  // namespace

QVTFddMathClipLines::QVTFddMathClipLines(const CATMathBox2D& iBox)
    : _XMin(iBox.GetLow().GetX()),
      _XMax(iBox.GetHigh().GetX()),
      _YMin(iBox.GetLow().GetY()),
      _YMax(iBox.GetHigh().GetY()) {}

void QVTFddMathClipLines::Clip(const float* iSegment, float* oSegments, int& ioCount) const {
  if (!iSegment || !oSegments || ioCount < 0) return;
  for (int lI = 0; lI < 4; ++lI)
    if (std::isnan(iSegment[lI])) return;
  // Everything is read here, before the output entry (possibly the input) is written.
  double lX0 = FiniteCoordinate(iSegment[0]), lY0 = FiniteCoordinate(iSegment[1]);
  double lX1 = FiniteCoordinate(iSegment[2]), lY1 = FiniteCoordinate(iSegment[3]);
  bool lStartCut = false, lEndCut = false;
  if (!Clip(lX0, lY0, lX1, lY1, lStartCut, lEndCut)) return;
  float* lOut = oSegments + 4 * static_cast<size_t>(ioCount);
  lOut[0] = static_cast<float>(lX0);
  lOut[1] = static_cast<float>(lY0);
  lOut[2] = static_cast<float>(lX1);
  lOut[3] = static_cast<float>(lY1);
  ++ioCount;
}

bool QVTFddMathClipLines::Clip(double& ioX0, double& ioY0, double& ioX1, double& ioY1, bool& oStartCut,
                               bool& oEndCut) const {
  // Also false for NaN bounds.
  const double lX0 = ioX0, lY0 = ioY0, lDX = ioX1 - lX0, lDY = ioY1 - lY0;
  ClipEnd lStart, lEnd;
  if (!ClipEnds(lX0, lY0, lDX, lDY, _XMin, _XMax, _YMin, _YMax, lStart, lEnd)) return false;
  // An end that was not cut is exact. A cut end takes the border's own coordinate, which stays
  // exact even when the segment is so long next to the box that t cannot resolve the box; its
  // other coordinate is clamped so that rounding cannot put it outside.
  auto lPoint = [&](const ClipEnd& iEnd, double& ioX, double& ioY) {
    if (iEnd._Axis == 1) {
      ioX = iEnd._Border;
      ioY = std::min(std::max(lY0 + iEnd._T * lDY, _YMin), _YMax);
    } else if (iEnd._Axis == 2) {
      ioX = std::min(std::max(lX0 + iEnd._T * lDX, _XMin), _XMax);
      ioY = iEnd._Border;
    }
  };
  lPoint(lStart, ioX0, ioY0);
  lPoint(lEnd, ioX1, ioY1);
  oStartCut = lStart._Axis != 0;
  oEndCut = lEnd._Axis != 0;
  return true;
}

bool QVTFddMathClipLines::ClipParameters(double iX0, double iY0, double iDX, double iDY, double& oLow,
                                         double& oHigh) const {
  ClipEnd lStart, lEnd;
  if (!ClipEnds(iX0, iY0, iDX, iDY, _XMin, _XMax, _YMin, _YMax, lStart, lEnd)) return false;
  oLow = lStart._T;
  oHigh = lEnd._T;
  return true;
}
