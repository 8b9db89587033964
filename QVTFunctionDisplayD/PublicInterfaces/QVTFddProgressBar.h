// Progress dialog of long colour map computations: a dialog box with one progress control that
// shows how many image rows are done, and a Cancel action that only records the request; the
// computation reads it after each row and ends the dialog itself. Parented to the application's
// main window; its progress control is a child of the box and goes with it. Positions are rows.
// No registration of its own: it answers the meta-object queries as a CATDlgDialog.
#ifndef QVTFddProgressBar_H
#define QVTFddProgressBar_H

#include "CATCommand.h"
#include "CATDlgDialog.h"

class CATDlgProgress;
class CATNotification;

class QVTFddProgressBar : public CATDlgDialog {
 public:
  // Allocated with the host's allocator (new may give null). The box is a child of the main
  // window, or has no parent when the program has no frame.
  QVTFddProgressBar();
  ~QVTFddProgressBar() override;

  // Whether the program has an application frame with a main window: without one no progress
  // dialog is made and computations run without progress or cancel.
  static int HasMainWindow();

  // Lays out the box: one resizable grid cell holding the progress control; subscribes OnCancel
  // to the Cancel notification. Building twice changes nothing.
  void Build();
  // Both do nothing before Build().
  void SetRange(int iMin, int iMax);
  void SetPos(int iPos);

  // "QVTFddProgressBar" at level 0 and below, the host's own levels above.
  CATString GetResourceFilename(int iLevel) override;

  // The Cancel callback: records the request and nothing else.
  virtual void OnCancel(CATCommand* iFrom, CATNotification* iNotification, CATCommandClientData iData);

  // 1 once Cancel was pressed.
  int IsCancelled() const { return _Cancelled; }
  // The progress control, null before Build().
  CATDlgProgress* GetProgress() const { return _Progress; }

 private:
  QVTFddProgressBar(const QVTFddProgressBar&) = delete;
  QVTFddProgressBar& operator=(const QVTFddProgressBar&) = delete;

  int _Cancelled;
  CATDlgProgress* _Progress;
};

#endif
