// The application frame of a program: its main window, the host's event processing and the
// interrupt (Ctrl-C) that our host turns into the Cancel of the dialog box on screen.
//
// A program makes one frame (in main) and, if it wants Ctrl-C to cancel long computations rather
// than end the program, installs the interrupt handler; a library never does either. The handler
// only records the interrupt (an async-signal-safe flag); the host delivers it as the Cancel of the
// shown box the next time that box's progress position is set. An interrupt while no box is shown,
// or a second one before the first was delivered, ends the program as Ctrl-C normally does.
#ifndef CATApplicationFrame_H
#define CATApplicationFrame_H

#include "RefPtr.h"

class CATDialog;

class CATApplicationFrame {
 public:
  // Becomes the frame of the program unless there is one already. iWithMainWindow 0 makes a
  // frame without a main window (dialogs that need one are then not made).
  explicit CATApplicationFrame(int iWithMainWindow = 1);
  // Processes the pending events, releases the main window and its dialogs, and stops being the
  // program's frame.
  ~CATApplicationFrame();

  // The program's frame, or null before one is made.
  static CATApplicationFrame* GetFrame();
  // The main window (the parent of dialog boxes), or null.
  CATDialog* GetMainWindow() const { return _MainWindow.Get(); }

  // The host's event processing at a point where no dialog code runs: releases the commands that
  // asked for delayed destruction.
  static void ProcessEvents();

  // For the main program: installs (1) or removes (restoring what was there before) the SIGINT
  // handler. Returns 1 on success.
  static int InstallInterruptHandler();
  static int RemoveInterruptHandler();

  // What the handler does with an interrupt: records it when a shown box can take it and none is
  // pending yet, and returns 1; otherwise returns 0 (the handler then ends the program).
  // Async-signal-safe.
  static int RecordInterrupt();
  // Host side: 1 once per recorded interrupt, which it then delivers.
  static int TakeInterrupt();
  static int IsInterruptPending();
  // How many interrupts were delivered as a Cancel since the program started.
  static int GetDeliveredInterrupts();

  // Host side: dialog boxes report being shown (+1) and hidden or destroyed (-1). When none is
  // shown any more, an interrupt still pending is dropped: it belonged to a box that is gone.
  static void CountInterruptible(int iDelta);

 private:
  CATApplicationFrame(const CATApplicationFrame&) = delete;
  CATApplicationFrame& operator=(const CATApplicationFrame&) = delete;

  RefPtr<CATDialog> _MainWindow;
};

#endif
