#include "ViewWindow.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "CATFont.h"
#include "CATViewer.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "FrameTrace.h"
#include "LibraryLock.h"
#include "LoadingWindow.h"
#include "OptionText.h"
#include "PlotArea.h"
#include "TextBoxRecorder.h"
#include "ViewContent.h"

namespace {

// A picture of slow content drawn in less than this is waited for, this long at most.
const double kFastFrame = 12.0;
const auto kLongestWait = std::chrono::milliseconds(20);
// A moved picture that had to wait longer than that is tried again this many milliseconds later.
const guint kRetryMove = 5;

double MillisecondsSince(std::chrono::steady_clock::time_point iStart) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - iStart).count();
}

}  // namespace

ViewWindow::ViewWindow(ViewContent& iContent, CATFont& iFont, const Options& iOptions)
    : _Content(iContent), _Font(iFont), _Options(iOptions) {
  if (_Options.Trace) _Observer = std::make_unique<FrameTrace>(stdout);
  // The whole data: the ranges a figure chooses for itself.
  const LibraryLock lLibrary;
  Figure lFigure(_Options.Width, _Options.Height);
  PlotArea& lPlot = lFigure.AddPlot();
  _Content.Fill(lPlot, nullptr);
  CATViewer lViewer(_Options.Width, _Options.Height);
  lFigure.Build(lViewer, _Font);
  double lX0, lX1, lY0, lY1;
  lPlot.GetXRange(lX0, lX1);
  lPlot.GetYRange(lY0, lY1);
  _Navigator = ViewNavigator(lPlot.GetXAxis().GetScale(), lPlot.GetYAxis().GetScale(), lX0, lX1, lY0, lY1);
}

ViewWindow::~ViewWindow() {
  _Worker.reset();
  Release(_Figure);
  _Viewer.reset();
}

int ViewWindow::Run() {
  // A window closed while the data loaded asked for nothing more.
  if (LoadingWindow::WasClosed()) return 0;
  if (!LoadingWindow::StartGtk()) {
    std::fprintf(stderr, "fdd-view: cannot open a window (no display)\n");
    return 1;
  }
  _Window = LoadingWindow::TakeWindow();
  if (!_Window) _Window = LoadingWindow::NewWindow(_Options);
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
  const ViewBox lView = _Navigator.ToDataView(iView);
  if (!iData) {
    if (!_Content.FillFrame(lPlot, lView)) return nullptr;
  } else {
    _Content.Fill(lPlot, &lView);
  }
  lPlot.GetXAxis().SetRange(lView.GetX0(), lView.GetX1());
  lPlot.GetYAxis().SetRange(lView.GetY0(), lView.GetY1());
  return lFigure;
}

void ViewWindow::Release(std::unique_ptr<Figure>& ioFigure) {
  if (!ioFigure) return;
  const LibraryLock lLibrary;
  ioFigure.reset();
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
  const auto lStart = std::chrono::steady_clock::now();
  _Width = iWidth;
  _Height = iHeight;
  FrameObserver::Record lRecord;
  lRecord.Width = iWidth;
  lRecord.Height = iHeight;
  const bool lRecorded = _Worker ? DrawShown(iContext, lRecord) : DrawHere(iContext, lRecord);
  DrawBox(iContext);
  lRecord.Milliseconds = MillisecondsSince(lStart);
  if (!_Worker) lRecord.DrawnMilliseconds = lRecord.Milliseconds;
  lRecord.Number = ++_Frames;
  if (_Observer && lRecorded) {
    lRecord.InputMilliseconds = _InputPending ? MillisecondsSince(_Input) : 0.0;
    lRecord.DataBox = _Navigator.GetDataBox();
    AreaOrigin(lRecord.AreaX, lRecord.AreaY);
    _Observer->OnFrame(lRecord);
  }
  // The input is answered by the frame that shows its view.
  if (!_Worker || ShowsCurrent()) _InputPending = false;
}

bool ViewWindow::DrawHere(cairo_t* iContext, FrameObserver::Record& oRecord) {
  // A frame of the same view and size draws the scene again, with the images its map keeps (a box
  // being drawn, a status change).
  const bool lSame = _Figure && _Viewer && !_Rebuild && _Viewer->GetViewport().GetWidth() == _Width &&
                     _Viewer->GetViewport().GetHeight() == _Height && _FigureView.Shows(_Navigator.GetView());
  if (!lSame) {
    _Rebuild = false;
    _Viewer = FramePainter::NewScene(_Width, _Height);
    Release(_Figure);
    if (_Content.FillPage(*_Viewer, _Font)) {
      // A fixed page: nothing under the pointer has data coordinates.
      _Navigator.ClearDataBox();
    } else {
      {
        const LibraryLock lLibrary;
        _Figure = MakeFigure(_Navigator.GetView(), _Width, _Height);
      }
      FramePainter::Build(*_Figure, *_Viewer, _Font);
      _FigureView = _Navigator.GetView();
      _Navigator.SetDataBox(_Figure->GetPlot(0).GetDataBox(), _Height);
    }
  }
  FramePainter::Paint(*_Viewer, iContext, _Width, _Height);
  if (!_Figure) return false;
  oRecord.View = _Navigator.GetDataView();
  // The texts as drawn: the same scene, recorded.
  if (_Observer) TextBoxRecorder::Record(*_Viewer, _Width, _Height, oRecord.Texts, oRecord.TextBoxes);
  return true;
}

