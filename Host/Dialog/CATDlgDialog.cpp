#include "CATDlgDialog.h"

#include "CATApplicationFrame.h"
#include "CATNotification.h"

HOST_META_IMPLEMENT(CATDlgDialog, CATDialog, "Dialog")

CATDlgDialog::CATDlgDialog(CATDialog* iParent, const CATString& iName, CATDlgStyle iStyle)
    : CATDialog(iParent, iName), _Style(iStyle), _Cancel(new CATNotification()), _Counted(0) {}

CATDlgDialog::~CATDlgDialog() {
  CountAsShown(0);
  _Cancel.Reset();
}

void CATDlgDialog::SetVisibility(int iState) {
  CATDialog::SetVisibility(iState);
  CountAsShown(iState != 0);
}

void CATDlgDialog::ActivateCancel() { SendNotification(_Cancel.Get()); }

void CATDlgDialog::CountAsShown(int iShown) {
  if (iShown == _Counted) return;
  _Counted = iShown;
  CATApplicationFrame::CountInterruptible(iShown ? 1 : -1);
}
