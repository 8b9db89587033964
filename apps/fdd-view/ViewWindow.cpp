#include "ViewWindow.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "CATFont.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "CommandSupport.h"
#include "OptionText.h"
#include "CsvFile.h"
#include "Figure.h"
#include "PlotArea.h"
#include "TextBoxRecorder.h"
#include "ViewContent.h"

namespace {

// One wheel step zooms by this factor; one arrow key pans by this part of the view.
const double kWheelZoom = 1.25;
const double kKeyPan = 0.1;
// A box smaller than this many pixels is a click, not a zoom.
const double kSmallestBox = 4.0;
// A picture of slow content drawn in less than this is waited for, this long at most.
const double kFastFrame = 12.0;
const auto kLongestWait = std::chrono::milliseconds(20);
// A moved picture that had to wait longer than that is tried again this many milliseconds later.
const guint kRetryMove = 5;
// Loading that takes longer than this opens the window with its progress bar.
const auto kLoadingShown = std::chrono::milliseconds(100);

// The window opened while the data loaded, which Run takes over; whether it was closed meanwhile.
GtkWidget* sLoadingWindow = nullptr;
bool sClosedWhileLoading = false;
bool sTrace = false;
// Esc, or closing the window, while the data loads: the text readers stop at their next look.
std::atomic<bool> sStopLoading{false};
// The exit status of a load stopped so, as fdd-plot's of a run cut short.
const int kStopped = 130;

void OnLoadingDestroyed(GtkWidget*, void*) {
  sLoadingWindow = nullptr;
  sClosedWhileLoading = true;
  sStopLoading = true;
}

int OnLoadingTick(void* iBar) {
  gtk_progress_bar_pulse(GTK_PROGRESS_BAR(iBar));
  return G_SOURCE_CONTINUE;
}

int OnLoadingKey(void*, unsigned int iKey, unsigned int, int, void* iBar) {
  // q quits as in the plot's window: the window goes, and with it the loading.
  if ((iKey == GDK_KEY_q || iKey == GDK_KEY_Q) && sLoadingWindow) {
    gtk_window_destroy(GTK_WINDOW(sLoadingWindow));
    return TRUE;
  }
  if (iKey != GDK_KEY_Escape) return FALSE;
  sStopLoading = true;
  const char* const kText = "stopping the loading";
  gtk_progress_bar_set_text(GTK_PROGRESS_BAR(iBar), kText);
  if (sTrace) {
    std::printf("status %s\n", kText);
    std::fflush(stdout);
  }
  return TRUE;
}

}  // namespace

ViewWindow::ViewWindow(ViewContent& iContent, CATFont& iFont, const Options& iOptions)
    : _Content(iContent), _Font(iFont), _Options(iOptions) {
  // The whole data: the ranges a figure chooses for itself.
  Figure lFigure(_Options.Width, _Options.Height);
  PlotArea& lPlot = lFigure.AddPlot();
  _Content.Fill(lPlot, nullptr);
  CATViewer lViewer(_Options.Width, _Options.Height);
  lFigure.Build(lViewer, _Font);
  double lX0, lX1, lY0, lY1;
  lPlot.GetXRange(lX0, lX1);
  lPlot.GetYRange(lY0, lY1);
  _XScale = lPlot.GetXAxis().GetScale();
  _YScale = lPlot.GetYAxis().GetScale();
  _View = ViewBox(_XScale.ToAxis(lX0), _XScale.ToAxis(lX1), _YScale.ToAxis(lY0), _YScale.ToAxis(lY1));
}

ViewWindow::~ViewWindow() = default;

bool ViewWindow::StartGtk() {
  // GTK counts itself started after a first try that found no display, and a second try answers
  // yes: the first answer is kept.
  static const bool sStarted = [] {
    // The name files saved through the chooser are remembered under.
    g_set_prgname("fdd-view");
    g_set_application_name("fdd-view");
    const bool lStarted = gtk_init_check() != FALSE;
    // GTK takes the user's locale; numbers the program writes (status line, trace, pictures) keep
    // the decimal point whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    return lStarted;
  }();
  return sStarted;
}

GtkWidget* ViewWindow::NewWindow(const Options& iOptions) {
  GtkWidget* lWindow = gtk_window_new();
  gtk_window_set_title(GTK_WINDOW(lWindow), iOptions.Title.c_str());
  gtk_window_set_default_size(GTK_WINDOW(lWindow), iOptions.Width, iOptions.Height);
  return lWindow;
}

