#include "CurveSeries.h"

#include <algorithm>
#include <vector>

#include "CAT2DLineGP.h"
#include "CATSamIVector.h"
#include "CATViewer.h"
#include "DashedLine.h"
#include "FigureStyle.h"
#include "LevelCurveGP.h"
#include "Log10Vector.h"
#include "PlotAxis.h"
#include "PlotFrame.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "Scene.h"

void CurveSeries::Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors,
                       const FigureStyle& iStyle) {
  (void)iColors;
  const CATMathBox2D& lBox = iFrame.GetBox();
  const double lWidth = lBox.GetHigh().GetX() - lBox.GetLow().GetX();
  // A logarithmic axis gets the logarithms, computed as the curve reads them.
  const RefPtr<CATSamIVector> x = iFrame.GetXAxis().IsLog() ? RefPtr<CATSamIVector>(new Log10Vector(_X.Get())) : _X;
  const RefPtr<CATSamIVector> y = iFrame.GetYAxis().IsLog() ? RefPtr<CATSamIVector>(new Log10Vector(_Y.Get())) : _Y;
  if (!x || !y) return;
  // Dense curves thin: a 2-pixel line over a sample a pixel is a blur.
  const int lThickness =
      _Style.Width > 0 ? _Style.Width : (_Y->GetLength() > 2 * lWidth ? 1 : iStyle.CurveThickness);
  const CATGraphicAttributeSet lLine = Scene::Color(_Style.Red, _Style.Green, _Style.Blue, 255, lThickness);
  const CATMathBox2D lAxisBox = iFrame.GetAxisBox();
  const std::vector<double> lDashes = _Style.GetDashes(lThickness);
  if (_Style.Line && lDashes.empty()) {
    // Levels stand for the samples themselves, not for their logarithms.
    CATGraphicPrimitive* lCurve =
        _Levels && x.Get() == _X.Get() && y.Get() == _Y.Get()
            ? static_cast<CATGraphicPrimitive*>(new LevelCurveGP(_Levels, lAxisBox, lBox))
            : new QVTFdd2DCurveGP(lAxisBox, lBox, QVTFdd2DCurveGP::ReduceAlongX, x.Get(), y.Get());
    Scene::Show(ioViewer, lCurve, lLine);
  } else if (_Style.Line) {
    // Dashes follow the samples themselves: a pattern is read along the line, not per pixel column.
    DashedLine lDashed(lDashes, lBox);
    const unsigned int n = std::min(_X->GetLength(), _Y->GetLength());
    for (unsigned int i = 0; i < n; ++i) lDashed.Add(iFrame.ModelX(_X->GetValue(i)), iFrame.ModelY(_Y->GetValue(i)));
    const std::vector<CATMathPoint2Df>& lPoints = lDashed.GetPoints();
    if (!lPoints.empty())
      Scene::Show(ioViewer, new CAT2DLineGP(lPoints.data(), static_cast<int>(lPoints.size()), 1, 0), lLine);
  }
  if (_Style.Symbols)
    Scene::Show(ioViewer, new QVTFdd2DCurveSymbolsGP(_Style.Symbol, lAxisBox, lBox, x.Get(), y.Get()),
                Scene::Color(_Style.Red, _Style.Green, _Style.Blue));
}
