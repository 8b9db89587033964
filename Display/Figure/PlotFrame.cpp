#include "PlotFrame.h"

#include "PlotAxis.h"

PlotFrame::PlotFrame(const PlotAxis& iXAxis, const PlotAxis& iYAxis, double iXMin, double iXMax, double iYMin,
                     double iYMax, const CATMathBox2D& iBox)
    : _XAxis(iXAxis), _YAxis(iYAxis), _XMin(iXMin), _XMax(iXMax), _YMin(iYMin), _YMax(iYMax), _Box(iBox) {}

CATMathBox2D PlotFrame::GetAxisBox() const {
  return CATMathBox2D(_XAxis.ToAxis(_XMin), _XAxis.ToAxis(_XMax), _YAxis.ToAxis(_YMin), _YAxis.ToAxis(_YMax));
}

double PlotFrame::ModelX(double iValue) const {
  return ToModel(_XAxis, _XMin, _XMax, _Box.GetLow().GetX(), _Box.GetHigh().GetX(), iValue);
}

double PlotFrame::ModelY(double iValue) const {
  return ToModel(_YAxis, _YMin, _YMax, _Box.GetLow().GetY(), _Box.GetHigh().GetY(), iValue);
}

double PlotFrame::ToModel(const PlotAxis& iAxis, double iMin, double iMax, double iLow, double iHigh, double iValue) {
  const double a0 = iAxis.ToAxis(iMin), a1 = iAxis.ToAxis(iMax);
  return iLow + (iHigh - iLow) * (iAxis.ToAxis(iValue) - a0) / (a1 - a0);
}