int ViewWindow::Load(const Options& iOptions, const std::function<int()>& iStep) {
  const auto lStart = std::chrono::steady_clock::now();
  std::atomic<bool> lDone{false};
  int lStatus = 1;
  const auto lLoad = [&] {
    // Nothing may end the thread by unwinding.
    try {
      CsvFile::StopOnThisThread(&sStopLoading);
      lStatus = iStep();
      CsvFile::StopOnThisThread(nullptr);
    } catch (const std::exception& iError) {
      std::fprintf(stderr, "fdd-view: %s\n", iError.what());
    }
    lDone = true;
    g_main_context_wakeup(nullptr);
  };
  std::thread lThread;
  try {
    lThread = std::thread(lLoad);
  } catch (const std::exception&) {  // no thread, or no memory for its start
    // No thread to spare: the data is loaded here, before the window opens.
    lLoad();
  }
  while (!lDone && std::chrono::steady_clock::now() - lStart < kLoadingShown)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  // On a busy machine this thread may wake long after the wait, to find the data already read.
  // The window is owed when the data was not read at this look; the trace says so, and whether the
  // display let GTK start.
  const bool lOwed = !lDone;
  const double lDecidedMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
  bool lShown = false;
  const bool lDisplay = !lOwed || StartGtk();
  if (lOwed && lDisplay) {
    lShown = true;
    sLoadingWindow = NewWindow(iOptions);
    g_signal_connect(sLoadingWindow, "destroy", G_CALLBACK(OnLoadingDestroyed), nullptr);
    GtkWidget* lBar = gtk_progress_bar_new();
    gtk_progress_bar_set_show_text(GTK_PROGRESS_BAR(lBar), TRUE);
    gtk_progress_bar_set_text(GTK_PROGRESS_BAR(lBar), "loading the data");
    gtk_widget_set_valign(lBar, GTK_ALIGN_END);
    gtk_window_set_child(GTK_WINDOW(sLoadingWindow), lBar);
    sTrace = iOptions.Trace;
    GtkEventController* lKeys = gtk_event_controller_key_new();
    g_signal_connect(lKeys, "key-pressed", G_CALLBACK(OnLoadingKey), lBar);
    gtk_widget_add_controller(sLoadingWindow, lKeys);
    const guint lTimer = g_timeout_add(50, reinterpret_cast<GSourceFunc>(OnLoadingTick), lBar);
    gtk_window_present(GTK_WINDOW(sLoadingWindow));
    while (!lDone) g_main_context_iteration(nullptr, TRUE);
    g_source_remove(lTimer);
    // The window Run takes over has keys of its own; the bar goes.
    if (sLoadingWindow) gtk_widget_remove_controller(sLoadingWindow, lKeys);
  }
  if (lThread.joinable()) lThread.join();
  // Data read in full although it was asked to stop (a file with nothing to stop at) is not shown
  // either: the window goes as asked.
  const bool lStopped = sStopLoading;
  if (lStopped && lStatus == 0) std::fprintf(stderr, "fdd-view: loading stopped\n");
  if (iOptions.Trace) {
    std::printf("loaded ms=%.1f window=%d stopped=%d decided_ms=%.1f owed=%d display=%d\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count(),
                lShown ? 1 : 0, lStopped ? 1 : 0, lDecidedMs, lOwed ? 1 : 0, lDisplay ? 1 : 0);
    std::fflush(stdout);
  }
  if (!lStopped) return lStatus;
  if (sLoadingWindow) gtk_window_destroy(GTK_WINDOW(sLoadingWindow));
  return kStopped;
}

