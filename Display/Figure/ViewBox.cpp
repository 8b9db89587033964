#include "ViewBox.h"

#include <algorithm>
#include <cmath>
#include <limits>

ViewBox::ViewBox(double iX0, double iX1, double iY0, double iY1) {
  // A whole without width gets one unit, so that every later view has one.
  const auto lWhole = [](double iLow, double iHigh, double& oLow, double& oHigh) {
    if (!std::isfinite(iLow) || !std::isfinite(iHigh)) iLow = iHigh = 0.0;
    oLow = std::min(iLow, iHigh);
    oHigh = std::max(iLow, iHigh);
    if (!(oHigh > oLow)) {
      oLow -= 0.5;
      oHigh += 0.5;
    }
  };
  lWhole(iX0, iX1, _HomeX0, _HomeX1);
  lWhole(iY0, iY1, _HomeY0, _HomeY1);
  Home();
}

bool ViewBox::Shows(const ViewBox& iOther) const {
  return _X0 == iOther._X0 && _X1 == iOther._X1 && _Y0 == iOther._Y0 && _Y1 == iOther._Y1;
}

bool ViewBox::IsHome() const { return _X0 == _HomeX0 && _X1 == _HomeX1 && _Y0 == _HomeY0 && _Y1 == _HomeY1; }

void ViewBox::Home() {
  _X0 = _HomeX0;
  _X1 = _HomeX1;
  _Y0 = _HomeY0;
  _Y1 = _HomeY1;
}

void ViewBox::Zoom(double iX, double iY, double iFactorX, double iFactorY) {
  if (!(iFactorX > 0.0) || !(iFactorY > 0.0)) return;
  Set(iX + (_X0 - iX) / iFactorX, iX + (_X1 - iX) / iFactorX, iY + (_Y0 - iY) / iFactorY,
      iY + (_Y1 - iY) / iFactorY);
}

void ViewBox::Pan(double iDX, double iDY) { Set(_X0 + iDX, _X1 + iDX, _Y0 + iDY, _Y1 + iDY); }

void ViewBox::Show(double iX0, double iX1, double iY0, double iY1) {
  Set(std::min(iX0, iX1), std::max(iX0, iX1), std::min(iY0, iY1), std::max(iY0, iY1));
}

void ViewBox::Set(double iX0, double iX1, double iY0, double iY1) {
  if (!Acceptable(iX0, iX1, _HomeX1 - _HomeX0) || !Acceptable(iY0, iY1, _HomeY1 - _HomeY0)) return;
  _X0 = iX0;
  _X1 = iX1;
  _Y0 = iY0;
  _Y1 = iY1;
}

bool ViewBox::Acceptable(double iLow, double iHigh, double iWhole) {
  const double lWidth = iHigh - iLow;
  // Below a million doubles' steps the ticks of the axis could no longer tell values apart.
  const double lFinest = 1e6 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(iLow), std::fabs(iHigh));
  return std::isfinite(iLow) && std::isfinite(iHigh) && lWidth > lFinest && lWidth > 0.0 && lWidth <= 1000.0 * iWhole;
}