bool ViewWindow::DrawShown(cairo_t* iContext, FrameObserver::Record& oRecord) {
  if (std::shared_ptr<const FrameWorker::Frame> lNew = _Worker->TakeNew()) _Shown = std::move(lNew);
  if (!ShowsCurrent()) {
    // A picture that took less than a frame at this size is waited for, a frame at most: this
    // frame answers the input as one drawn here would, and a slower one leaves the window free.
    const bool lFast = _Shown && !_Shown->Cut && _Shown->Width == _Width && _Shown->Height == _Height &&
                       _Shown->Milliseconds < kFastFrame;
    _Worker->Ask(_Navigator.GetView(), _Width, _Height);
    ApplyCancel();
    if (lFast && _Worker->Await(kLongestWait))
      if (std::shared_ptr<const FrameWorker::Frame> lNew = _Worker->TakeNew()) _Shown = std::move(lNew);
  }
  const bool lCurrent = ShowsCurrent();
  cairo_save(iContext);
  cairo_set_source_rgb(iContext, 1.0, 1.0, 1.0);
  cairo_paint(iContext);
  cairo_restore(iContext);
  if (!_Shown) return false;
  if (!lCurrent && DrawMoved(iContext, oRecord)) return true;
  cairo_save(iContext);
  cairo_set_source_surface(iContext, _Shown->Surface, 0.0, 0.0);
  cairo_paint(iContext);
  cairo_restore(iContext);
  _Navigator.SetDataBox(_Shown->DataBox, _Height);
  oRecord.View = _Navigator.ToDataView(_Shown->View);
  oRecord.Texts = _Shown->Texts;
  oRecord.TextBoxes = _Shown->TextBoxes;
  oRecord.Busy = !lCurrent;
  oRecord.Cut = _Shown->Cut;
  oRecord.DrawnMilliseconds = _Shown->Milliseconds;
  return true;
}

bool ViewWindow::DrawMoved(cairo_t* iContext, FrameObserver::Record& oRecord) {
  const int iWidth = _Width, iHeight = _Height;
  if (_Shown->Width != iWidth || _Shown->Height != iHeight) return false;
  // The worker laying out the new view's figure is waited for; writing one (seconds) is not.
  LibraryLock lLibrary(kLongestWait);
  if (!lLibrary.Owns()) {
    // The worker lays out longer than that (a loaded machine): the frame is tried again soon.
    if (!_RetryMove && !_Worker->IsRunningJob())
      _RetryMove = g_timeout_add(kRetryMove, reinterpret_cast<GSourceFunc>(OnRetryMove), this);
    return false;
  }
  const ViewBox& lView = _Navigator.GetView();
  const std::unique_ptr<Figure> lFigure = MakeFigure(lView, iWidth, iHeight, false);
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
  FramePainter::Paint(lViewer, iContext, iWidth, iHeight);
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
  lPlace(lOld.GetLow().GetX(), lOldWidth, lFrom.GetX0(), lFrom.GetX1(), lBox.GetLow().GetX(), lNewWidth, lView.GetX0(),
         lView.GetX1(), lScaleX, lShiftX);
  // Model y is up: the top edges and the views' upper ends correspond.
  lPlace(iHeight - lOld.GetHigh().GetY(), lOldHeight, -lFrom.GetY1(), -lFrom.GetY0(), iHeight - lBox.GetHigh().GetY(),
         lNewHeight, -lView.GetY1(), -lView.GetY0(), lScaleY, lShiftY);
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
  _Navigator.SetDataBox(lBox, iHeight);
  oRecord.View = _Navigator.GetDataView();
  oRecord.Busy = oRecord.Moved = true;
  oRecord.DrawnMilliseconds = _Shown->Milliseconds;
  if (_Observer) TextBoxRecorder::Record(lViewer, iWidth, iHeight, oRecord.Texts, oRecord.TextBoxes);
  return true;
}

