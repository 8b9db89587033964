#include "MapFigurePage.h"

#include <cmath>
#include <vector>

#include "CATViewer.h"
#include "ColormapData.h"
#include "Figure.h"
#include "LinearScaling.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "RunUpData.h"
#include "RunUpOrderMap.h"
#include "RefPtr.h"

namespace {

// A quick run-up: few speed rows, as an engineer gets when the machine speeds up fast.
const int kRows = 28;
const int kLines = 801;

void Labels(PlotArea& ioPlot, const char* iTitle) {
  ioPlot.SetTitle(iTitle);
  ioPlot.GetXAxis().SetLabel("Frequency [Hz]");
  ioPlot.GetYAxis().SetLabel("Speed [rpm]");
  ioPlot.SetColorScale(ColorScaleAxis::Viridis, RunUpData::kMinLevel, RunUpData::kMaxLevel, "Level [dB]");
}

}  // namespace

void MapFigurePage::Build(CATViewer& ioViewer, CATFont& iFont) {
  Figure lFigure(ioViewer.GetViewport().GetWidth(), ioViewer.GetViewport().GetHeight());
  RunUpOrderMap lOrder(kRows, kLines);
  PlotArea& lLeft = lFigure.AddPlot(0.0, 0.0, 0.5, 1.0);
  Labels(lLeft, "Run-up, 28 speed rows joined along orders");
  lLeft.SetColormap(lOrder.GetData());

  RefPtr<MemoryDouble1p5D> lRowsHz;
  RefPtr<MemoryDoubleVector> lRowsRpm;
  RefPtr<MemoryDouble2DDim2NH> lRows;
  RunUpData::NonHomogeneous(kRows, 10.0, lRowsHz, lRowsRpm, lRows);
  ColormapData lTracked;
  lTracked.XRows = lRowsHz.Get();
  lTracked.ValueRows = lRows.Get();
  lTracked.Z = lRowsRpm.Get();
  lTracked.XMin = 0.0;
  lTracked.XMax = RunUpData::kMaxHz;
  PlotArea& lRight = lFigure.AddPlot(0.5, 0.0, 1.0, 1.0);
  Labels(lRight, "Order-tracked run-up, a grid per row");
  lRight.SetColormap(lTracked);

  lFigure.Build(ioViewer, iFont);
}

void MapFigurePage::BuildContribution(CATViewer& ioViewer, CATFont& iFont) {
  Figure lFigure(ioViewer.GetViewport().GetWidth(), ioViewer.GetViewport().GetHeight());
  // The overall level at each speed: the power sum of the spectrum's lines.
  RefPtr<MemoryDoubleVector> lHz, lRpm;
  RefPtr<MemoryDoubleMatrix> lLevels;
  RunUpData::Homogeneous(400, 401, lHz, lRpm, lLevels);
  std::vector<double> lOverall;
  for (unsigned int z = 0; lLevels && z < lLevels->GetLengthY(); ++z) {
    double lPower = 0.0;
    for (unsigned int x = 0; x < lLevels->GetLengthX(); ++x) lPower += std::pow(10.0, lLevels->GetValue(x, z) / 10.0);
    lOverall.push_back(10.0 * std::log10(lPower));
  }
  const RefPtr<MemoryDoubleVector> lLevel(new MemoryDoubleVector(lOverall));

  PlotArea& lBar = lFigure.AddPlot(0.0, 0.62, 1.0, 1.0);
  lBar.SetTitle("Overall level over the run-up");
  lBar.GetXAxis().SetLabel("Speed [rpm]");
  lBar.ShowAxis(PlotArea::Left, false);
  lBar.AddContributionBar(lRpm.Get(), lLevel.Get(), false);
  lBar.SetColorScale(ColorScaleAxis::Rainbow, 0.0 / 0.0, 0.0 / 0.0, "dB");

  PlotArea& lCurve = lFigure.AddPlot(0.0, 0.0, 1.0, 0.62);
  lCurve.GetXAxis().SetLabel("Speed [rpm]");
  lCurve.GetYAxis().SetLabel("Overall level [dB]");
  lCurve.AddCurve(lRpm.Get(), lLevel.Get(), "", false);

  lFigure.Build(ioViewer, iFont);
}
