#include "EverydayFigurePage.h"

#include <cmath>
#include <vector>

#include "CATViewer.h"
#include "ColormapData.h"
#include "Figure.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "RefPtr.h"
#include "RunUpData.h"
#include "RunUpOrderMap.h"
#include "StyleNames.h"

namespace {

const double kRunTime = 20.0;  // seconds from the lowest to the highest speed

double Rpm(double iTime) { return RunUpData::kMinRpm + (RunUpData::kMaxRpm - RunUpData::kMinRpm) * iTime / kRunTime; }

// The levels of orders 1 and 2 and their power sum over the run-up, against time, with the speed
// on the right.
void Levels(PlotArea& ioPlot) {
  ioPlot.SetTitle("Run-up: order levels and speed");
  ioPlot.GetXAxis().SetLabel("Time [s]");
  ioPlot.GetYAxis().SetLabel("Level [dB]");
  ioPlot.GetY2Axis().SetLabel("Speed [rpm]");
  ioPlot.SetGrid(true);
  ioPlot.SetLegendPlace(Legend::eBest);
  std::vector<double> lTime, lSparse, lOrders[3], lSpeed, lSampled;
  for (int i = 0; i <= 400; ++i) {
    const double t = kRunTime * i / 400, r = Rpm(t);
    lTime.push_back(t);
    lSpeed.push_back(r);
    double lPower = 0.0;
    for (int k = 0; k < 2; ++k) {
      const double lLevel = RunUpData::Level((k + 1) * r / 60.0, r, 1.0, 0.0);
      lOrders[k].push_back(lLevel);
      lPower += std::pow(10.0, lLevel / 10.0);
    }
    lOrders[2].push_back(10.0 * std::log10(lPower));
    if (i % 20 == 0) {
      lSparse.push_back(t);
      lSampled.push_back(lOrders[2].back() + 1.5 * std::sin(7.0 * i));
    }
  }
  const RefPtr<MemoryDoubleVector> lT(new MemoryDoubleVector(lTime)), lTs(new MemoryDoubleVector(lSparse));
  const char* const kNames[] = {"order 1", "order 2", "sum"};
  const char* const kStyles[] = {"C0-", "C1--", "k:"};
  for (int k = 0; k < 3; ++k) {
    const RefPtr<MemoryDoubleVector> lY(new MemoryDoubleVector(lOrders[k]));
    SeriesStyle lStyle = ioPlot.GetNextStyle(false);
    StyleNames::Compact(kStyles[k], lStyle);
    ioPlot.AddCurve(lT.Get(), lY.Get(), kNames[k], lStyle);
  }
  const RefPtr<MemoryDoubleVector> lM(new MemoryDoubleVector(lSampled));
  SeriesStyle lMeasured = ioPlot.GetNextStyle(true);
  StyleNames::Compact("rD", lMeasured);
  ioPlot.AddCurve(lTs.Get(), lM.Get(), "measured", lMeasured);
  const RefPtr<MemoryDoubleVector> lS(new MemoryDoubleVector(lSpeed));
  SeriesStyle lSpeedStyle = ioPlot.GetNextStyle(false);
  StyleNames::Compact("C7-.", lSpeedStyle);
  lSpeedStyle.Width = 1;
  ioPlot.AddCurve(lT.Get(), lS.Get(), "speed", lSpeedStyle, true);
}

}  // namespace

void EverydayFigurePage::Build(CATViewer& ioViewer, CATFont& iFont) {
  Figure lFigure(ioViewer.GetViewport().GetWidth(), ioViewer.GetViewport().GetHeight());
  Levels(lFigure.AddPlot(0.0, 0.0, 0.52, 1.0));

  RunUpOrderMap lRunUp(40, 801);
  ColormapData& lMap = lRunUp.GetData();
  lMap.LogX = true;
  lMap.XMin = 5.0;
  lMap.XMax = RunUpData::kMaxHz;
  PlotArea& lRight = lFigure.AddPlot(0.52, 0.0, 1.0, 1.0);
  lRight.SetTitle("Run-up spectra on a logarithmic frequency axis");
  lRight.GetXAxis().SetLabel("Frequency [Hz]");
  lRight.GetYAxis().SetLabel("Speed [rpm]");
  lRight.GetXAxis().SetLog(true);
  lRight.SetColorScale(ColorScaleAxis::Magma, RunUpData::kMinLevel, RunUpData::kMaxLevel, "Level [dB]");
  lRight.SetColormap(lMap);
  lFigure.Build(ioViewer, iFont);
}