int ViewWindow::Run() {
  // A window closed while the data loaded asked for nothing more.
  if (sClosedWhileLoading) return 0;
  if (!StartGtk()) {
    std::fprintf(stderr, "fdd-view: cannot open a window (no display)\n");
    return 1;
  }
  if (sLoadingWindow) {
    _Window = sLoadingWindow;
    g_signal_handlers_disconnect_by_func(_Window, reinterpret_cast<gpointer>(OnLoadingDestroyed), nullptr);
    sLoadingWindow = nullptr;
  } else {
    _Window = NewWindow(_Options);
  }
  g_signal_connect(_Window, "destroy", G_CALLBACK(OnDestroy), this);

  GtkWidget* lBox = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  _Area = gtk_drawing_area_new();
  gtk_widget_set_vexpand(_Area, TRUE);
  gtk_widget_set_hexpand(_Area, TRUE);
  gtk_drawing_area_set_draw_func(GTK_DRAWING_AREA(_Area), reinterpret_cast<GtkDrawingAreaDrawFunc>(OnDraw), this,
                                 nullptr);
  _Progress = gtk_progress_bar_new();
  gtk_progress_bar_set_show_text(GTK_PROGRESS_BAR(_Progress), TRUE);
  gtk_progress_bar_set_text(GTK_PROGRESS_BAR(_Progress), "preparing the view (Esc stops)");
  // Shown and hidden by its opacity: the plot's size stays when work starts or ends (a new size
  // would ask for a new picture of slow content, and so on).
  gtk_widget_set_opacity(_Progress, 0.0);
  _StatusLine = gtk_label_new("");
  gtk_label_set_xalign(GTK_LABEL(_StatusLine), 0.0f);
  gtk_label_set_selectable(GTK_LABEL(_StatusLine), FALSE);
  gtk_widget_set_margin_start(_StatusLine, 6);
  gtk_widget_set_margin_top(_StatusLine, 2);
  gtk_widget_set_margin_bottom(_StatusLine, 2);
  gtk_box_append(GTK_BOX(lBox), _Area);
  gtk_box_append(GTK_BOX(lBox), _Progress);
  gtk_box_append(GTK_BOX(lBox), _StatusLine);
  gtk_window_set_child(GTK_WINDOW(_Window), lBox);

  GtkEventController* lScroll = gtk_event_controller_scroll_new(GTK_EVENT_CONTROLLER_SCROLL_VERTICAL);
  g_signal_connect(lScroll, "scroll", G_CALLBACK(OnScroll), this);
  gtk_widget_add_controller(_Area, lScroll);
  GtkEventController* lMotion = gtk_event_controller_motion_new();
  g_signal_connect(lMotion, "motion", G_CALLBACK(OnMotion), this);
  gtk_widget_add_controller(_Area, lMotion);
  // Any button drags; which one decides between panning and a box.
  GtkGesture* lDrag = gtk_gesture_drag_new();
  gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(lDrag), 0);
  g_signal_connect(lDrag, "drag-begin", G_CALLBACK(OnDragBegin), this);
  g_signal_connect(lDrag, "drag-update", G_CALLBACK(OnDragUpdate), this);
  g_signal_connect(lDrag, "drag-end", G_CALLBACK(OnDragEnd), this);
  gtk_widget_add_controller(_Area, GTK_EVENT_CONTROLLER(lDrag));
  GtkGesture* lClick = gtk_gesture_click_new();
  g_signal_connect(lClick, "pressed", G_CALLBACK(OnPressed), this);
  gtk_widget_add_controller(_Area, GTK_EVENT_CONTROLLER(lClick));
  GtkEventController* lKeys = gtk_event_controller_key_new();
  g_signal_connect(lKeys, "key-pressed", G_CALLBACK(OnKey), this);
  gtk_widget_add_controller(_Window, lKeys);
  const guint lTimer = g_timeout_add(50, reinterpret_cast<GSourceFunc>(OnTick), this);

  if (_Content.SlowFrames())
    _Worker = std::make_unique<FrameWorker>(
        [this](const ViewBox& iView, int iWidth, int iHeight) { return MakeFigure(iView, iWidth, iHeight); }, _Font,
        _Options.Trace, [this] { g_idle_add(reinterpret_cast<GSourceFunc>(OnFrameDone), this); });

  gtk_window_present(GTK_WINDOW(_Window));
  while (!_Closed) g_main_context_iteration(nullptr, TRUE);
  g_source_remove(lTimer);
  if (_RetryMove) g_source_remove(_RetryMove);
  _Content.Cancel();
  _Worker.reset();
  _Shown.reset();
  // The worker's last calls for a frame ask this window, which is still there.
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
  return 0;
}

std::unique_ptr<Figure> ViewWindow::MakeFigure(const ViewBox& iView, int iWidth, int iHeight, bool iData) const {
  auto lFigure = std::make_unique<Figure>(iWidth, iHeight);
  PlotArea& lPlot = lFigure->AddPlot();
  const ViewBox lView(_XScale.FromAxis(iView.GetX0()), _XScale.FromAxis(iView.GetX1()), _YScale.FromAxis(iView.GetY0()),
                      _YScale.FromAxis(iView.GetY1()));
  if (!iData) {
    if (!_Content.FillFrame(lPlot, lView)) return nullptr;
  } else {
    _Content.Fill(lPlot, &lView);
  }
  lPlot.GetXAxis().SetRange(lView.GetX0(), lView.GetX1());
  lPlot.GetYAxis().SetRange(lView.GetY0(), lView.GetY1());
  return lFigure;
}

void ViewWindow::OnDraw(GtkWidget*, cairo_t* iContext, int iWidth, int iHeight, void* iSelf) {
  // Nothing may unwind through GTK's C frames: a frame that cannot be made is left out.
  try {
    static_cast<ViewWindow*>(iSelf)->Draw(iContext, iWidth, iHeight);
  } catch (const std::exception& iError) {
    std::fprintf(stderr, "fdd-view: a frame could not be drawn: %s\n", iError.what());
  }
}

