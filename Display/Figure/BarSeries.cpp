#include "BarSeries.h"

#include <algorithm>
#include <cmath>

#include "CATSamIVector.h"
#include "CATViewer.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "PlotAxis.h"
#include "PlotFrame.h"
#include "QVTFdd2DBarGP.h"
#include "Scene.h"

double BarSeries::SmallestStep() const {
  double lStep = NAN, lPrevious = NAN;
  const unsigned int n = _X ? _X->GetLength() : 0;
  for (unsigned int i = 0; i < n; ++i) {
    const double v = _X->GetValue(i);
    if (!std::isfinite(v)) continue;
    const double d = std::fabs(v - lPrevious);
    if (d > 0.0 && !(d >= lStep)) lStep = d;
    lPrevious = v;
  }
  return lStep;
}

void BarSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  XYSeries::Fit(iXAxis, iYAxis, ioExtent);
  if (!iYAxis.IsLog()) DataRange::Add(0.0, ioExtent.YMin, ioExtent.YMax);
  // Room for half a bar at both ends.
  const double lStep = SmallestStep(), lSpan = ioExtent.XMax - ioExtent.XMin;
  if (std::isfinite(lStep) && std::isfinite(lSpan) && ioExtent.XMax > ioExtent.XMin)
    ioExtent.XMargin = std::max(ioExtent.XMargin, 0.5 * lStep / lSpan);
}

void BarSeries::Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors,
                     const FigureStyle& iStyle) {
  (void)iColors;
  (void)iStyle;
  const CATMathPoint2D lLow = iFrame.GetBox().GetLow(), lHigh = iFrame.GetBox().GetHigh();
  const double lXMin = iFrame.GetXMin(), lXMax = iFrame.GetXMax();
  const double lYMin = iFrame.GetYMin(), lYMax = iFrame.GetYMax();
  const double lStep = SmallestStep();
  const double lHalf = std::isfinite(lStep) ? 0.4 * lStep : 0.4 * (lXMax - lXMin) / 10;
  const double lBase = iFrame.ModelY(iFrame.GetYAxis().IsLog() ? lYMin : std::min(std::max(0.0, lYMin), lYMax));
  const unsigned int n = std::min(_X->GetLength(), _Y->GetLength());
  for (unsigned int i = 0; i < n; ++i) {
    const double x = _X->GetValue(i), h = _Y->GetValue(i);
    const double m0 = iFrame.ModelX(x - lHalf), m1 = iFrame.ModelX(x + lHalf);
    const double mh = iFrame.ModelY(std::min(std::max(h, lYMin), lYMax));
    if (!std::isfinite(m0) || !std::isfinite(m1) || !std::isfinite(mh)) continue;
    const float c1[2] = {static_cast<float>(std::max(m0, lLow.GetX())), static_cast<float>(lBase)};
    const float c2[2] = {static_cast<float>(std::min(m1, lHigh.GetX())), static_cast<float>(mh)};
    if (c2[0] <= c1[0]) continue;
    Scene::Show(ioViewer, new QVTFdd2DBarGP(c1, c2, QVTFdd2DBarGP::Vertical),
                Scene::Color(_Style.Red, _Style.Green, _Style.Blue));
  }
}
