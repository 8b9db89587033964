// A progress control of the host: a range and a position, shown inside a dialog box. In our host
// it draws as a bar on the terminal (TerminalProgress, standard error) while its box is shown.
// Setting the position is also where the host processes what happened in the meantime: an
// interrupt recorded since the last position (Ctrl-C) becomes the Cancel of the control's box.
#ifndef CATDlgProgress_H
#define CATDlgProgress_H

#include <atomic>

#include "CATDialog.h"
#include "TerminalProgress.h"

class CATDlgDialog;

class CATDlgProgress : public CATDialog {
  HOST_META_DECLARE
 public:
  // Our host has one kind of progress control: the style is accepted and not used.
  CATDlgProgress(CATDialog* iParent, const CATString& iName, CATDlgStyle iStyle);
  ~CATDlgProgress() override;

  void SetRange(int iMin, int iMax);
  void SetPos(int iPos);
  void GetRange(int& oMin, int& oMax) const;
  int GetPos() const { return _Pos; }
  // How often the position was set (tests follow the progress of a computation with it).
  int GetPosCount() const { return _PosCount; }

  // For a program that shows progress in a window of its own: the controls whose position is set
  // on the calling thread store the fraction done (0 .. 1, full at the range's end) in ioFraction,
  // which any thread may read; null stops that. The control itself stays on its thread.
  static void PublishOnThisThread(std::atomic<double>* ioFraction);
  // For a program that cancels from a thread of its own: the controls whose position is set on the
  // calling thread take a true *ioCancel (and make it false) as an interrupt, the Cancel of their
  // shown box; the program's interrupt flags are left alone. Null stops that.
  static void CancelOnThisThread(std::atomic<bool>* ioCancel);

 protected:
  void OnAncestorVisibility(int iShown) override;

 private:
  // The dialog box the control sits in: the nearest dialog box among its parents.
  CATDlgDialog* GetBox() const;

  int _Min;
  int _Max;
  int _Pos;
  int _PosCount;
  TerminalProgress _Terminal;
};

#endif
