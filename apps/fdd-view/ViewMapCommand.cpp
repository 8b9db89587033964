#include "ViewMapCommand.h"

#include <cstdio>

#include "CATApplicationFrame.h"
#include "PlotArea.h"
#include "ViewBox.h"

void ViewMapCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "map", "Show a colour map of values over X and Z in a window", false);
}

int ViewMapCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioFigure;
  (void)ioPlot;
  ViewWindow::Options lOptions = _Window;
  lOptions.Width = _Output.Width;
  lOptions.Height = _Output.Height;
  ViewWindow lWindow(*this, iFont, lOptions);
  return lWindow.Run();
}

void ViewMapCommand::Fill(PlotArea& ioPlot, const ViewBox* iView) {
  // A view is computed from the samples in it, over the whole data box.
  if (iView)
    _Input.Show(ioPlot, _Data, _Colors, iView->GetX0(), iView->GetX1(), iView->GetY0(), iView->GetY1());
  else
    _Input.Show(ioPlot, _Data, _Colors);
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

bool ViewMapCommand::Cancel() {
  // Taken by the progress box of the computation running, or by the one a cancel already waits for.
  return CATApplicationFrame::RecordInterrupt() != 0 || CATApplicationFrame::IsInterruptPending() != 0;
}

int ViewMapCommand::Finish(const OrderInterrupts& iInterrupts, int iStatus) const {
  (void)iInterrupts;
  return iStatus;
}
