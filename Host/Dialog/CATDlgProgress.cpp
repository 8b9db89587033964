#include "CATDlgProgress.h"

#include <algorithm>

#include "CATApplicationFrame.h"
#include "CATDlgDialog.h"
#include "DialogTitles.h"

HOST_META_IMPLEMENT(CATDlgProgress, CATDialog, "Dialog")

namespace {

thread_local std::atomic<double>* tPublished = nullptr;
thread_local std::atomic<bool>* tCancel = nullptr;

}  // namespace

void CATDlgProgress::PublishOnThisThread(std::atomic<double>* ioFraction) { tPublished = ioFraction; }

void CATDlgProgress::CancelOnThisThread(std::atomic<bool>* ioCancel) { tCancel = ioCancel; }

CATDlgProgress::CATDlgProgress(CATDialog* iParent, const CATString& iName, CATDlgStyle)
    : CATDialog(iParent, iName), _Min(0), _Max(100), _Pos(0), _PosCount(0), _Terminal(2) {
  // A control is visible with its box.
  CATDialog::SetVisibility(1);
}

CATDlgProgress::~CATDlgProgress() = default;

void CATDlgProgress::SetRange(int iMin, int iMax) {
  _Min = iMin;
  _Max = iMax;
}

void CATDlgProgress::GetRange(int& oMin, int& oMax) const {
  oMin = _Min;
  oMax = _Max;
}

CATDlgDialog* CATDlgProgress::GetBox() const {
  for (CATDialog* lParent = GetParent(); lParent; lParent = lParent->GetParent())
    if (lParent->IsAKindOf("CATDlgDialog")) return static_cast<CATDlgDialog*>(lParent);
  return nullptr;
}

void CATDlgProgress::SetPos(int iPos) {
  _Pos = iPos;
  ++_PosCount;
  if (tPublished)
    tPublished->store(_Max > _Min ? std::min(std::max(double(_Pos - _Min) / (_Max - _Min), 0.0), 1.0) : 1.0);
  CATDlgDialog* lBox = GetBox();
  if (!lBox || !lBox->GetVisibility()) return;
  const std::string lTitle = DialogTitles::Get(lBox->GetResourceFilename(0).c_str());
  _Terminal.Show(lTitle.c_str(), _Min, _Max, _Pos);
  if (CATApplicationFrame::TakeInterrupt() || (tCancel && tCancel->exchange(false))) lBox->ActivateCancel();
}

void CATDlgProgress::OnAncestorVisibility(int iShown) {
  if (!iShown) _Terminal.Clear();
  CATDialog::OnAncestorVisibility(iShown);
}
