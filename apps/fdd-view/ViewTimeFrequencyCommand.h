// fdd-view spectrogram: as ViewAnalysisCommand, and zooming in time until a column of the picture
// holds less than one hop computes the frames of the view again with a hop of one column, so the
// time resolution follows the zoom. The window never waits: views are made by its frame worker,
// which shows the last picture meanwhile. The last few views' data are kept, as pictures made
// from them may still be drawn.
#ifndef ViewTimeFrequencyCommand_H
#define ViewTimeFrequencyCommand_H

#include <deque>
#include <memory>
#include <mutex>

#include "TimeFrequencyCommand.h"
#include "ViewAnalysisCommand.h"

class ViewTimeFrequencyCommand : public ViewAnalysisCommand<TimeFrequencyCommand> {
 public:
  explicit ViewTimeFrequencyCommand(const ViewWindow::Options& iWindow)
      : ViewAnalysisCommand(iWindow, "Show the spectrogram of a recording in a window") {}

  void Fill(PlotArea& ioPlot, const ViewBox* iView) override {
    const int lColumns = _Request.Width;
    if (iView && _Plot.IsMap() && (iView->GetX1() - iView->GetX0()) / lColumns < _Plot.GetHopSeconds()) {
      // A column more on each side, so that the view's edges have frames too.
      const double lColumn = (iView->GetX1() - iView->GetX0()) / lColumns;
      auto lView = std::make_unique<TimeFrequencyPlot>();
      RequestError lError;
      std::vector<std::string> lWarnings;
      if (lView->ComputeView(_Plot, lColumns + 2, iView->GetX0() - lColumn, iView->GetX1() + lColumn, lError) &&
          lView->Load(_Request.Width, _Request.Height, lError, lWarnings)) {
        lView->Show(ioPlot, iView->GetX0(), iView->GetX1(), iView->GetY0(), iView->GetY1(), true);
        const std::lock_guard<std::mutex> lLock(_Mutex);
        _Views.push_back(std::move(lView));
        if (_Views.size() > kKept) _Views.pop_front();
        return;
      }
    }
    ViewAnalysisCommand::Fill(ioPlot, iView);
  }

 private:
  static constexpr size_t kKept = 4;
  std::mutex _Mutex;
  std::deque<std::unique_ptr<TimeFrequencyPlot>> _Views;
};

#endif
