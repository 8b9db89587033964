// The states of a window's frame worker, without its thread: what it does now (nothing, drawing a
// picture, drawing one already left behind, running a job, stopped), the one picture asked for next
// (a newer request replaces it), the jobs waiting, and the Cancel flag that the host's progress
// controls on the worker's thread take. The worker calls it under its own mutex; every rule about
// which request is drawn, which picture is kept and what Esc cuts short is here.
#ifndef FrameSchedule_H
#define FrameSchedule_H

#include <atomic>
#include <deque>
#include <functional>

#include "ViewBox.h"

class FrameSchedule {
 public:
  enum eState { eIdle, eDrawing, eSuperseded, eRunningJob, eStopped };
  // What the worker does next.
  enum eNext { eWait, eDraw, eJob, eStop };
  // A picture of the view View (axis coordinates) at Width x Height; Cut: Esc came before it began.
  struct Request {
    ViewBox View;
    int Width = 0, Height = 0;
    bool Cut = false;
    bool Same(const ViewBox& iView, int iWidth, int iHeight) const;
  };

  eState GetState() const { return _State; }
  bool HasPending() const { return _HasPending; }
  // A picture is being drawn or waits to be, or a job runs.
  bool IsBusy() const { return _HasPending || _State == eDrawing || _State == eSuperseded || _State == eRunningJob; }
  bool IsRunningJob() const { return _State == eRunningJob; }
  // The flag the progress controls of the worker's thread take (making it false again).
  std::atomic<bool>& GetCancelFlag() { return _Cancel; }

  // The window asks for a view; the request being drawn or waiting, asked again, changes nothing.
  // A picture being drawn of another view is cut short and will be dropped.
  void Ask(const ViewBox& iView, int iWidth, int iHeight);
  // Esc: cuts the picture being drawn short, and the one waiting when it begins. False when there
  // is neither.
  bool Cancel();
  void AddJob(std::function<void()> iJob);
  // Stops the worker: a picture being drawn is cut short and dropped.
  void Stop();

  // The worker, idle, takes what comes next: a job first, then the request waiting.
  eNext Next(Request& oRequest, std::function<void()>& oJob);
  // The picture being drawn has ended: whether it is kept, and whether Esc cut it short.
  bool EndPicture(bool& oCut);
  void EndJob();

 private:
  void RaiseCancel();

  eState _State = eIdle;
  Request _Pending, _Current;
  bool _HasPending = false;
  std::deque<std::function<void()>> _Jobs;
  std::atomic<bool> _Cancel{false};
  // The Cancel was raised during the picture being drawn.
  bool _CancelRaised = false;
};

#endif
