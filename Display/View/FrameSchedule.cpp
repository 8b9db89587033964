#include "FrameSchedule.h"

#include <utility>

bool FrameSchedule::Request::Same(const ViewBox& iView, int iWidth, int iHeight) const {
  return Width == iWidth && Height == iHeight && View.Shows(iView);
}

void FrameSchedule::RaiseCancel() {
  _Cancel = true;
  _CancelRaised = true;
}

void FrameSchedule::Ask(const ViewBox& iView, int iWidth, int iHeight) {
  if (_State == eStopped) return;
  const bool lDrawing = _State == eDrawing || _State == eSuperseded;
  if (_HasPending ? _Pending.Same(iView, iWidth, iHeight) : (_State == eDrawing && _Current.Same(iView, iWidth, iHeight)))
    return;
  // A view asked for after Esc is drawn in full.
  _Pending = {iView, iWidth, iHeight, false};
  _HasPending = true;
  // The picture being drawn is of a view left behind.
  if (lDrawing && _State != eSuperseded) {
    _State = eSuperseded;
    RaiseCancel();
  }
}

bool FrameSchedule::Cancel() {
  const bool lDrawing = _State == eDrawing || _State == eSuperseded;
  if (lDrawing) RaiseCancel();
  if (_HasPending) _Pending.Cut = true;
  return lDrawing || _HasPending;
}

void FrameSchedule::AddJob(std::function<void()> iJob) {
  if (_State != eStopped) _Jobs.push_back(std::move(iJob));
}

void FrameSchedule::Stop() {
  if (_State == eDrawing || _State == eSuperseded) RaiseCancel();
  _State = eStopped;
  _HasPending = false;
  _Jobs.clear();
}

FrameSchedule::eNext FrameSchedule::Next(Request& oRequest, std::function<void()>& oJob) {
  if (_State == eStopped) return eStop;
  if (_State != eIdle) return eWait;
  if (!_Jobs.empty()) {
    oJob = std::move(_Jobs.front());
    _Jobs.pop_front();
    _State = eRunningJob;
    _Cancel = _CancelRaised = false;
    return eJob;
  }
  if (!_HasPending) return eWait;
  _Current = _Pending;
  _HasPending = false;
  _State = eDrawing;
  // A Cancel left untaken by the last picture (one without a progress box) is not this one's.
  _Cancel = _CancelRaised = _Current.Cut;
  oRequest = _Current;
  return eDraw;
}

bool FrameSchedule::EndPicture(bool& oCut) {
  // A Cancel raised and taken cut the picture short: the rows not computed are left empty.
  oCut = _CancelRaised && !_Cancel;
  const bool lKept = _State == eDrawing;
  if (_State != eStopped) _State = eIdle;
  return lKept;
}

void FrameSchedule::EndJob() {
  if (_State != eStopped) _State = eIdle;
}
