#include "CATApplicationFrame.h"

#include <signal.h>

#include <cstring>

#include "CATCommand.h"
#include "CATDialog.h"

namespace {

CATApplicationFrame* sFrame = nullptr;

// Shared with the signal handler: only sig_atomic_t objects, only plain loads and stores.
volatile sig_atomic_t sInterruptPending = 0;
volatile sig_atomic_t sInterruptible = 0;
// Interrupts delivered as a Cancel, for the program to tell that its output is incomplete.
int sDelivered = 0;

struct sigaction sPreviousAction;
int sHandlerInstalled = 0;

void sOnInterrupt(int iSignal) {
  if (CATApplicationFrame::RecordInterrupt()) return;
  // Nothing to cancel: the interrupt does what it does without us.
  signal(iSignal, SIG_DFL);
  raise(iSignal);
}

}  // namespace

CATApplicationFrame::CATApplicationFrame(int iWithMainWindow) {
  if (iWithMainWindow) {
    _MainWindow = RefPtr<CATDialog>(new CATDialog(nullptr, "MainWindow"));
    if (_MainWindow) _MainWindow->SetVisibility(1);
  }
  if (!sFrame) sFrame = this;
}

CATApplicationFrame::~CATApplicationFrame() {
  ProcessEvents();
  _MainWindow.Reset();
  if (sFrame == this) sFrame = nullptr;
}

CATApplicationFrame* CATApplicationFrame::GetFrame() { return sFrame; }

void CATApplicationFrame::ProcessEvents() { CATCommand::DestroyDelayed(); }

int CATApplicationFrame::InstallInterruptHandler() {
  if (sHandlerInstalled) return 1;
  struct sigaction lAction;
  std::memset(&lAction, 0, sizeof(lAction));
  lAction.sa_handler = sOnInterrupt;
  sigemptyset(&lAction.sa_mask);
  // Calls interrupted by Ctrl-C (a terminal write, a file read) resume instead of failing.
  lAction.sa_flags = SA_RESTART;
  if (sigaction(SIGINT, &lAction, &sPreviousAction) != 0) return 0;
  sHandlerInstalled = 1;
  return 1;
}

int CATApplicationFrame::RemoveInterruptHandler() {
  if (!sHandlerInstalled) return 1;
  if (sigaction(SIGINT, &sPreviousAction, nullptr) != 0) return 0;
  sHandlerInstalled = 0;
  return 1;
}

int CATApplicationFrame::RecordInterrupt() {
  if (sInterruptible <= 0 || sInterruptPending) return 0;
  sInterruptPending = 1;
  return 1;
}

int CATApplicationFrame::TakeInterrupt() {
  if (!sInterruptPending) return 0;
  sInterruptPending = 0;
  ++sDelivered;
  return 1;
}

int CATApplicationFrame::GetDeliveredInterrupts() { return sDelivered; }

int CATApplicationFrame::IsInterruptPending() { return sInterruptPending != 0; }

void CATApplicationFrame::CountInterruptible(int iDelta) {
  const int lCount = sInterruptible + iDelta;
  sInterruptible = lCount < 0 ? 0 : lCount;
  if (sInterruptible == 0) sInterruptPending = 0;
}
