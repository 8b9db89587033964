#include "DashedLine.h"

#include <algorithm>
#include <cmath>

DashedLine::DashedLine(const std::vector<double>& iPattern, const CATMathBox2D& iClip)
    : _Clip(iClip), _Clipper(iClip) {
  for (double lLength : iPattern) {
    _Pattern.push_back(std::isfinite(lLength) && lLength > 0.0 ? lLength : 0.0);
    _Total += _Pattern.back();
  }
  // One length, none, or a pattern finer than a unit: a line without gaps.
  if (_Pattern.size() < 2 || !(_Total >= kMinPattern) || !std::isfinite(_Total)) {
    _Pattern = {HUGE_VAL};
    _Total = HUGE_VAL;
  }
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

void DashedLine::Advance(double iLength) {
  if (!(iLength > 0.0)) return;
  _PenDown = false;
  // Whole rounds of the pattern change nothing (a solid line has one of infinite length).
  double d = std::isfinite(_Total) ? std::fmod(iLength, _Total) : 0.0;
  if (!std::isfinite(d)) return;
  while (d >= _Left) {
    d -= _Left;
    _Phase = (_Phase + 1) % _Pattern.size();
    _Left = _Pattern[_Phase];
  }
  _Left -= d;
}

void DashedLine::Segment(double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  const double lLength = std::hypot(dx, dy);
  if (!std::isfinite(lLength)) {
    _PenDown = false;
    return;
  }
  double c0 = 0.0, c1 = 0.0;
  if (!(lLength > 0.0) || !_Clipper.ClipParameters(x0, y0, dx, dy, c0, c1)) {
    Advance(lLength);
    return;
  }
  // The part in the box, its ends kept in the box: far points lose precision, not the box.
  const double lLow[2] = {_Clip.GetLow().GetX(), _Clip.GetLow().GetY()};
  const double lHigh[2] = {_Clip.GetHigh().GetX(), _Clip.GetHigh().GetY()};
  auto lClamp = [](double v, double lo, double hi) { return std::min(hi, std::max(lo, v)); };
  const double ax = lClamp(x0 + dx * c0, lLow[0], lHigh[0]), ay = lClamp(y0 + dy * c0, lLow[1], lHigh[1]);
  const double bx = lClamp(x0 + dx * c1, lLow[0], lHigh[0]), by = lClamp(y0 + dy * c1, lLow[1], lHigh[1]);
  Advance(c0 * lLength);
  const double lInside = std::hypot(bx - ax, by - ay);
  const CATMathPoint2Df lBreak(NAN, NAN);
  auto lAt = [&](double t) {
    const double f = lInside > 0.0 ? t / lInside : 0.0;
    return CATMathPoint2Df(static_cast<float>(ax + (bx - ax) * f), static_cast<float>(ay + (by - ay) * f));
  };
  // The pattern's elements along the part in the box: no more than it is long over the pattern's.
  for (double t = 0.0; t < lInside;) {
    const double lStep = std::min(_Left, lInside - t);
    if (_Phase % 2 == 0) {
      const bool lGoesOn = _PenDown && t == 0.0;
      if (!lGoesOn) {
        if (!_Points.empty()) _Points.push_back(lBreak);
        _Points.push_back(lAt(t));
        _Interior = false;
      }
      AddPoint(lAt(t + lStep), lGoesOn);
      _PenDown = true;
    } else {
      _PenDown = false;
    }
    t += lStep;
    _Left -= lStep;
    if (_Left <= 0.0) {
      _Phase = (_Phase + 1) % _Pattern.size();
      _Left = _Pattern[_Phase];
    }
  }
  Advance((1.0 - c1) * lLength);
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