void ViewWindow::Draw(cairo_t* iContext, int iWidth, int iHeight) {
  if (iWidth < OptionText::kMinSide || iHeight < OptionText::kMinSide) return;
  if (_Worker) {
    DrawShown(iContext, iWidth, iHeight);
    return;
  }
  const auto lStart = std::chrono::steady_clock::now();
  // A frame of the same view and size draws the figure again, with the images its map keeps (a
  // box being drawn, a status change).
  const bool lSame = _Figure && _Viewer && !_Rebuild && iWidth == _Width && iHeight == _Height && _FigureView.Shows(_View);
  _Width = iWidth;
  _Height = iHeight;
  if (!lSame) {
    _Rebuild = false;
    _Viewer = std::make_unique<CATViewer>(iWidth, iHeight);
    if (_Content.FillPage(*_Viewer, _Font)) {
      // A fixed page: nothing under the pointer has data coordinates.
      _Figure.reset();
      _HasBox = false;
    } else {
      _Figure = MakeFigure(_View, iWidth, iHeight);
      _Figure->Build(*_Viewer, _Font);
      _FigureView = _View;
      _DataBox = _Figure->GetPlot(0).GetDataBox();
      _HasBox = true;
    }
  }
  CATViewer& lViewer = *_Viewer;
  {
    CairoRender lRender(iContext, iWidth, iHeight);
    lRender.SetBackground(255, 255, 255);
    lViewer.Draw(lRender);
    lRender.Finish();
  }
  DrawBox(iContext);
  const double lMilliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
  ++_Frames;
  if (_Options.Trace && _Figure) {
    // The texts as drawn: the same scene, recorded.
    std::string lTexts, lBoxes;
    TextBoxRecorder::Record(lViewer, iWidth, iHeight, lTexts, lBoxes);
    Trace(_View, lTexts, lBoxes, iWidth, iHeight, lMilliseconds, false, false, lMilliseconds, false);
  }
  _InputPending = false;
}

void ViewWindow::DrawShown(cairo_t* iContext, int iWidth, int iHeight) {
  const auto lStart = std::chrono::steady_clock::now();
  _Width = iWidth;
  _Height = iHeight;
  if (std::shared_ptr<const FrameWorker::Frame> lNew = _Worker->TakeNew()) _Shown = std::move(lNew);
  if (!ShowsCurrent()) {
    // A picture that took less than a frame at this size is waited for, a frame at most: this
    // frame answers the input as one drawn here would, and a slower one leaves the window free.
    const bool lFast = _Shown && !_Shown->Cut && _Shown->Width == iWidth && _Shown->Height == iHeight &&
                       _Shown->Milliseconds < kFastFrame;
    _Worker->Ask(_View, iWidth, iHeight);
    ApplyCancel();
    if (lFast && _Worker->Await(kLongestWait))
      if (std::shared_ptr<const FrameWorker::Frame> lNew = _Worker->TakeNew()) _Shown = std::move(lNew);
  }
  const bool lCurrent = ShowsCurrent();
  cairo_save(iContext);
  cairo_set_source_rgb(iContext, 1.0, 1.0, 1.0);
  cairo_paint(iContext);
  cairo_restore(iContext);
  std::string lTexts, lBoxes;
  const bool lMoved = _Shown && !lCurrent && DrawMoved(iContext, iWidth, iHeight, lTexts, lBoxes);
  if (_Shown && !lMoved) {
    cairo_save(iContext);
    cairo_set_source_surface(iContext, _Shown->Surface, 0.0, 0.0);
    cairo_paint(iContext);
    cairo_restore(iContext);
    _DataBox = _Shown->DataBox;
    _HasBox = true;
  }
  DrawBox(iContext);
  const double lMilliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
  ++_Frames;
  if (_Options.Trace && lMoved)
    Trace(_View, lTexts, lBoxes, iWidth, iHeight, lMilliseconds, true, false, _Shown->Milliseconds, true);
  else if (_Options.Trace && _Shown)
    Trace(_Shown->View, _Shown->Texts, _Shown->TextBoxes, iWidth, iHeight, lMilliseconds, !lCurrent, _Shown->Cut,
          _Shown->Milliseconds, false);
  // The input is answered by the frame that shows its view.
  if (lCurrent) _InputPending = false;
}

