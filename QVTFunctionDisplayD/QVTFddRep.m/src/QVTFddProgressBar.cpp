#include "QVTFddProgressBar.h"

#include "CATApplicationFrame.h"
#include "CATDlgProgress.h"

namespace {

CATDialog* sMainWindow() {
  CATApplicationFrame* lFrame = CATApplicationFrame::GetFrame();
  return lFrame ? lFrame->GetMainWindow() : nullptr;
}

}  // namespace

QVTFddProgressBar::QVTFddProgressBar()
    : CATDlgDialog(sMainWindow(), CATString("QVTFddProgressBar"), 16897), _Cancelled(0), _Progress(nullptr) {}

QVTFddProgressBar::~QVTFddProgressBar() {
  // The control is a child of the box: the host's dialog base releases it.
  _Progress = nullptr;
}

int QVTFddProgressBar::HasMainWindow() { return sMainWindow() != nullptr; }

void QVTFddProgressBar::Build() {
  if (_Progress) return;
  SetGridRowResizable(0, 1);
  SetGridColumnResizable(0, 1);
  _Progress = new CATDlgProgress(this, CATString("Progress002"), 0);
  if (_Progress) _Progress->SetGridConstraints(0, 0, 1, 1, 30);
  AddAnalyseNotificationCB(this, GetDiaCANCELNotification(), static_cast<CATCommandMethod>(&QVTFddProgressBar::OnCancel),
                           nullptr);
}

void QVTFddProgressBar::SetRange(int iMin, int iMax) {
  if (_Progress) _Progress->SetRange(iMin, iMax);
}

void QVTFddProgressBar::SetPos(int iPos) {
  if (_Progress) _Progress->SetPos(iPos);
}

CATString QVTFddProgressBar::GetResourceFilename(int iLevel) {
  if (iLevel <= 0) return CATString("QVTFddProgressBar");
  return CATDialog::GetResourceFilename(iLevel - 1);
}

void QVTFddProgressBar::OnCancel(CATCommand*, CATNotification*, CATCommandClientData) { _Cancelled = 1; }
