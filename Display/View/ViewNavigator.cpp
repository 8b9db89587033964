#include "ViewNavigator.h"

#include <algorithm>
#include <cmath>

ViewNavigator::ViewNavigator(const AxisScale& iXScale, const AxisScale& iYScale, double iX0, double iX1, double iY0,
                             double iY1)
    : _XScale(iXScale),
      _YScale(iYScale),
      _View(iXScale.ToAxis(iX0), iXScale.ToAxis(iX1), iYScale.ToAxis(iY0), iYScale.ToAxis(iY1)) {}

ViewBox ViewNavigator::GetDataView() const { return ToDataView(_View); }

ViewBox ViewNavigator::ToDataView(const ViewBox& iView) const {
  return ViewBox(_XScale.FromAxis(iView.GetX0()), _XScale.FromAxis(iView.GetX1()), _YScale.FromAxis(iView.GetY0()),
                 _YScale.FromAxis(iView.GetY1()));
}

void ViewNavigator::SetDataBox(const CATMathBox2D& iBox, int iAreaHeight) {
  _Box = iBox;
  _AreaHeight = iAreaHeight;
  _HasBox = true;
}

bool ViewNavigator::ToAxis(double iX, double iY, double& oX, double& oY, bool iClamp) const {
  if (!_HasBox) return false;
  const double lLowX = _Box.GetLow().GetX(), lHighX = _Box.GetHigh().GetX();
  const double lLowY = _Box.GetLow().GetY(), lHighY = _Box.GetHigh().GetY();
  if (!(lHighX > lLowX) || !(lHighY > lLowY)) return false;
  // Model units are the area's pixels with y up.
  double lModelX = iX, lModelY = _AreaHeight - iY;
  const bool lInside = lModelX >= lLowX && lModelX <= lHighX && lModelY >= lLowY && lModelY <= lHighY;
  if (!lInside && !iClamp) return false;
  lModelX = std::min(std::max(lModelX, lLowX), lHighX);
  lModelY = std::min(std::max(lModelY, lLowY), lHighY);
  oX = _View.GetX0() + (lModelX - lLowX) / (lHighX - lLowX) * (_View.GetX1() - _View.GetX0());
  oY = _View.GetY0() + (lModelY - lLowY) / (lHighY - lLowY) * (_View.GetY1() - _View.GetY0());
  return true;
}

bool ViewNavigator::ToData(double iX, double iY, double& oX, double& oY, bool iClamp) const {
  double lX, lY;
  if (!ToAxis(iX, iY, lX, lY, iClamp)) return false;
  oX = _XScale.FromAxis(lX);
  oY = _YScale.FromAxis(lY);
  return true;
}

bool ViewNavigator::ToAreaX(double iX, double& oX) const {
  const double lAxis = _XScale.ToAxis(iX);
  const double lLow = _Box.GetLow().GetX(), lHigh = _Box.GetHigh().GetX();
  if (!_HasBox || !std::isfinite(lAxis) || !(lHigh > lLow)) return false;
  oX = lLow + (lAxis - _View.GetX0()) / (_View.GetX1() - _View.GetX0()) * (lHigh - lLow);
  return std::isfinite(oX);
}

void ViewNavigator::AxisPerPixel(double& oX, double& oY) const {
  oX = oY = 0.0;
  if (!_HasBox) return;
  const double lWidth = _Box.GetHigh().GetX() - _Box.GetLow().GetX();
  const double lHeight = _Box.GetHigh().GetY() - _Box.GetLow().GetY();
  if (lWidth > 0.0) oX = (_View.GetX1() - _View.GetX0()) / lWidth;
  if (lHeight > 0.0) oY = (_View.GetY1() - _View.GetY0()) / lHeight;
}

double ViewNavigator::ColumnWidth(double iX) const {
  double lColumn, lRow;
  AxisPerPixel(lColumn, lRow);
  return _XScale.FromAxis(iX + 0.5 * lColumn) - _XScale.FromAxis(iX - 0.5 * lColumn);
}

bool ViewNavigator::Wheel(double iX, double iY, double iSteps, bool iOnlyX, bool iOnlyY) {
  double lX, lY;
  if (!ToAxis(iX, iY, lX, lY, true)) return false;
  const double lFactor = std::pow(kWheelZoom, -iSteps);
  _View.Zoom(lX, lY, iOnlyY ? 1.0 : lFactor, iOnlyX ? 1.0 : lFactor);
  return true;
}

void ViewNavigator::DragBy(double iDX, double iDY) {
  double lPerX, lPerY;
  AxisPerPixel(lPerX, lPerY);
  _View = _DragView;
  // Area y grows downwards, axis y upwards.
  _View.Pan(-iDX * lPerX, iDY * lPerY);
}

bool ViewNavigator::ZoomToBox(double iX0, double iY0, double iX1, double iY1) {
  if (std::fabs(iX1 - iX0) < kSmallestBox || std::fabs(iY1 - iY0) < kSmallestBox) return false;
  double lX0, lY0, lX1, lY1;
  if (!ToAxis(iX0, iY0, lX0, lY0, true) || !ToAxis(iX1, iY1, lX1, lY1, true)) return false;
  _View.Show(lX0, lX1, lY0, lY1);
  return true;
}

void ViewNavigator::Step(eStep iStep) {
  const double lWidth = _View.GetX1() - _View.GetX0(), lHeight = _View.GetY1() - _View.GetY0();
  const double lCentreX = 0.5 * (_View.GetX0() + _View.GetX1()), lCentreY = 0.5 * (_View.GetY0() + _View.GetY1());
  switch (iStep) {
    case ePanLeft:
      _View.Pan(-kKeyPan * lWidth, 0.0);
      break;
    case ePanRight:
      _View.Pan(kKeyPan * lWidth, 0.0);
      break;
    case ePanUp:
      _View.Pan(0.0, kKeyPan * lHeight);
      break;
    case ePanDown:
      _View.Pan(0.0, -kKeyPan * lHeight);
      break;
    case eZoomIn:
      _View.Zoom(lCentreX, lCentreY, kWheelZoom, kWheelZoom);
      break;
    case eZoomOut:
      _View.Zoom(lCentreX, lCentreY, 1.0 / kWheelZoom, 1.0 / kWheelZoom);
      break;
    case eHome:
      _View.Home();
      break;
  }
}
