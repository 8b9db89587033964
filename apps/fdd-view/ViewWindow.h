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
// With a trace, one line per frame goes to the standard output:
//   frame N ms=T input_ms=I size=WxH area=AX,AY box=L,T,R,B x=X0,X1 y=Y0,Y1 busy=B cut=C drawn_ms=D
//   moved=M text_boxes=X0,Y0,X1,Y1;... ticks=TEXT|TEXT|...
// (T: the frame's drawing time; I: from the input event that asked for it to the frame drawn;
// area: the drawing area's place in the window; box: the data box in the area, pixels, y down;
// x, y: the view shown; B: 1 while a newer view is still being drawn off the window's thread;
// C: 1 when Esc cut the picture shown short; D: the time the picture of the data took to draw;
// M: 1 when the data shown is an older picture's, moved to where the view puts it;
// text_boxes: the geometric texts' boxes, model units),
// the status line's text as it changes: status TEXT, and the progress bar's fraction as it
// changes: progress F.
// Borrows the content and the font; owns its GTK widgets through the window.
#ifndef ViewWindow_H
#define ViewWindow_H

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "CATMathBox2D.h"
#include "FrameWorker.h"
#include "AxisScale.h"
#include "ViewBox.h"

class CATFont;
class CATViewer;
class Figure;
class PlotArea;
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

  // Shows the window and runs until it is closed; the exit status (1 when no window can open).
  int Run();

  // Runs iStep (loading the data) off the window's thread and returns its status. A step that
  // takes longer than a frame opens the window with a progress bar meanwhile; Run then shows the
  // plot in it (or returns at once when it was closed). Esc in that window, q, or closing it,
  // stops the reading of text files and returns 130, the window gone. With a trace:
  // loaded ms=T window=0|1 stopped=0|1.
  static int Load(const Options& iOptions, const std::function<int()>& iStep);

 private:
  static void OnDraw(GtkWidget* iArea, cairo_t* iContext, int iWidth, int iHeight, void* iSelf);
  void Draw(cairo_t* iContext, int iWidth, int iHeight);
  // Draw for content drawn off the window's thread: the newest picture, and a request for the
  // current view when it is not that picture's.
  void DrawShown(cairo_t* iContext, int iWidth, int iHeight);
  // Draws the frame of the current view (axes, texts, scales) with the data of the picture shown
  // moved (or scaled) to where the view puts it, while the view's own picture is computed; false,
  // drawing nothing, when that cannot be done at once.
  bool DrawMoved(cairo_t* iContext, int iWidth, int iHeight, std::string& oTexts, std::string& oBoxes);
  // The picture shown is of the current view and the area's size.
  bool ShowsCurrent() const;
  // The box a box drag draws, over the frame.
  void DrawBox(cairo_t* iContext) const;
  // A new figure of the view iView (axis coordinates) at iWidth x iHeight; without iData its frame
  // only (null when the content has none).
  std::unique_ptr<Figure> MakeFigure(const ViewBox& iView, int iWidth, int iHeight, bool iData = true) const;
  // The trace's line of a frame showing iView (axis coordinates) with the texts iTexts.
  void Trace(const ViewBox& iView, const std::string& iTexts, const std::string& iBoxes, int iWidth, int iHeight,
             double iMilliseconds, bool iBusy, bool iCut, double iDrawn, bool iMoved);

  // Axis coordinates of the area's point (iX, iY) (GTK's, y down) in the last figure; false
  // outside its data box.
  bool ToData(double iX, double iY, double& oX, double& oY, bool iClamp = false) const;
  // Axis units per pixel along x and y in the last figure.
  void DataPerPixel(double& oX, double& oY) const;
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
  // GTK once per program; false without a display.
  static bool StartGtk();
  // A new top-level window of iOptions' title and size.
  static GtkWidget* NewWindow(const Options& iOptions);

  ViewContent& _Content;
  CATFont& _Font;
  Options _Options;
  // The view in axis coordinates.
  ViewBox _View;
  // The scales of the axes: the view box is kept in their coordinates.
  AxisScale _XScale, _YScale;
  GtkWidget* _Window = nullptr;
  GtkWidget* _Area = nullptr;
  GtkWidget* _Progress = nullptr;
  GtkWidget* _StatusLine = nullptr;
  bool _Closed = false;
  // The figure drawn last (on this thread), its plot's data box, its size, and the frame count.
  std::unique_ptr<Figure> _Figure;
  CATMathBox2D _DataBox;
  bool _HasBox = false;
  // The scene of the figure drawn last, the view it shows, and whether the content has changed
  // since (work that ended).
  std::unique_ptr<CATViewer> _Viewer;
  ViewBox _FigureView;
  bool _Rebuild = false;
  int _Width = 0, _Height = 0;
  long _Frames = 0;
  // A drag: where it began (area coordinates), the view then, and whether it draws a box.
  bool _Dragging = false, _BoxDrag = false;
  double _DragX = 0.0, _DragY = 0.0, _DragDX = 0.0, _DragDY = 0.0;
  ViewBox _DragView;
  double _PointerX = -1.0, _PointerY = -1.0;
  std::chrono::steady_clock::time_point _Input;
  bool _InputPending = false;
  bool _WasWorking = false;
  // Esc asked to stop work that had not started; the bar's fraction last traced.
  bool _CancelAsked = false;
  double _TracedProgress = -1.0;
  // Slow content: the thread that draws it and the picture shown.
  std::unique_ptr<FrameWorker> _Worker;
  std::shared_ptr<const FrameWorker::Frame> _Shown;
  // The timer that draws again a moved picture that could not be drawn yet, or 0.
  unsigned int _RetryMove = 0;
};

#endif
