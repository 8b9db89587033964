// fdd-view spectrum, spectrogram and runup: the analysis of fdd-plot's subcommand C (the same options but
// -o), computed off the window's thread while the window shows its progress (Esc stops the wait),
// then explored like a map: the status line gives the value under the pointer, views are drawn by
// the window's frame worker. Order cuts are curves, drawn on the window's thread.
#ifndef ViewAnalysisCommand_H
#define ViewAnalysisCommand_H

#include <cstdio>
#include <string>

#include "PlotArea.h"
#include "ViewBox.h"
#include "ViewContent.h"
#include "LoadingWindow.h"
#include "ViewWindow.h"

template <class C>
class ViewAnalysisCommand : public C, public ViewContent {
 public:
  ViewAnalysisCommand(const ViewWindow::Options& iWindow, const char* iDescription)
      : _Window(iWindow), _Description(iDescription) {}
  void Register(CLI::App& ioApp) override { this->RegisterAnalysis(ioApp, _Description, false); }

  void Fill(PlotArea& ioPlot, const ViewBox* iView) override {
    if (iView)
      this->_Plot.Show(ioPlot, iView->GetX0(), iView->GetX1(), iView->GetY0(), iView->GetY1(), true);
    else
      this->_Plot.Show(ioPlot);
  }
  bool FillFrame(PlotArea& ioPlot, const ViewBox& iView) override {
    if (!this->_Plot.IsMap()) return false;
    this->_Plot.Show(ioPlot, iView.GetX0(), iView.GetX1(), iView.GetY0(), iView.GetY1(), false);
    return true;
  }
  bool SlowFrames() const override { return this->_Plot.IsMap(); }
  std::string Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const override {
    (void)iColumn;
    char lText[160];
    double lValue = 0.0;
    if (!this->_Plot.IsMap())
      std::snprintf(lText, sizeof lText, "x %.6g   y %.6g", iX, iY);
    else if (iPlot.GetMapValue(iX, iY, lValue) == 0)
      std::snprintf(lText, sizeof lText, "x %.6g   z %.6g   value %.6g", iX, iY, lValue);
    else
      std::snprintf(lText, sizeof lText, "x %.6g   z %.6g   no value here", iX, iY);
    return lText;
  }

 protected:
  int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) override {
    (void)ioFigure;
    (void)ioPlot;
    ViewWindow::Options lOptions = _Window;
    lOptions.Width = this->_Request.Width;
    lOptions.Height = this->_Request.Height;
    ViewWindow lWindow(*this, iFont, lOptions);
    return lWindow.Run();
  }
  int RunLoad(const std::function<int()>& iStep) override { return LoadingWindow::Load(_Window, iStep); }

 private:
  const ViewWindow::Options& _Window;
  const char* _Description;
};

#endif
