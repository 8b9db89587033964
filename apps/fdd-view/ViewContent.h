// What a window shows, for ViewWindow: the plot of a view built again for every frame, what lies
// under a point, and work that runs off the window's thread.
#ifndef ViewContent_H
#define ViewContent_H

#include <string>

class CATFont;
class CATViewer;
class PlotArea;
class ViewBox;

class ViewContent {
 public:
  virtual ~ViewContent() = default;
  // Gives a new plot area the data, labels and title for the view iView (the window then sets the
  // axes' ranges); iView is null for the whole data.
  virtual void Fill(PlotArea& ioPlot, const ViewBox* iView) = 0;
  // The status line's text for the data point (iX, iY) of the plot drawn last, whose pixel columns
  // are iColumn data units wide.
  virtual std::string Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const = 0;
  // Frames that may take longer than a frame (a colour map): drawn off the window's thread.
  virtual bool SlowFrames() const { return false; }
  // Gives a new plot area what Fill gives it but the data (title, labels, scales): the frame of a
  // view drawn around an older picture of the data while the new one is computed. False when the
  // content has no such frame.
  virtual bool FillFrame(PlotArea& ioPlot, const ViewBox& iView) {
    (void)ioPlot;
    (void)iView;
    return false;
  }
  // Work that still runs: its progress 0 .. 1; negative when there is none.
  virtual double GetProgress() const { return -1.0; }
  // Stops that work; what is drawn then does without it. False when the work could not take the
  // request yet (it has not started): the window asks again.
  virtual bool Cancel() { return true; }
  // Content of several pages turns to the next one (after the last, the first); false when it has
  // only one.
  virtual bool NextPage() { return false; }
  // A page that is a fixed picture rather than a plot of the view fills the viewer, which has the
  // area's size, and returns true; false for a plot.
  virtual bool FillPage(CATViewer& ioViewer, CATFont& iFont) {
    (void)ioViewer;
    (void)iFont;
    return false;
  }
};

#endif
