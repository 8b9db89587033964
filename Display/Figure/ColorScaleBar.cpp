#include "ColorScaleBar.h"

#include <cmath>
#include <vector>

#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "FigureStyle.h"
#include "Scene.h"
#include "MemoryDoubleVector.h"
#include "PlotAxis.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddContributionBarRep.h"
#include "QVTIFddTicks.h"

namespace {
// Values along the strip: more than any bar is tall in pixels, so every pixel has its own colour.
const int kSteps = 2048;
}  // namespace

RefPtr<QVTFdd2DAxisDrawing> ColorScaleBar::MakeAxis(const CATMathBox2D& iBar, ColorScaleAxis& iColors,
                                                    const std::string& iLabel, const FigureStyle& iStyle,
                                                    CATFont& iFont) {
  PlotAxis lAxis;
  lAxis.SetScale(iColors.GetScale());
  RefPtr<QVTIFddTicks> lMajor, lMinor;
  lAxis.MakeTicks(iColors.GetMin(), iColors.GetMax(), iBar.GetHigh().GetY() - iBar.GetLow().GetY(), false, iStyle,
                  lMajor, lMinor);
  const double x = iBar.GetHigh().GetX();
  return PlotAxis::MakeDrawing(CATMathPoint2D(x, iBar.GetLow().GetY()), CATMathPoint2D(x, iBar.GetHigh().GetY()),
                               CATMathDirection2D(1, 0), lMajor.Get(), lMinor.Get(), iLabel, iStyle, iFont);
}

void ColorScaleBar::Show(CATViewer& ioViewer, const CATMathBox2D& iBar, ColorScaleAxis& iColors,
                         QVTFdd2DAxisDrawing* iAxis, const FigureStyle& iStyle) {
  const CATMathPoint2D lLow = iBar.GetLow(), lHigh = iBar.GetHigh();
  const int g = iStyle.AxisGrey;
  Scene::Show(ioViewer,
              new QVTFdd2DBackgroundGP(CATMathPoint2D(lLow.GetX() - 1, lLow.GetY() - 1),
                                       CATMathPoint2D(lHigh.GetX() + 1, lHigh.GetY() + 1), 0),
              Scene::Color(g, g, g));
  std::vector<double> lPlaces(kSteps), lValues(kSteps);
  const AxisScale& lScale = iColors.GetScale();
  const double lMin = lScale.ToAxis(iColors.GetMin()), lMax = lScale.ToAxis(iColors.GetMax());
  // Weighted ends rather than lMin + span * t: the span of limits such as -1e308, 1e308 overflows.
  for (int i = 0; i < kSteps; ++i) {
    const double t = static_cast<double>(i) / (kSteps - 1), v = lMin * (1.0 - t) + lMax * t;
    lPlaces[static_cast<size_t>(i)] = t;
    lValues[static_cast<size_t>(i)] = lScale.FromAxis(v);
  }
  // Evenly along the strip, the values a logarithmic scale spaces by their logarithms.
  const RefPtr<MemoryDoubleVector> lArgs(new MemoryDoubleVector(lPlaces));
  const RefPtr<MemoryDoubleVector> lVector(new MemoryDoubleVector(lValues));
  if (lArgs && lVector)
    Scene::Add(ioViewer, new QVTFddContributionBarRep(iBar, QVTFddContributionAlgoLineair::VerticalBar, lArgs.Get(),
                                                      0.0, 1.0, lVector.Get(), &iColors));
  if (iAxis) Scene::Show(ioViewer, new QVTFdd2DAxisGP(iAxis, 0), Scene::Color(g, g, g));
}
