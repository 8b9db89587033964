#include "DashedLine.h"

#include <algorithm>
#include <cmath>

DashedLine::DashedLine(const std::vector<double>& iPattern, const CATMathBox2D& iClip) : _Clip(iClip) {
  double lTotal = 0.0;
  for (double lLength : iPattern) lTotal += std::isfinite(lLength) && lLength > 0.0 ? lLength : 0.0;
  if (lTotal > 0.0)
    for (double lLength : iPattern) _Pattern.push_back(std::isfinite(lLength) && lLength > 0.0 ? lLength : 0.0);
  // One length, or none: a line without gaps.
  if (_Pattern.size() < 2) _Pattern = {HUGE_VAL};
  if (_Pattern.size() % 2 == 1) _Pattern.push_back(0.0);
  Restart();
}

void DashedLine::Restart() {
  _Started = false;
  _PenDown = false;
  _Phase = 0;
  _Left = _Pattern[0];
}

void DashedLine::Add(double iX, double iY) {
  if (!std::isfinite(iX) || !std::isfinite(iY)) {
    Restart();
    return;
  }
  if (_Started) Segment(_LastX, _LastY, iX, iY);
  _Started = true;
  _LastX = iX;
  _LastY = iY;
}

bool DashedLine::Clip(double x0, double y0, double dx, double dy, double& oLow, double& oHigh) const {
  oLow = 0.0;
  oHigh = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - _Clip.GetLow().GetX(), _Clip.GetHigh().GetX() - x0, y0 - _Clip.GetLow().GetY(),
                       _Clip.GetHigh().GetY() - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0)
      oLow = std::max(oLow, t);
    else
      oHigh = std::min(oHigh, t);
  }
  return oLow <= oHigh;
}

void DashedLine::Segment(double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double lLength = std::hypot(dx, dy);
  if (!(lLength > 0.0)) return;
  double c0 = 1.0, c1 = 0.0;
  if (!Clip(x0, y0, dx, dy, c0, c1)) c0 = 2.0;
  c0 *= lLength;
  c1 *= lLength;
  const CATMathPoint2Df lBreak(NAN, NAN);
  double t = 0.0;
  // Pattern elements along the segment; a very long one (far outside the box) skips whole rounds.
  while (t < lLength) {
    const double lStep = std::min(_Left, lLength - t);
    const double a = std::max(t, c0), b = std::min(t + lStep, c1);
    if (_Phase % 2 == 0 && a <= b) {
      const CATMathPoint2Df lEnd(static_cast<float>(x0 + dx * b / lLength), static_cast<float>(y0 + dy * b / lLength));
      if (!(_PenDown && a == t)) {
        if (!_Points.empty()) _Points.push_back(lBreak);
        _Points.emplace_back(static_cast<float>(x0 + dx * a / lLength), static_cast<float>(y0 + dy * a / lLength));
        _Interior = false;
      }
      AddPoint(lEnd, _PenDown && a == t);
      _PenDown = b == t + lStep;
    } else {
      _PenDown = false;
    }
    t += lStep;
    _Left -= lStep;
    if (_Left <= 0.0) {
      _Phase = (_Phase + 1) % _Pattern.size();
      _Left = _Pattern[_Phase];
      if (t < c0 || t > c1) {
        // Outside the box only the phase matters: go round the pattern without stepping.
        double lTotal = 0.0;
        for (double lPart : _Pattern) lTotal += lPart;
        const double lTarget = t < c0 ? c0 : lLength;
        if (lTarget - t > lTotal) t += std::floor((lTarget - t) / lTotal) * lTotal;
      }
    }
  }
}

void DashedLine::AddPoint(const CATMathPoint2Df& iPoint, bool iGoesOn) {
  // Dense samples: a point close to the one before the last replaces the last, when that was close
  // too, so that a dash keeps a point per half unit, not per sample; the line moves less than that.
  const size_t n = _Points.size();
  if (iGoesOn && _Interior && n >= 2) {
    const CATMathPoint2Df& lAnchor = _Points[n - 2];
    const CATMathPoint2Df& lLast = _Points[n - 1];
    auto lNear = [&lAnchor](const CATMathPoint2Df& p) {
      return std::fabs(p.x - lAnchor.x) + std::fabs(p.y - lAnchor.y) < kMerge;
    };
    if (lNear(lLast) && lNear(iPoint)) {
      _Points[n - 1] = iPoint;
      return;
    }
  }
  _Points.push_back(iPoint);
  _Interior = true;
}
