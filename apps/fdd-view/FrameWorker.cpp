#include "FrameWorker.h"

#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "CATApplicationFrame.h"
#include "CATDlgProgress.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "Figure.h"
#include "PlotArea.h"
#include "TextBoxRecorder.h"

FrameWorker::Frame::~Frame() {
  if (Surface) cairo_surface_destroy(Surface);
}

bool FrameWorker::Request::Same(const ViewBox& iView, int iWidth, int iHeight) const {
  return Width == iWidth && Height == iHeight && View.Shows(iView);
}

FrameWorker::FrameWorker(Maker iMake, CATFont& iFont, bool iTexts, std::function<void()> iDone)
    : _Make(std::move(iMake)), _Font(iFont), _Texts(iTexts), _Done(std::move(iDone)) {
  _Thread = std::thread(&FrameWorker::Loop, this);
}

FrameWorker::~FrameWorker() {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Stop = true;
    if (_Busy) RaiseCancel();
  }
  _Wake.notify_all();
  if (_Thread.joinable()) _Thread.join();
}

void FrameWorker::Ask(const ViewBox& iView, int iWidth, int iHeight) {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    const bool lDrawing = _Busy && !_InJob;
    if (_Asked ? _Next.Same(iView, iWidth, iHeight) : (lDrawing && _Current.Same(iView, iWidth, iHeight))) return;
    _Next = {iView, iWidth, iHeight};
    _Asked = true;
    // The picture being drawn is of a view left behind: it is cut short and dropped.
    if (lDrawing && !_Superseded) {
      _Superseded = true;
      RaiseCancel();
    }
    // A view asked for after Esc is drawn in full.
    _CancelNext = false;
  }
  _Wake.notify_all();
}

bool FrameWorker::IsBusy() const {
  std::lock_guard<std::mutex> lLock(_Mutex);
  return _Busy || _Asked;
}

std::shared_ptr<const FrameWorker::Frame> FrameWorker::TakeNew() {
  std::lock_guard<std::mutex> lLock(_Mutex);
  std::shared_ptr<const Frame> lNew = std::move(_New);
  _New.reset();
  return lNew;
}

bool FrameWorker::IsRunningJob() const {
  std::lock_guard<std::mutex> lLock(_Mutex);
  return _InJob;
}

bool FrameWorker::Cancel() {
  std::lock_guard<std::mutex> lLock(_Mutex);
  const bool lDrawing = _Busy && !_InJob;
  if (lDrawing) RaiseCancel();
  if (_Asked) _CancelNext = true;
  return lDrawing || _Asked;
}

void FrameWorker::RaiseCancel() {
  _Cancel = true;
  _CancelRaised = true;
}

bool FrameWorker::Await(std::chrono::milliseconds iLongest) {
  std::unique_lock<std::mutex> lLock(_Mutex);
  return _Idle.wait_for(lLock, iLongest, [this] { return !_Busy && !_Asked; });
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
    _Jobs.push_back(std::move(iJob));
  }
  _Wake.notify_all();
}

void FrameWorker::Loop() {
  CATDlgProgress::PublishOnThisThread(&_Fraction);
  CATDlgProgress::CancelOnThisThread(&_Cancel);
  for (;;) {
    std::function<void()> lJob;
    {
      std::unique_lock<std::mutex> lLock(_Mutex);
      _Wake.wait(lLock, [this] { return _Stop || _Asked || !_Jobs.empty(); });
      if (_Stop) return;
      _Busy = true;
      _Fraction = -1.0;
      if (!_Jobs.empty()) {
        lJob = std::move(_Jobs.front());
        _Jobs.pop_front();
        _InJob = true;
        _Cancel = _CancelRaised = false;
      } else {
        _Current = _Next;
        _Asked = false;
        _Superseded = false;
        // A Cancel left untaken by the last picture (one without a progress box) is not this one's.
        _Cancel = _CancelRaised = _CancelNext;
        _CancelNext = false;
      }
    }
    if (lJob) {
      RunJob(lJob);
      continue;
    }
    std::unique_ptr<Figure> lFigure;
    std::shared_ptr<Frame> lFrame = Draw(_Current, lFigure);
    // Dialogs the computation has handed back to the host are released here, on the thread that
    // made them.
    CATApplicationFrame::ProcessEvents();
    bool lKept = false;
    {
      std::lock_guard<std::mutex> lLock(_Mutex);
      // A Cancel raised and taken cut the picture short: the rows not computed are left empty.
      if (lFrame) lFrame->Cut = _CancelRaised && !_Cancel;
      if (lFrame && !_Superseded && !_Stop) {
        _Figure.swap(lFigure);
        _New = lFrame;
        lKept = true;
      }
    }
    // The figure replaced (or dropped) goes on this thread, outside the lock, and before the
    // worker counts as idle: figures made on the window's thread meanwhile share its data.
    {
      std::lock_guard<std::timed_mutex> lLayout(_Layout);
      lFigure.reset();
    }
    {
      std::lock_guard<std::mutex> lLock(_Mutex);
      _Busy = false;
    }
    _Idle.notify_all();
    if (lKept && _Done) _Done();
  }
}

void FrameWorker::RunJob(const std::function<void()>& iJob) {
  // Nothing may end the thread by unwinding.
  try {
    std::lock_guard<std::timed_mutex> lLayout(_Layout);
    iJob();
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: %s\n", iError.what());
  }
  CATApplicationFrame::ProcessEvents();
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    _Busy = _InJob = false;
  }
  _Idle.notify_all();
}

std::shared_ptr<FrameWorker::Frame> FrameWorker::Draw(const Request& iRequest, std::unique_ptr<Figure>& oFigure) {
  // Nothing may end the thread by unwinding: a picture that cannot be made is left out.
  try {
    const auto lStart = std::chrono::steady_clock::now();
    auto lFrame = std::make_shared<Frame>();
    lFrame->View = iRequest.View;
    lFrame->Width = iRequest.Width;
    lFrame->Height = iRequest.Height;
    lFrame->Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, iRequest.Width, iRequest.Height);
    if (cairo_surface_status(lFrame->Surface) != CAIRO_STATUS_SUCCESS) return nullptr;
    oFigure = _Make(iRequest.View, iRequest.Width, iRequest.Height);
    if (!oFigure) return nullptr;
    std::unique_lock<std::timed_mutex> lLayout(_Layout);
    CATViewer lViewer(iRequest.Width, iRequest.Height);
    // The scene goes under the lock again, however this ends.
    struct Relock {
      std::unique_lock<std::timed_mutex>& _Lock;
      ~Relock() {
        if (!_Lock.owns_lock()) _Lock.lock();
      }
    } lRelock{lLayout};
    oFigure->Build(lViewer, _Font);
    lLayout.unlock();
    cairo_t* lContext = cairo_create(lFrame->Surface);
    {
      CairoRender lRender(lContext, iRequest.Width, iRequest.Height);
      lRender.SetBackground(255, 255, 255);
      lViewer.Draw(lRender);
      lRender.Finish();
    }
    cairo_destroy(lContext);
    cairo_surface_flush(lFrame->Surface);
    // The picture's time, without the trace's recording of its texts.
    lFrame->Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
    if (oFigure->GetNbrPlots() > 0) lFrame->DataBox = oFigure->GetPlot(0).GetDataBox();
    if (_Texts) TextBoxRecorder::Record(lViewer, iRequest.Width, iRequest.Height, lFrame->Texts, lFrame->TextBoxes);
    return lFrame;
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: a frame could not be drawn: %s\n", iError.what());
  }
  return nullptr;
}
