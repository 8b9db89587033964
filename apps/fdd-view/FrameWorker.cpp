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
    if (_Busy) CATApplicationFrame::RecordInterrupt();
  }
  _Wake.notify_all();
  if (_Thread.joinable()) _Thread.join();
}

void FrameWorker::Ask(const ViewBox& iView, int iWidth, int iHeight) {
  {
    std::lock_guard<std::mutex> lLock(_Mutex);
    if (_Asked ? _Next.Same(iView, iWidth, iHeight) : (_Busy && _Current.Same(iView, iWidth, iHeight))) return;
    _Next = {iView, iWidth, iHeight};
    _Asked = true;
    // The picture being drawn is of a view left behind: it is cut short and dropped.
    if (_Busy && !_Superseded) {
      _Superseded = true;
      CATApplicationFrame::RecordInterrupt();
    }
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

bool FrameWorker::UseFigure(const std::function<void(Figure&)>& iUse, bool iIdle) {
  std::lock_guard<std::mutex> lLock(_Mutex);
  if (!_Figure || (iIdle && (_Busy || _Asked))) return false;
  iUse(*_Figure);
  return true;
}

void FrameWorker::Loop() {
  CATDlgProgress::PublishOnThisThread(&_Fraction);
  for (;;) {
    {
      std::unique_lock<std::mutex> lLock(_Mutex);
      _Wake.wait(lLock, [this] { return _Stop || _Asked; });
      if (_Stop) return;
      _Current = _Next;
      _Asked = false;
      _Busy = true;
      _Superseded = false;
      _Fraction = -1.0;
    }
    std::unique_ptr<Figure> lFigure;
    std::shared_ptr<Frame> lFrame = Draw(_Current, lFigure);
    // Dialogs the computation has handed back to the host are released here, on the thread that
    // made them.
    CATApplicationFrame::ProcessEvents();
    bool lKept = false;
    {
      std::lock_guard<std::mutex> lLock(_Mutex);
      _Busy = false;
      if (lFrame && !_Superseded && !_Stop) {
        _Figure.swap(lFigure);
        _New = lFrame;
        lKept = true;
      }
    }
    // The figure replaced (or dropped) goes on this thread, outside the lock.
    lFigure.reset();
    if (lKept && _Done) _Done();
  }
}

std::shared_ptr<FrameWorker::Frame> FrameWorker::Draw(const Request& iRequest, std::unique_ptr<Figure>& oFigure) {
  // Nothing may end the thread by unwinding: a picture that cannot be made is left out.
  try {
    const auto lStart = std::chrono::steady_clock::now();
    const int lCancels = CATApplicationFrame::GetDeliveredInterrupts();
    auto lFrame = std::make_shared<Frame>();
    lFrame->View = iRequest.View;
    lFrame->Width = iRequest.Width;
    lFrame->Height = iRequest.Height;
    lFrame->Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, iRequest.Width, iRequest.Height);
    if (cairo_surface_status(lFrame->Surface) != CAIRO_STATUS_SUCCESS) return nullptr;
    oFigure = _Make(iRequest.View, iRequest.Width, iRequest.Height);
    if (!oFigure) return nullptr;
    CATViewer lViewer(iRequest.Width, iRequest.Height);
    oFigure->Build(lViewer, _Font);
    cairo_t* lContext = cairo_create(lFrame->Surface);
    {
      CairoRender lRender(lContext, iRequest.Width, iRequest.Height);
      lRender.SetBackground(255, 255, 255);
      lViewer.Draw(lRender);
      lRender.Finish();
    }
    cairo_destroy(lContext);
    cairo_surface_flush(lFrame->Surface);
    if (oFigure->GetNbrPlots() > 0) lFrame->DataBox = oFigure->GetPlot(0).GetDataBox();
    if (_Texts) TextBoxRecorder::Record(lViewer, iRequest.Width, iRequest.Height, lFrame->Texts, lFrame->TextBoxes);
    lFrame->Cut = CATApplicationFrame::GetDeliveredInterrupts() != lCancels;
    lFrame->Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
    return lFrame;
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: a frame could not be drawn: %s\n", iError.what());
  }
  return nullptr;
}
