// Draws a window's figures off the window's thread, for content whose frames may take longer than
// a frame (a colour map): the window asks for a view, keeps showing the last picture, and takes the
// new one when it is there. Which request is drawn, which picture kept and what Esc cuts short is
// the FrameSchedule's, kept under the worker's mutex; this class adds the thread and the drawing.
// Figures are made, laid out and released under the library's lock (LibraryLock states the
// contract); the window reads the last figure kept under the worker's mutex.
#ifndef FrameWorker_H
#define FrameWorker_H

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "CATMathBox2D.h"
#include "FrameSchedule.h"
#include "ViewBox.h"

class CATFont;
class Figure;
typedef struct _cairo_surface cairo_surface_t;

class FrameWorker {
 public:
  // A drawn picture and what the window needs of its figure.
  struct Frame {
    Frame() = default;
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    cairo_surface_t* Surface = nullptr;
    // The view drawn (the window's axis coordinates) and the picture's size.
    ViewBox View;
    int Width = 0, Height = 0;
    // The plot's data box (model units) and the texts as drawn, for the trace.
    CATMathBox2D DataBox;
    std::string Texts, TextBoxes;
    double Milliseconds = 0.0;
    // Esc cut the picture short: the rows not computed are left empty.
    bool Cut = false;
  };
  // Makes the figure of iView (axis coordinates) at iWidth x iHeight.
  typedef std::function<std::unique_ptr<Figure>(const ViewBox& iView, int iWidth, int iHeight)> Maker;

  // iDone is called on the worker's thread after each picture kept; iTexts records the texts.
  FrameWorker(Maker iMake, CATFont& iFont, bool iTexts, std::function<void()> iDone);
  // Cuts the picture being drawn short and waits for the thread.
  ~FrameWorker();
  FrameWorker(const FrameWorker&) = delete;
  FrameWorker& operator=(const FrameWorker&) = delete;

  // Asks for iView at iWidth x iHeight; the same request as the one being drawn or waiting
  // changes nothing.
  void Ask(const ViewBox& iView, int iWidth, int iHeight);
  // A picture is being drawn or waits to be.
  bool IsBusy() const;
  // A job runs.
  bool IsRunningJob() const;
  // Esc: cuts the picture being drawn short, and the one waiting when it begins. False when there
  // is neither.
  bool Cancel();
  // How far the picture being drawn is (the rows of an order map done, 0 .. 1); negative while
  // its computation has said nothing of that yet.
  double GetFraction() const { return _Fraction.load(); }
  // The picture kept since the last call, or null.
  std::shared_ptr<const Frame> TakeNew();
  // Waits at most iLongest for the pictures asked for to be drawn; true when they are.
  bool Await(std::chrono::milliseconds iLongest);
  // Runs iUse on the last figure kept; false when there is none.
  bool UseFigure(const std::function<void(Figure&)>& iUse);
  // Runs iJob on the worker's thread before the next picture (a view written to a file, whose
  // figure it makes there); neither a new view nor Esc cuts it short.
  void Run(std::function<void()> iJob);

 private:
  void Loop();
  // Runs a job and counts the worker idle again.
  void RunJob(const std::function<void()>& iJob);
  // Draws the figure of iRequest; null when it could not be made.
  std::shared_ptr<Frame> Draw(const FrameSchedule::Request& iRequest, std::unique_ptr<Figure>& oFigure);

  Maker _Make;
  CATFont& _Font;
  bool _Texts;
  std::function<void()> _Done;
  mutable std::mutex _Mutex;
  std::condition_variable _Wake;
  // Told when the worker has nothing more to draw.
  std::condition_variable _Idle;
  FrameSchedule _Schedule;
  std::unique_ptr<Figure> _Figure;
  std::shared_ptr<Frame> _New;
  // Published by the host's progress controls set on the worker's thread.
  std::atomic<double> _Fraction{-1.0};
  std::thread _Thread;
};

#endif
