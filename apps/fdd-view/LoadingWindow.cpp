#include "LoadingWindow.h"

#include <gtk/gtk.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <exception>
#include <thread>

#include "CsvFile.h"

namespace {

// Loading that takes longer than this opens the window with its bar.
const auto kShownAfter = std::chrono::milliseconds(100);
// The exit status of a load stopped, as fdd-plot's of a run cut short.
const int kStopped = 130;

}  // namespace

LoadingWindow& LoadingWindow::Shared() {
  static LoadingWindow sShared;
  return sShared;
}

bool LoadingWindow::StartGtk() {
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

GtkWidget* LoadingWindow::NewWindow(const ViewWindow::Options& iOptions) {
  GtkWidget* lWindow = gtk_window_new();
  gtk_window_set_title(GTK_WINDOW(lWindow), iOptions.Title.c_str());
  gtk_window_set_default_size(GTK_WINDOW(lWindow), iOptions.Width, iOptions.Height);
  return lWindow;
}

GtkWidget* LoadingWindow::TakeWindow() {
  LoadingWindow& lSelf = Shared();
  GtkWidget* lWindow = lSelf._Window;
  if (lWindow) g_signal_handlers_disconnect_by_func(lWindow, reinterpret_cast<gpointer>(OnDestroyed), &lSelf);
  lSelf._Window = nullptr;
  return lWindow;
}

void LoadingWindow::OnDestroyed(GtkWidget*, void* iSelf) {
  LoadingWindow& lSelf = *static_cast<LoadingWindow*>(iSelf);
  lSelf._Window = nullptr;
  lSelf._Closed = true;
  lSelf._Stop = true;
}

int LoadingWindow::OnTick(void* iSelf) {
  gtk_progress_bar_pulse(GTK_PROGRESS_BAR(static_cast<LoadingWindow*>(iSelf)->_Bar));
  return G_SOURCE_CONTINUE;
}

int LoadingWindow::OnKey(void*, unsigned int iKey, unsigned int, int, void* iSelf) {
  LoadingWindow& lSelf = *static_cast<LoadingWindow*>(iSelf);
  // q quits as in the plot's window: the window goes, and with it the loading.
  if ((iKey == GDK_KEY_q || iKey == GDK_KEY_Q) && lSelf._Window) {
    gtk_window_destroy(GTK_WINDOW(lSelf._Window));
    return TRUE;
  }
  if (iKey != GDK_KEY_Escape) return FALSE;
  lSelf._Stop = true;
  const char* const kText = "stopping the loading";
  gtk_progress_bar_set_text(GTK_PROGRESS_BAR(lSelf._Bar), kText);
  if (lSelf._Trace) {
    std::printf("status %s\n", kText);
    std::fflush(stdout);
  }
  return TRUE;
}

void LoadingWindow::Show(const ViewWindow::Options& iOptions, const std::atomic<bool>& iDone) {
  _Trace = iOptions.Trace;
  _Window = NewWindow(iOptions);
  g_signal_connect(_Window, "destroy", G_CALLBACK(OnDestroyed), this);
  _Bar = gtk_progress_bar_new();
  gtk_progress_bar_set_show_text(GTK_PROGRESS_BAR(_Bar), TRUE);
  gtk_progress_bar_set_text(GTK_PROGRESS_BAR(_Bar), "loading the data");
  gtk_widget_set_valign(_Bar, GTK_ALIGN_END);
  gtk_window_set_child(GTK_WINDOW(_Window), _Bar);
  GtkEventController* lKeys = gtk_event_controller_key_new();
  g_signal_connect(lKeys, "key-pressed", G_CALLBACK(OnKey), this);
  gtk_widget_add_controller(_Window, lKeys);
  const guint lTimer = g_timeout_add(50, reinterpret_cast<GSourceFunc>(OnTick), this);
  gtk_window_present(GTK_WINDOW(_Window));
  while (!iDone) g_main_context_iteration(nullptr, TRUE);
  g_source_remove(lTimer);
  // The plot's window that takes this one over has keys of its own; the bar goes with the child.
  if (_Window) gtk_widget_remove_controller(_Window, lKeys);
}

int LoadingWindow::Load(const ViewWindow::Options& iOptions, const std::function<int()>& iStep) {
  LoadingWindow& lSelf = Shared();
  const auto lStart = std::chrono::steady_clock::now();
  std::atomic<bool> lDone{false};
  int lStatus = 1;
  const auto lLoad = [&] {
    // Nothing may end the thread by unwinding.
    try {
      CsvFile::StopOnThisThread(&lSelf._Stop);
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
  while (!lDone && std::chrono::steady_clock::now() - lStart < kShownAfter)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  // On a busy machine this thread may wake long after the wait, to find the data already read.
  // The window is owed when the data was not read at this look; the trace says so, and whether the
  // display let GTK start.
  const bool lOwed = !lDone;
  const double lDecidedMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count();
  const bool lDisplay = !lOwed || StartGtk();
  const bool lShown = lOwed && lDisplay;
  if (lShown) lSelf.Show(iOptions, lDone);
  if (lThread.joinable()) lThread.join();
  // Data read in full although it was asked to stop (a file with nothing to stop at) is not shown
  // either: the window goes as asked.
  const bool lStopped = lSelf._Stop;
  if (lStopped && lStatus == 0) std::fprintf(stderr, "fdd-view: loading stopped\n");
  if (iOptions.Trace) {
    std::printf("loaded ms=%.1f window=%d stopped=%d decided_ms=%.1f owed=%d display=%d\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count(),
                lShown ? 1 : 0, lStopped ? 1 : 0, lDecidedMs, lOwed ? 1 : 0, lDisplay ? 1 : 0);
    std::fflush(stdout);
  }
  if (!lStopped) return lStatus;
  if (lSelf._Window) gtk_window_destroy(GTK_WINDOW(lSelf._Window));
  return kStopped;
}
