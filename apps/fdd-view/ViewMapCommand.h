// fdd-view map: the colour map of fdd-plot map (the same options but -o) in a window. The status
// line gives the value the map shows under the pointer (the plot area's own answer, so it agrees
// with the colours). Maps are drawn by the window's frame worker; Esc stops an order map through
// the Cancel of its progress box, which leaves the rows done and ends neither the window nor the
// program.
#ifndef ViewMapCommand_H
#define ViewMapCommand_H

#include "MapCommand.h"
#include "ViewContent.h"
#include "LoadingWindow.h"
#include "ViewWindow.h"

class ViewMapCommand : public MapCommand, public ViewContent {
 public:
  explicit ViewMapCommand(const ViewWindow::Options& iWindow) : _Window(iWindow) {}
  void Register(CLI::App& ioApp) override;

  void Fill(PlotArea& ioPlot, const ViewBox* iView) override;
  std::string Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const override;
  bool SlowFrames() const override { return true; }
  bool FillFrame(PlotArea& ioPlot, const ViewBox& iView) override;

 protected:
  int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) override;
  int RunLoad(const std::function<int()>& iStep) override { return LoadingWindow::Load(_Window, iStep); }
  // A map cut short in the window is no failure: the status is Output's.
  int Finish(const OrderInterrupts& iInterrupts, int iStatus) const override;

 private:
  const ViewWindow::Options& _Window;
};

#endif