bool ViewWindow::DrawMoved(cairo_t* iContext, int iWidth, int iHeight, std::string& oTexts, std::string& oBoxes) {
  if (_Shown->Width != iWidth || _Shown->Height != iHeight) return false;
  // The worker laying out the new view's figure is waited for; writing one (seconds) is not.
  std::unique_lock<std::timed_mutex> lLayout(_Worker->GetLayoutLock(), std::defer_lock);
  if (!lLayout.try_lock_for(kLongestWait)) {
    // The worker lays out longer than that (a loaded machine): the frame is tried again soon.
    if (!_RetryMove && !_Worker->IsRunningJob())
      _RetryMove = g_timeout_add(kRetryMove, reinterpret_cast<GSourceFunc>(OnRetryMove), this);
    return false;
  }
  const std::unique_ptr<Figure> lFigure = MakeFigure(_View, iWidth, iHeight, false);
  if (!lFigure) return false;
  CATViewer lViewer(iWidth, iHeight);
  lFigure->Build(lViewer, _Font);
  const CATMathBox2D lBox = lFigure->GetPlot(0).GetDataBox(), lOld = _Shown->DataBox;
  const ViewBox& lFrom = _Shown->View;
  const double lNewWidth = lBox.GetHigh().GetX() - lBox.GetLow().GetX();
  const double lNewHeight = lBox.GetHigh().GetY() - lBox.GetLow().GetY();
  const double lOldWidth = lOld.GetHigh().GetX() - lOld.GetLow().GetX();
  const double lOldHeight = lOld.GetHigh().GetY() - lOld.GetLow().GetY();
  if (!(lNewWidth > 0.0 && lNewHeight > 0.0 && lOldWidth > 0.0 && lOldHeight > 0.0)) return false;
  {
    CairoRender lRender(iContext, iWidth, iHeight);
    lRender.SetBackground(255, 255, 255);
    lViewer.Draw(lRender);
    lRender.Finish();
  }
  // Where the old picture's pixels show the view's data: x' = iScale x + iShift along each axis, in
  // the area's pixels (y down), whole pixels when the view has only moved.
  const auto lPlace = [](double iOldLow, double iOldSize, double iFrom0, double iFrom1, double iNewLow,
                         double iNewSize, double iTo0, double iTo1, double& oScale, double& oShift) {
    oScale = (iFrom1 - iFrom0) / iOldSize * iNewSize / (iTo1 - iTo0);
    oShift = iNewLow + (iFrom0 - iTo0) / (iTo1 - iTo0) * iNewSize - oScale * iOldLow;
    if (std::fabs(oScale - 1.0) < 1e-6) {
      oScale = 1.0;
      oShift = std::round(oShift);
    }
  };
  double lScaleX, lShiftX, lScaleY, lShiftY;
  lPlace(lOld.GetLow().GetX(), lOldWidth, lFrom.GetX0(), lFrom.GetX1(), lBox.GetLow().GetX(), lNewWidth, _View.GetX0(),
         _View.GetX1(), lScaleX, lShiftX);
  // Model y is up: the top edges and the views' upper ends correspond.
  lPlace(iHeight - lOld.GetHigh().GetY(), lOldHeight, -lFrom.GetY1(), -lFrom.GetY0(), iHeight - lBox.GetHigh().GetY(),
         lNewHeight, -_View.GetY1(), -_View.GetY0(), lScaleY, lShiftY);
  cairo_save(iContext);
  cairo_rectangle(iContext, lBox.GetLow().GetX(), iHeight - lBox.GetHigh().GetY(), lNewWidth, lNewHeight);
  cairo_clip(iContext);
  cairo_translate(iContext, lShiftX, lShiftY);
  cairo_scale(iContext, lScaleX, lScaleY);
  cairo_rectangle(iContext, lOld.GetLow().GetX(), iHeight - lOld.GetHigh().GetY(), lOldWidth, lOldHeight);
  cairo_clip(iContext);
  cairo_set_source_surface(iContext, _Shown->Surface, 0.0, 0.0);
  cairo_pattern_set_filter(cairo_get_source(iContext), CAIRO_FILTER_NEAREST);
  cairo_paint(iContext);
  cairo_restore(iContext);
  _DataBox = lBox;
  _HasBox = true;
  if (_Options.Trace) TextBoxRecorder::Record(lViewer, iWidth, iHeight, oTexts, oBoxes);
  return true;
}

bool ViewWindow::ShowsCurrent() const {
  return _Shown && _Shown->Width == _Width && _Shown->Height == _Height && _Shown->View.Shows(_View);
}

void ViewWindow::DrawBox(cairo_t* iContext) const {
  if (!_Dragging || !_BoxDrag) return;
  cairo_save(iContext);
  cairo_rectangle(iContext, _DragX, _DragY, _DragDX, _DragDY);
  cairo_set_source_rgba(iContext, 0.2, 0.4, 0.9, 0.15);
  cairo_fill_preserve(iContext);
  cairo_set_source_rgb(iContext, 0.2, 0.4, 0.9);
  cairo_set_line_width(iContext, 1.0);
  cairo_stroke(iContext);
  cairo_restore(iContext);
}

