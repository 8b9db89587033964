#include "ViewMapCommand.h"

#include <cstdio>

#include "PlotArea.h"
#include "ViewBox.h"

void ViewMapCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "map", "Show a colour map of values over X and Z in a window", false);
}

int ViewMapCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioFigure;
  (void)ioPlot;
  ViewWindow::Options lOptions = _Window;
  lOptions.Width = _Request.Width;
  lOptions.Height = _Request.Height;
  ViewWindow lWindow(*this, iFont, lOptions);
  return lWindow.Run();
}

void ViewMapCommand::Fill(PlotArea& ioPlot, const ViewBox* iView) {
  // A view is computed from the samples in it, over the whole data box.
  if (iView)
    _Plot.Show(ioPlot, iView->GetX0(), iView->GetX1(), iView->GetY0(), iView->GetY1());
  else
    _Plot.Show(ioPlot);
}

bool ViewMapCommand::FillFrame(PlotArea& ioPlot, const ViewBox& iView) {
  _Plot.Show(ioPlot, iView.GetX0(), iView.GetX1(), iView.GetY0(), iView.GetY1(), false);
  return true;
}

std::string ViewMapCommand::Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const {
  (void)iColumn;
  char lText[160];
  double lValue = 0.0;
  if (iPlot.GetMapValue(iX, iY, lValue) == 0)
    std::snprintf(lText, sizeof lText, "x %.6g   z %.6g   value %.6g", iX, iY, lValue);
  else
    std::snprintf(lText, sizeof lText, "x %.6g   z %.6g   no value here", iX, iY);
  return lText;
}

int ViewMapCommand::Finish(const OrderInterrupts& iInterrupts, int iStatus) const {
  (void)iInterrupts;
  return iStatus;
}
