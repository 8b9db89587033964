// The window of fdd-view: a plot that pans and zooms, a progress bar for work that runs off the
// window's thread, and a status line. Every frame lays a new figure out for the drawing area's
// size and the current view (axes, ticks and legend chosen again) and draws it straight into the
// area's cairo context.
//
// Mouse and keys: the wheel zooms about the cursor (Shift: x only, Ctrl: y only); left drag pans;
// right drag or Ctrl + left drag zooms to the box drawn; a double click or Home shows the whole
// data; the arrow keys pan and + and - zoom; s saves the view as fdd-plot writes pictures (PNG,
// SVG or PDF by the name's extension, into the file given or one a file chooser asks for); Esc
// stops work in progress; n or Page Down turns to the content's next page; q closes.
// Content whose frames may be slow (a colour map) is drawn off the window's thread. A picture that
// took less than a frame last time is waited for (a frame at most), so that the frame answering an
// input shows it; otherwise the window draws the new view's axes around the last picture's data,
// moved (a pan) or scaled (a zoom) to where the view puts it, with a progress bar meanwhile (the
// fraction of rows done when the computation tells it), and the view's own picture when it is
// there. Esc before that computation has started stops it once it does. s writes slow content
// off the window's thread too.
// With a trace, a FrameTrace watches the frames (one line per frame, the status line's text and
// the progress bar's fraction as they change). The view and its input rules are a ViewNavigator's,
// the slow content's thread a FrameWorker's, the loading window a LoadingWindow's; LibraryLock
// says which threads may touch the library's objects when.
// Borrows the content and the font; owns its GTK widgets through the window.
#ifndef ViewWindow_H
#define ViewWindow_H

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "FrameObserver.h"
#include "FramePainter.h"
#include "FrameWorker.h"
#include "ViewBox.h"
#include "ViewNavigator.h"

class CATFont;
class Figure;
class ViewContent;
typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

class ViewWindow {
 public:
  struct Options {
    std::string Title = "fdd-view";
    int Width = 1000;
    int Height = 650;
    bool Trace = false;
    // Where s writes; empty: a file chooser asks.
    std::string SavePath;
  };

  ViewWindow(ViewContent& iContent, CATFont& iFont, const Options& iOptions);
  ~ViewWindow();
  ViewWindow(const ViewWindow&) = delete;
  ViewWindow& operator=(const ViewWindow&) = delete;

  // Shows the window (the loading window's, when one was opened) and runs until it is closed; the
  // exit status (1 when no window can open).
  int Run();

 private:
  static void OnDraw(GtkWidget* iArea, cairo_t* iContext, int iWidth, int iHeight, void* iSelf);
  // The one frame path: the picture (drawn here, or the worker's), the box being dragged, and the
  // frame's record for the observer.
  void Draw(cairo_t* iContext, int iWidth, int iHeight);
  // The picture of content drawn on this thread; false for a fixed page (nothing to record).
  bool DrawHere(cairo_t* iContext, FrameObserver::Record& oRecord);
  // The picture of content drawn off this thread: the newest one, and a request for the current
  // view when it is not that picture's; false when there is none yet.
  bool DrawShown(cairo_t* iContext, FrameObserver::Record& oRecord);
  // Draws the frame of the current view (axes, texts, scales) with the data of the picture shown
  // moved (or scaled) to where the view puts it, while the view's own picture is computed; false,
  // drawing nothing, when that cannot be done at once.
  bool DrawMoved(cairo_t* iContext, FrameObserver::Record& oRecord);
  // The picture shown is of the current view and the area's size.
  bool ShowsCurrent() const;
  // The box a box drag draws, over the frame.
  void DrawBox(cairo_t* iContext) const;
  // A new figure of the view iView (axis coordinates) at iWidth x iHeight; without iData its frame
  // only (null when the content has none). Under the library's lock.
  std::unique_ptr<Figure> MakeFigure(const ViewBox& iView, int iWidth, int iHeight, bool iData = true) const;
  // Releases a figure under the library's lock.
  static void Release(std::unique_ptr<Figure>& ioFigure);
  // Where the drawing area lies in the window, for the record.
  void AreaOrigin(double& oX, double& oY) const;

  // Asks for a new frame after an input.
  void Redraw();
  void Status(double iX, double iY);
  void Save();
  void Write(const std::string& iPath);
  static void OnChosen(void* iChooser, int iResponse, void* iSelf);
  // A file written off the window's thread: its message, then the message of a written file
  // (standard output and the status line).
  static int OnWritten(void* iDone);
  void Said(const std::string& iMessage);

  // Input handlers, connected to GTK's signals.
  static int OnScroll(void* iController, double iDX, double iDY, void* iSelf);
  static void OnMotion(void* iController, double iX, double iY, void* iSelf);
  static void OnDragBegin(void* iGesture, double iX, double iY, void* iSelf);
  static void OnDragUpdate(void* iGesture, double iX, double iY, void* iSelf);
  static void OnDragEnd(void* iGesture, double iX, double iY, void* iSelf);
  static void OnPressed(void* iGesture, int iPresses, double iX, double iY, void* iSelf);
  static int OnKey(void* iController, unsigned int iKey, unsigned int iCode, int iState, void* iSelf);
  static int OnTick(void* iSelf);
  // Hands an Esc to the content's work, as soon as it can take it.
  void ApplyCancel();
  static int OnFrameDone(void* iSelf);
  static int OnRetryMove(void* iSelf);
  static void OnDestroy(GtkWidget* iWindow, void* iSelf);

  ViewContent& _Content;
  CATFont& _Font;
  Options _Options;
  // The view, its scales, the data box last drawn, and the input rules.
  ViewNavigator _Navigator;
  // The trace, when asked for.
  std::unique_ptr<FrameObserver> _Observer;
  GtkWidget* _Window = nullptr;
  GtkWidget* _Area = nullptr;
  GtkWidget* _Progress = nullptr;
  GtkWidget* _StatusLine = nullptr;
  bool _Closed = false;
  // Content drawn here: the figure drawn last, its scene, the view it shows (axis coordinates), and
  // whether the content has changed since (work that ended).
  std::unique_ptr<Figure> _Figure;
  FramePainter::Scene _Viewer;
  ViewBox _FigureView;
  bool _Rebuild = false;
  // The area's size at the last frame, and the frame count.
  int _Width = 0, _Height = 0;
  long _Frames = 0;
  // A drag: where it began (area coordinates), how far it went, and whether it draws a box.
  bool _Dragging = false, _BoxDrag = false;
  double _DragX = 0.0, _DragY = 0.0, _DragDX = 0.0, _DragDY = 0.0;
  double _PointerX = -1.0, _PointerY = -1.0;
  // The input that asked for the frame to come.
  std::chrono::steady_clock::time_point _Input;
  bool _InputPending = false;
  bool _WasWorking = false;
  // Esc asked to stop work that had not started; the bar's fraction last told.
  bool _CancelAsked = false;
  double _TracedProgress = -1.0;
  // Slow content: the thread that draws it and the picture shown.
  std::unique_ptr<FrameWorker> _Worker;
  std::shared_ptr<const FrameWorker::Frame> _Shown;
  // The timer that draws again a moved picture that could not be drawn yet, or 0.
  unsigned int _RetryMove = 0;
};

#endif
