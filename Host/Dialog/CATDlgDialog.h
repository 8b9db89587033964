// A dialog box of the host: a window with a Cancel action. Pressing Cancel (in our host: Ctrl-C
// in the terminal while the box is shown, see CATApplicationFrame) sends the box's Cancel
// notification to the callbacks subscribed to it. Owns that notification. While shown, the box
// counts as something an interrupt can cancel.
#ifndef CATDlgDialog_H
#define CATDlgDialog_H

#include "CATDialog.h"
#include "RefPtr.h"

class CATNotification;

class CATDlgDialog : public CATDialog {
  HOST_META_DECLARE
 public:
  CATDlgDialog(CATDialog* iParent, const CATString& iName, CATDlgStyle iStyle);
  ~CATDlgDialog() override;

  CATDlgStyle GetStyle() const { return _Style; }
  // The notification sent when Cancel is pressed (null only when the heap was exhausted).
  CATNotification* GetDiaCANCELNotification() const { return _Cancel.Get(); }

  void SetVisibility(int iState) override;

  // The Cancel action of the box: sends the Cancel notification.
  void ActivateCancel();

 private:
  void CountAsShown(int iShown);

  CATDlgStyle _Style;
  RefPtr<CATNotification> _Cancel;
  int _Counted;
};

#endif