void ViewWindow::Trace(const ViewBox& iView, const std::string& iTexts, const std::string& iBoxes, int iWidth,
                       int iHeight, double iMilliseconds, bool iBusy, bool iCut, double iDrawn, bool iMoved) {
  const double lInput =
      _InputPending ? std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - _Input).count()
                    : 0.0;
  // Where the area lies in the window's surface, and the data box in the area (pixels, y down).
  graphene_point_t lOrigin = GRAPHENE_POINT_INIT(0.0f, 0.0f), lInWindow;
  GtkNative* lNative = gtk_widget_get_native(_Area);
  double lSurfaceX = 0.0, lSurfaceY = 0.0;
  if (!lNative || !gtk_widget_compute_point(_Area, GTK_WIDGET(lNative), &lOrigin, &lInWindow)) lInWindow = lOrigin;
  if (lNative) gtk_native_get_surface_transform(lNative, &lSurfaceX, &lSurfaceY);
  const CATMathBox2D& lBox = _DataBox;
  std::printf(
      "frame %ld ms=%.2f input_ms=%.2f size=%dx%d area=%.0f,%.0f box=%.1f,%.1f,%.1f,%.1f x=%.17g,%.17g y=%.17g,%.17g "
      "busy=%d cut=%d drawn_ms=%.2f moved=%d text_boxes=%s ticks=%s\n",
      _Frames, iMilliseconds, lInput, iWidth, iHeight, lInWindow.x + lSurfaceX, lInWindow.y + lSurfaceY,
      lBox.GetLow().GetX(), iHeight - lBox.GetHigh().GetY(), lBox.GetHigh().GetX(), iHeight - lBox.GetLow().GetY(),
      _XScale.FromAxis(iView.GetX0()), _XScale.FromAxis(iView.GetX1()), _YScale.FromAxis(iView.GetY0()),
      _YScale.FromAxis(iView.GetY1()), iBusy ? 1 : 0, iCut ? 1 : 0, iDrawn, iMoved ? 1 : 0, iBoxes.c_str(),
      iTexts.c_str());
  std::fflush(stdout);
}

bool ViewWindow::ToData(double iX, double iY, double& oX, double& oY, bool iClamp) const {
  if (!_HasBox) return false;
  const CATMathBox2D& lBox = _DataBox;
  const double lLowX = lBox.GetLow().GetX(), lHighX = lBox.GetHigh().GetX();
  const double lLowY = lBox.GetLow().GetY(), lHighY = lBox.GetHigh().GetY();
  if (!(lHighX > lLowX) || !(lHighY > lLowY)) return false;
  // Model units are the area's pixels with y up.
  double lModelX = iX, lModelY = _Height - iY;
  const bool lInside = lModelX >= lLowX && lModelX <= lHighX && lModelY >= lLowY && lModelY <= lHighY;
  if (iClamp) {
    lModelX = std::min(std::max(lModelX, lLowX), lHighX);
    lModelY = std::min(std::max(lModelY, lLowY), lHighY);
  }
  oX = _View.GetX0() + (lModelX - lLowX) / (lHighX - lLowX) * (_View.GetX1() - _View.GetX0());
  oY = _View.GetY0() + (lModelY - lLowY) / (lHighY - lLowY) * (_View.GetY1() - _View.GetY0());
  return lInside || iClamp;
}

void ViewWindow::DataPerPixel(double& oX, double& oY) const {
  oX = oY = 0.0;
  if (!_HasBox) return;
  const CATMathBox2D& lBox = _DataBox;
  const double lWidth = lBox.GetHigh().GetX() - lBox.GetLow().GetX();
  const double lHeight = lBox.GetHigh().GetY() - lBox.GetLow().GetY();
  if (lWidth > 0.0) oX = (_View.GetX1() - _View.GetX0()) / lWidth;
  if (lHeight > 0.0) oY = (_View.GetY1() - _View.GetY0()) / lHeight;
}

void ViewWindow::Redraw() {
  if (!_InputPending) _Input = std::chrono::steady_clock::now();
  _InputPending = true;
  if (_Area) gtk_widget_queue_draw(_Area);
  // The view under the pointer has changed, the area's size not.
  if (_PointerX >= 0.0) Status(_PointerX, _PointerY);
}

void ViewWindow::Status(double iX, double iY) {
  // Called from GTK's handlers: nothing may unwind through them; the text is then left as it was.
  try {
    double lX, lY;
    if (!ToData(iX, iY, lX, lY)) {
      gtk_label_set_text(GTK_LABEL(_StatusLine), "");
      return;
    }
    double lColumn, lRow;
    DataPerPixel(lColumn, lRow);
    // The pixel column around the pointer, in data units.
    const double lWidth = _XScale.FromAxis(lX + 0.5 * lColumn) - _XScale.FromAxis(lX - 0.5 * lColumn);
    std::string lText;
    const auto lDescribe = [&](Figure& iFigure) {
      lText = _Content.Describe(iFigure.GetPlot(0), _XScale.FromAxis(lX), _YScale.FromAxis(lY), lWidth);
    };
    if (_Worker)
      _Worker->UseFigure(lDescribe);
    else if (_Figure)
      lDescribe(*_Figure);
    else
      return;
    gtk_label_set_text(GTK_LABEL(_StatusLine), lText.c_str());
    if (_Options.Trace) {
      std::printf("status %s\n", lText.c_str());
      std::fflush(stdout);
    }
  } catch (const std::exception&) {
  }
}

void ViewWindow::Save() {
  if (!_Figure && !_Worker) return;
  if (!_Options.SavePath.empty()) {
    Write(_Options.SavePath);
    return;
  }
  GtkFileChooserNative* lChooser = gtk_file_chooser_native_new("Save the view", GTK_WINDOW(_Window),
                                                               GTK_FILE_CHOOSER_ACTION_SAVE, "_Save", "_Cancel");
  gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(lChooser), "view.png");
  g_signal_connect(lChooser, "response", G_CALLBACK(OnChosen), this);
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(lChooser));
}

