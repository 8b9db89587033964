// fdd-view curve: the curves of fdd-plot curve (the same options but -o) in a window. Builds each
// curve's levels of detail off the window's thread; until they are ready (or when Esc stopped
// them) the curves are drawn from all samples. The status line names each curve's sample nearest
// to the pointer within its pixel column.
#ifndef ViewCurveCommand_H
#define ViewCurveCommand_H

#include <memory>
#include <vector>

#include "CurveCommand.h"
#include "ViewContent.h"
#include "LoadingWindow.h"
#include "ViewWindow.h"

class ViewCurveCommand : public CurveCommand, public ViewContent {
 public:
  explicit ViewCurveCommand(const ViewWindow::Options& iWindow) : _Window(iWindow) {}
  void Register(CLI::App& ioApp) override;

  void Fill(PlotArea& ioPlot, const ViewBox* iView) override;
  std::string Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const override;
  double GetProgress() const override;
  bool Cancel() override;

 protected:
  int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) override;
  int RunLoad(const std::function<int()>& iStep) override { return LoadingWindow::Load(_Window, iStep); }

 private:
  const ViewWindow::Options& _Window;
  std::vector<std::shared_ptr<CurveLevels>> _Levels;
};

#endif
