// Whoever watches a window's frames (the trace, a test): told of every frame drawn, of the status
// line's text and of the progress bar's fraction as they change. The window calls it on its own
// thread; it never changes what the window does.
#ifndef FrameObserver_H
#define FrameObserver_H

#include <string>

#include "CATMathBox2D.h"
#include "ViewBox.h"

class FrameObserver {
 public:
  // A frame as drawn.
  struct Record {
    long Number = 0;
    // The frame's drawing time; from the input event that asked for it to the frame drawn (0 when
    // no input waited); the time the picture of the data took to draw.
    double Milliseconds = 0.0, InputMilliseconds = 0.0, DrawnMilliseconds = 0.0;
    int Width = 0, Height = 0;
    // The drawing area's place in the window, pixels.
    double AreaX = 0.0, AreaY = 0.0;
    // The plot's data box (model units, y up) and the view shown (data units).
    CATMathBox2D DataBox;
    ViewBox View;
    // A newer view is still being drawn off the window's thread; Esc cut the picture short; the
    // data shown is an older picture's, moved to where the view puts it.
    bool Busy = false, Cut = false, Moved = false;
    // The texts as drawn, "TEXT|TEXT|...", and their boxes, "x0,y0,x1,y1;..." (model units).
    std::string Texts, TextBoxes;
  };

  virtual ~FrameObserver() = default;
  virtual void OnFrame(const Record& iFrame) = 0;
  virtual void OnStatus(const std::string& iText) = 0;
  virtual void OnProgress(double iFraction) = 0;
};

#endif
