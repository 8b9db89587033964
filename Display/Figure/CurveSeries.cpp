#include "CurveSeries.h"

#include "CATSamIVector.h"
#include "CATViewer.h"
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
  if (x && y) {
    // Dense curves thin: a 2-pixel line over a sample a pixel is a blur.
    const int lThickness = _Y->GetLength() > 2 * lWidth ? 1 : iStyle.CurveThickness;
    const CATMathBox2D lAxisBox = iFrame.GetAxisBox();
    CATGraphicPrimitive* lLine =
        _Levels && x.Get() == _X.Get() && y.Get() == _Y.Get()
            ? static_cast<CATGraphicPrimitive*>(new LevelCurveGP(_Levels, lAxisBox, lBox))
            : new QVTFdd2DCurveGP(lAxisBox, lBox, QVTFdd2DCurveGP::ReduceAlongX, x.Get(), y.Get());
    Scene::Show(ioViewer, lLine,
                Scene::Color(_Style.Red, _Style.Green, _Style.Blue, 255, lThickness));
    if (_Style.Symbols)
      Scene::Show(ioViewer, new QVTFdd2DCurveSymbolsGP(_Style.Symbol, lAxisBox, lBox, x.Get(), y.Get()),
                  Scene::Color(_Style.Red, _Style.Green, _Style.Blue));
  }
}