void ViewWindow::OnChosen(void* iChooser, int iResponse, void* iSelf) {
  GtkFileChooserNative* lChooser = static_cast<GtkFileChooserNative*>(iChooser);
  if (iResponse == GTK_RESPONSE_ACCEPT) {
    GFile* lFile = gtk_file_chooser_get_file(GTK_FILE_CHOOSER(lChooser));
    char* lPath = lFile ? g_file_get_path(lFile) : nullptr;
    if (lPath) static_cast<ViewWindow*>(iSelf)->Write(lPath);
    g_free(lPath);
    if (lFile) g_object_unref(lFile);
  }
  g_object_unref(lChooser);
}

void ViewWindow::Write(const std::string& iPath) {
  const ViewBox lView = _View;
  const int lWidth = _Width > 0 ? _Width : _Options.Width, lHeight = _Height > 0 ? _Height : _Options.Height;
  // Why a file could not be written goes to the standard error, as fdd-plot says it; nothing may
  // unwind through GTK's handlers or end the worker's thread.
  const auto lWrite = [this, iPath, lView, lWidth, lHeight] {
    bool lWritten = false;
    try {
      std::unique_ptr<Figure> lFigure = MakeFigure(lView, lWidth, lHeight);
      lWritten = CommandSupport::Write(*lFigure, iPath, _Font);
    } catch (const std::exception& iError) {
      std::fprintf(stderr, "fdd-view: %s: %s\n", iPath.c_str(), iError.what());
    }
    return (lWritten ? "wrote " : "could not write ") + iPath;
  };
  if (!_Worker) {
    Said(lWrite());
    return;
  }
  // Slow content is written by its worker (an order map computed again): the window goes on
  // answering meanwhile and says when the file is there.
  gtk_label_set_text(GTK_LABEL(_StatusLine), ("writing " + iPath).c_str());
  _Worker->Run([this, lWrite] {
    auto* lDone = new std::pair<ViewWindow*, std::string>(this, lWrite());
    g_idle_add(reinterpret_cast<GSourceFunc>(OnWritten), lDone);
  });
}

int ViewWindow::OnWritten(void* iDone) {
  std::unique_ptr<std::pair<ViewWindow*, std::string>> lDone(static_cast<std::pair<ViewWindow*, std::string>*>(iDone));
  lDone->first->Said(lDone->second);
  return G_SOURCE_REMOVE;
}

void ViewWindow::Said(const std::string& iMessage) {
  std::printf("%s\n", iMessage.c_str());
  std::fflush(stdout);
  if (!_Closed) gtk_label_set_text(GTK_LABEL(_StatusLine), iMessage.c_str());
}

int ViewWindow::OnScroll(void* iController, double, double iDY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  double lX, lY;
  if (!lSelf.ToData(lSelf._PointerX, lSelf._PointerY, lX, lY, true)) return FALSE;
  const GdkModifierType lState =
      gtk_event_controller_get_current_event_state(static_cast<GtkEventController*>(iController));
  const double lFactor = std::pow(kWheelZoom, -iDY);
  const bool lOnlyX = lState & GDK_SHIFT_MASK, lOnlyY = lState & GDK_CONTROL_MASK;
  lSelf._View.Zoom(lX, lY, lOnlyY ? 1.0 : lFactor, lOnlyX ? 1.0 : lFactor);
  lSelf.Redraw();
  return TRUE;
}

void ViewWindow::OnMotion(void*, double iX, double iY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  lSelf._PointerX = iX;
  lSelf._PointerY = iY;
  lSelf.Status(iX, iY);
}

void ViewWindow::OnDragBegin(void* iGesture, double iX, double iY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  GtkGesture* lGesture = static_cast<GtkGesture*>(iGesture);
  const guint lButton = gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(lGesture));
  const GdkModifierType lState = gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(lGesture));
  lSelf._Dragging = true;
  lSelf._BoxDrag = lButton == 3 || (lButton == 1 && (lState & GDK_CONTROL_MASK));
  lSelf._DragX = iX;
  lSelf._DragY = iY;
  lSelf._DragDX = lSelf._DragDY = 0.0;
  lSelf._DragView = lSelf._View;
}

void ViewWindow::OnDragUpdate(void*, double iDX, double iDY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (!lSelf._Dragging) return;
  lSelf._DragDX = iDX;
  lSelf._DragDY = iDY;
  if (!lSelf._BoxDrag) {
    double lPerX, lPerY;
    lSelf.DataPerPixel(lPerX, lPerY);
    lSelf._View = lSelf._DragView;
    lSelf._View.Pan(-iDX * lPerX, iDY * lPerY);
  }
  lSelf.Redraw();
}

