// The window fdd-view opens while its data loads, when loading takes longer than a glance: a bar
// that pulses, Esc that stops the text readers at their next look, q or closing that quits. The
// plot's window then takes the same window over, so the user sees one window throughout. One per
// program (the data is loaded once); it also starts GTK, once, for both.
#ifndef LoadingWindow_H
#define LoadingWindow_H

#include <atomic>
#include <functional>

#include "ViewWindow.h"

typedef struct _GtkWidget GtkWidget;

class LoadingWindow {
 public:
  // Runs iStep (loading the data) off the window's thread and returns its status. A step that
  // takes longer than kShownAfter opens the window; Esc in it, q, or closing it, stops the reading
  // of text files and returns 130. With a trace: loaded ms=T window=0|1 stopped=0|1 ...
  static int Load(const ViewWindow::Options& iOptions, const std::function<int()>& iStep);
  // The window opened while loading, for the plot's window (null when none); it is not this
  // class's any more.
  static GtkWidget* TakeWindow();
  // The user closed the window while the data loaded: nothing more is asked for.
  static bool WasClosed() { return Shared()._Closed; }
  // GTK once per program; false without a display.
  static bool StartGtk();
  // A new top-level window of iOptions' title and size.
  static GtkWidget* NewWindow(const ViewWindow::Options& iOptions);

 private:
  LoadingWindow() = default;
  static LoadingWindow& Shared();
  // Opens the window and runs GTK's loop until iDone.
  void Show(const ViewWindow::Options& iOptions, const std::atomic<bool>& iDone);
  static void OnDestroyed(GtkWidget* iWindow, void* iSelf);
  static int OnTick(void* iSelf);
  static int OnKey(void* iController, unsigned int iKey, unsigned int iCode, int iState, void* iSelf);

  GtkWidget* _Window = nullptr;
  GtkWidget* _Bar = nullptr;
  bool _Closed = false;
  bool _Trace = false;
  // Esc, or closing the window: the text readers stop at their next look.
  std::atomic<bool> _Stop{false};
};

#endif
