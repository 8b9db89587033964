#include "FrameWorker.h"

#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "CATApplicationFrame.h"
#include "CATDlgProgress.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "Figure.h"
#include "FramePainter.h"
#include "LibraryLock.h"
#include "PlotArea.h"
#include "TextBoxRecorder.h"

FrameWorker::Frame::~Frame() {
  if (Surface) cairo_surface_destroy(Surface);
}

FrameWorker::FrameWorker(Maker iMake, CATFont& iFont, bool iTexts, std::function<void()> iDone)
    : _Make(std::move(iMake)), _Font(iFont), _Texts(iTexts), _Done(std::move(iDone)) {
  _Thread = std::thread(&FrameWorker::Loop, this);
}

FrameWorker::~FrameWorker() {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Schedule.Stop();
  }
  _Wake.notify_all();
  if (_Thread.joinable()) _Thread.join();
  const LibraryLock lLibrary;
  _Figure.reset();
}

void FrameWorker::Ask(const ViewBox& iView, int iWidth, int iHeight) {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Schedule.Ask(iView, iWidth, iHeight);
  }
  _Wake.notify_all();
}

bool FrameWorker::IsBusy() const {
  std::lock_guard<std::mutex> lLock(_Mutex);
  return _Schedule.IsBusy();
}

std::shared_ptr<const FrameWorker::Frame> FrameWorker::TakeNew() {
  std::lock_guard<std::mutex> lLock(_Mutex);
  std::shared_ptr<const Frame> lNew = std::move(_New);
  _New.reset();
  return lNew;
}

bool FrameWorker::IsRunningJob() const {
  std::lock_guard<std::mutex> lLock(_Mutex);
  return _Schedule.IsRunningJob();
}

bool FrameWorker::Cancel() {
  std::lock_guard<std::mutex> lLock(_Mutex);
  return _Schedule.Cancel();
}

bool FrameWorker::Await(std::chrono::milliseconds iLongest) {
  std::unique_lock<std::mutex> lLock(_Mutex);
  return _Idle.wait_for(lLock, iLongest, [this] { return !_Schedule.IsBusy(); });
}

bool FrameWorker::UseFigure(const std::function<void(Figure&)>& iUse) {
  std::lock_guard<std::mutex> lLock(_Mutex);
  if (!_Figure) return false;
  iUse(*_Figure);
  return true;
}

void FrameWorker::Run(std::function<void()> iJob) {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Schedule.AddJob(std::move(iJob));
  }
  _Wake.notify_all();
}

void FrameWorker::Loop() {
  CATDlgProgress::PublishOnThisThread(&_Fraction);
  CATDlgProgress::CancelOnThisThread(&_Schedule.GetCancelFlag());
  for (;;) {
    std::function<void()> lJob;
    FrameSchedule::Request lRequest;
    FrameSchedule::eNext lNext = FrameSchedule::eWait;
    {
      std::unique_lock<std::mutex> lLock(_Mutex);
      _Wake.wait(lLock, [&] { return (lNext = _Schedule.Next(lRequest, lJob)) != FrameSchedule::eWait; });
      _Fraction = -1.0;
    }
    if (lNext == FrameSchedule::eStop) return;
    if (lNext == FrameSchedule::eJob) {
      RunJob(lJob);
      continue;
    }
    std::unique_ptr<Figure> lFigure;
    std::shared_ptr<Frame> lFrame = Draw(lRequest, lFigure);
    // Dialogs the computation has handed back to the host are released here, on the thread that
    // made them.
    CATApplicationFrame::ProcessEvents();
    bool lKept = false;
    {
      std::lock_guard<std::mutex> lLock(_Mutex);
      bool lCut = false;
      lKept = _Schedule.EndPicture(lCut) && lFrame;
      if (lFrame) lFrame->Cut = lCut;
      if (lKept) {
        _Figure.swap(lFigure);
        _New = lFrame;
      }
    }
    // The figure replaced (or dropped) goes outside the worker's mutex, before the worker counts as
    // idle.
    {
      const LibraryLock lLibrary;
      lFigure.reset();
    }
    _Idle.notify_all();
    if (lKept && _Done) _Done();
  }
}

void FrameWorker::RunJob(const std::function<void()>& iJob) {
  // Nothing may end the thread by unwinding.
  try {
    iJob();
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: %s\n", iError.what());
  }
  CATApplicationFrame::ProcessEvents();
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Schedule.EndJob();
  }
  _Idle.notify_all();
}

std::shared_ptr<FrameWorker::Frame> FrameWorker::Draw(const FrameSchedule::Request& iRequest,
                                                      std::unique_ptr<Figure>& oFigure) {
  // Nothing may end the thread by unwinding: a picture that cannot be made is left out.
  try {
    const auto lStart = std::chrono::steady_clock::now();
    auto lFrame = std::make_shared<Frame>();
    lFrame->View = iRequest.View;
    lFrame->Width = iRequest.Width;
    lFrame->Height = iRequest.Height;
    lFrame->Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, iRequest.Width, iRequest.Height);
    if (cairo_surface_status(lFrame->Surface) != CAIRO_STATUS_SUCCESS) return nullptr;
    {
      const LibraryLock lLibrary;
      oFigure = _Make(iRequest.View, iRequest.Width, iRequest.Height);
    }
    if (!oFigure) return nullptr;
    const FramePainter::Scene lViewer = FramePainter::NewScene(iRequest.Width, iRequest.Height);
    FramePainter::Build(*oFigure, *lViewer, _Font);
    cairo_t* lContext = cairo_create(lFrame->Surface);
    FramePainter::Paint(*lViewer, lContext, iRequest.Width, iRequest.Height);
    cairo_destroy(lContext);
    cairo_surface_flush(lFrame->Surface);
    // The picture's time, without the trace's recording of its texts.
    lFrame->Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
    if (oFigure->GetNbrPlots() > 0) lFrame->DataBox = oFigure->GetPlot(0).GetDataBox();
    if (_Texts) TextBoxRecorder::Record(*lViewer, iRequest.Width, iRequest.Height, lFrame->Texts, lFrame->TextBoxes);
    return lFrame;
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: a frame could not be drawn: %s\n", iError.what());
  }
  return nullptr;
}