void ViewWindow::OnDragEnd(void*, double iDX, double iDY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (!lSelf._Dragging) return;
  lSelf._Dragging = false;
  if (lSelf._BoxDrag && std::fabs(iDX) >= kSmallestBox && std::fabs(iDY) >= kSmallestBox) {
    double lX0, lY0, lX1, lY1;
    lSelf.ToData(lSelf._DragX, lSelf._DragY, lX0, lY0, true);
    lSelf.ToData(lSelf._DragX + iDX, lSelf._DragY + iDY, lX1, lY1, true);
    lSelf._View.Show(lX0, lX1, lY0, lY1);
  }
  lSelf.Redraw();
}

void ViewWindow::OnPressed(void*, int iPresses, double, double, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (iPresses != 2) return;
  lSelf._View.Home();
  lSelf.Redraw();
}

int ViewWindow::OnKey(void*, unsigned int iKey, unsigned int, int, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  ViewBox& lView = lSelf._View;
  const double lWidth = lView.GetX1() - lView.GetX0(), lHeight = lView.GetY1() - lView.GetY0();
  const double lCentreX = 0.5 * (lView.GetX0() + lView.GetX1()), lCentreY = 0.5 * (lView.GetY0() + lView.GetY1());
  switch (iKey) {
    case GDK_KEY_q:
    case GDK_KEY_Q:
      gtk_window_destroy(GTK_WINDOW(lSelf._Window));
      return TRUE;
    case GDK_KEY_Escape:
      lSelf._CancelAsked = true;
      lSelf.ApplyCancel();
      return TRUE;
    case GDK_KEY_n:
    case GDK_KEY_Page_Down:
      if (!lSelf._Content.NextPage()) return FALSE;
      // Nothing of the last page lies under the pointer any more.
      lSelf._Viewer.reset();
      lSelf._Figure.reset();
      lSelf._HasBox = false;
      break;
    case GDK_KEY_s:
    case GDK_KEY_S:
      lSelf.Save();
      return TRUE;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home:
      lView.Home();
      break;
    case GDK_KEY_Left:
      lView.Pan(-kKeyPan * lWidth, 0.0);
      break;
    case GDK_KEY_Right:
      lView.Pan(kKeyPan * lWidth, 0.0);
      break;
    case GDK_KEY_Up:
      lView.Pan(0.0, kKeyPan * lHeight);
      break;
    case GDK_KEY_Down:
      lView.Pan(0.0, -kKeyPan * lHeight);
      break;
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add:
      lView.Zoom(lCentreX, lCentreY, kWheelZoom, kWheelZoom);
      break;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract:
      lView.Zoom(lCentreX, lCentreY, 1.0 / kWheelZoom, 1.0 / kWheelZoom);
      break;
    default:
      return FALSE;
  }
  lSelf.Redraw();
  return TRUE;
}

int ViewWindow::OnTick(void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (lSelf._Closed) return G_SOURCE_CONTINUE;
  lSelf.ApplyCancel();
  const bool lDrawing = lSelf._Worker && lSelf._Worker->IsBusy();
  // A picture drawn off this thread tells its rows done once its computation has started.
  const double lProgress = lDrawing ? lSelf._Worker->GetFraction() : lSelf._Content.GetProgress();
  const bool lWorking = lProgress >= 0.0 || lDrawing;
  gtk_widget_set_opacity(lSelf._Progress, lWorking ? 1.0 : 0.0);
  if (lProgress >= 0.0) {
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(lSelf._Progress), lProgress);
    if (lSelf._Options.Trace && lProgress != lSelf._TracedProgress) {
      std::printf("progress %.3f\n", lProgress);
      std::fflush(stdout);
    }
  } else if (lWorking) {
    gtk_progress_bar_pulse(GTK_PROGRESS_BAR(lSelf._Progress));
  }
  lSelf._TracedProgress = lProgress;
  // Work that has ended changes what is drawn (the levels of a curve are ready).
  if (lSelf._WasWorking && !lWorking) {
    lSelf._Rebuild = true;
    gtk_widget_queue_draw(lSelf._Area);
  }
  lSelf._WasWorking = lWorking;
  return G_SOURCE_CONTINUE;
}

void ViewWindow::ApplyCancel() {
  if (!_CancelAsked) return;
  // A picture of slow content still to be asked for (a view changed just before Esc) takes Esc once
  // it is asked for.
  if (_Worker ? _Worker->Cancel() || ShowsCurrent() : _Content.Cancel()) _CancelAsked = false;
}

int ViewWindow::OnRetryMove(void* iSelf) {
  static_cast<ViewWindow*>(iSelf)->_RetryMove = 0;
  return OnFrameDone(iSelf);
}

int ViewWindow::OnFrameDone(void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (!lSelf._Closed && lSelf._Area) gtk_widget_queue_draw(lSelf._Area);
  return G_SOURCE_REMOVE;
}

void ViewWindow::OnDestroy(GtkWidget*, void* iSelf) { static_cast<ViewWindow*>(iSelf)->_Closed = true; }
