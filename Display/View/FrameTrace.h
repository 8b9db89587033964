// The trace of fdd-view --trace: one line per frame, status and progress line, written to a
// stream (the standard output) and flushed at once, so a program that drives the window reads
// them as they come:
//   frame N ms=T input_ms=I size=WxH area=AX,AY box=L,T,R,B x=X0,X1 y=Y0,Y1 busy=B cut=C drawn_ms=D
//   moved=M text_boxes=X0,Y0,X1,Y1;... ticks=TEXT|TEXT|...
//   status TEXT
//   progress F
// (box: the data box in the area, pixels, y down; x, y: the view, data units).
#ifndef FrameTrace_H
#define FrameTrace_H

#include <cstdio>

#include "FrameObserver.h"

class FrameTrace : public FrameObserver {
 public:
  explicit FrameTrace(std::FILE* iOut) : _Out(iOut) {}

  void OnFrame(const Record& iFrame) override;
  void OnStatus(const std::string& iText) override;
  void OnProgress(double iFraction) override;

 private:
  std::FILE* _Out;
};

#endif