bool ViewWindow::ShowsCurrent() const {
  return _Shown && _Shown->Width == _Width && _Shown->Height == _Height && _Shown->View.Shows(_Navigator.GetView());
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

void ViewWindow::AreaOrigin(double& oX, double& oY) const {
  // Where the area lies in the window's surface.
  graphene_point_t lOrigin = GRAPHENE_POINT_INIT(0.0f, 0.0f), lInWindow;
  GtkNative* lNative = gtk_widget_get_native(_Area);
  double lSurfaceX = 0.0, lSurfaceY = 0.0;
  if (!lNative || !gtk_widget_compute_point(_Area, GTK_WIDGET(lNative), &lOrigin, &lInWindow)) lInWindow = lOrigin;
  if (lNative) gtk_native_get_surface_transform(lNative, &lSurfaceX, &lSurfaceY);
  oX = lInWindow.x + lSurfaceX;
  oY = lInWindow.y + lSurfaceY;
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
    if (!_Navigator.ToAxis(iX, iY, lX, lY)) {
      gtk_label_set_text(GTK_LABEL(_StatusLine), "");
      return;
    }
    // The pixel column around the pointer, in data units.
    const double lWidth = _Navigator.ColumnWidth(lX);
    const double lDataX = _Navigator.GetXScale().FromAxis(lX), lDataY = _Navigator.GetYScale().FromAxis(lY);
    std::string lText;
    const auto lDescribe = [&](Figure& iFigure) { lText = _Content.Describe(iFigure.GetPlot(0), lDataX, lDataY, lWidth); };
    if (_Worker)
      _Worker->UseFigure(lDescribe);
    else if (_Figure)
      lDescribe(*_Figure);
    else
      return;
    gtk_label_set_text(GTK_LABEL(_StatusLine), lText.c_str());
    if (_Observer) _Observer->OnStatus(lText);
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
  const ViewBox lView = _Navigator.GetView();
  const int lWidth = _Width > 0 ? _Width : _Options.Width, lHeight = _Height > 0 ? _Height : _Options.Height;
  // Why a file could not be written goes to the standard error, as fdd-plot says it; nothing may
  // unwind through GTK's handlers or end the worker's thread.
  const auto lWrite = [this, iPath, lView, lWidth, lHeight] {
    bool lWritten = false;
    try {
      const LibraryLock lLibrary;
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
  const GdkModifierType lState =
      gtk_event_controller_get_current_event_state(static_cast<GtkEventController*>(iController));
  if (!lSelf._Navigator.Wheel(lSelf._PointerX, lSelf._PointerY, iDY, lState & GDK_SHIFT_MASK,
                              lState & GDK_CONTROL_MASK))
    return FALSE;
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
  lSelf._Navigator.BeginDrag();
}

void ViewWindow::OnDragUpdate(void*, double iDX, double iDY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (!lSelf._Dragging) return;
  lSelf._DragDX = iDX;
  lSelf._DragDY = iDY;
  if (!lSelf._BoxDrag) lSelf._Navigator.DragBy(iDX, iDY);
  lSelf.Redraw();
}

void ViewWindow::OnDragEnd(void*, double iDX, double iDY, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (!lSelf._Dragging) return;
  lSelf._Dragging = false;
  if (lSelf._BoxDrag) lSelf._Navigator.ZoomToBox(lSelf._DragX, lSelf._DragY, lSelf._DragX + iDX, lSelf._DragY + iDY);
  lSelf.Redraw();
}

void ViewWindow::OnPressed(void*, int iPresses, double, double, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  if (iPresses != 2) return;
  lSelf._Navigator.Home();
  lSelf.Redraw();
}

int ViewWindow::OnKey(void*, unsigned int iKey, unsigned int, int, void* iSelf) {
  ViewWindow& lSelf = *static_cast<ViewWindow*>(iSelf);
  ViewNavigator& lNavigator = lSelf._Navigator;
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
      Release(lSelf._Figure);
      lNavigator.ClearDataBox();
      break;
    case GDK_KEY_s:
    case GDK_KEY_S:
      lSelf.Save();
      return TRUE;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home:
      lNavigator.Step(ViewNavigator::eHome);
      break;
    case GDK_KEY_Left:
      lNavigator.Step(ViewNavigator::ePanLeft);
      break;
    case GDK_KEY_Right:
      lNavigator.Step(ViewNavigator::ePanRight);
      break;
    case GDK_KEY_Up:
      lNavigator.Step(ViewNavigator::ePanUp);
      break;
    case GDK_KEY_Down:
      lNavigator.Step(ViewNavigator::ePanDown);
      break;
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add:
      lNavigator.Step(ViewNavigator::eZoomIn);
      break;
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract:
      lNavigator.Step(ViewNavigator::eZoomOut);
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
    if (lSelf._Observer && lProgress != lSelf._TracedProgress) lSelf._Observer->OnProgress(lProgress);
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
