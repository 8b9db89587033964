#include "CATDialog.h"

#include <algorithm>

#include "RefPtr.h"

HOST_META_IMPLEMENT(CATDialog, CATCommand, "Dialog")

CATDialog::CATDialog(CATDialog* iParent, const CATString& iName)
    : _Parent(iParent),
      _Name(iName),
      _Visibility(0),
      _GridRow(0),
      _GridColumn(0),
      _GridRowSpan(1),
      _GridColumnSpan(1),
      _GridJustification(0) {
  if (_Parent) _Parent->_Children.push_back(this);
}

CATDialog::~CATDialog() {
  Detach();
  // Children are released last child first; each is told first that it has no parent any more,
  // so that it does not reach back into this dialog while it goes. The list holds plain pointers
  // since a child released earlier takes itself out of it; a child taken out here hands its
  // reference to the holder.
  while (!_Children.empty()) {
    const RefPtr<CATDialog> lChild(_Children.back());
    _Children.pop_back();
    lChild->_Parent = nullptr;
  }
}

CATDialog* CATDialog::GetChild(int iIndex) const {
  return iIndex >= 0 && iIndex < GetChildCount() ? _Children[static_cast<size_t>(iIndex)] : nullptr;
}

CATString CATDialog::GetResourceFilename(int iLevel) { return iLevel <= 0 ? CATString("CATDialog") : CATString(""); }

void CATDialog::SetVisibility(int iState) {
  _Visibility = iState;
  for (CATDialog* lChild : _Children) lChild->OnAncestorVisibility(iState != 0);
}

void CATDialog::OnAncestorVisibility(int iShown) {
  for (CATDialog* lChild : _Children) lChild->OnAncestorVisibility(iShown);
}

void CATDialog::SetFlag(std::vector<int>& ioIndices, int iIndex, int iOn) {
  ioIndices.erase(std::remove(ioIndices.begin(), ioIndices.end(), iIndex), ioIndices.end());
  if (iOn) ioIndices.push_back(iIndex);
}

void CATDialog::SetGridRowResizable(int iRow, int iResizable) { SetFlag(_ResizableRows, iRow, iResizable); }

void CATDialog::SetGridColumnResizable(int iColumn, int iResizable) { SetFlag(_ResizableColumns, iColumn, iResizable); }

int CATDialog::IsGridRowResizable(int iRow) const {
  return std::find(_ResizableRows.begin(), _ResizableRows.end(), iRow) != _ResizableRows.end();
}

int CATDialog::IsGridColumnResizable(int iColumn) const {
  return std::find(_ResizableColumns.begin(), _ResizableColumns.end(), iColumn) != _ResizableColumns.end();
}

void CATDialog::SetGridConstraints(int iRow, int iColumn, int iRowSpan, int iColumnSpan, int iJustification) {
  _GridRow = iRow;
  _GridColumn = iColumn;
  _GridRowSpan = iRowSpan;
  _GridColumnSpan = iColumnSpan;
  _GridJustification = iJustification;
}

void CATDialog::GetGridConstraints(int& oRow, int& oColumn, int& oRowSpan, int& oColumnSpan,
                                   int& oJustification) const {
  oRow = _GridRow;
  oColumn = _GridColumn;
  oRowSpan = _GridRowSpan;
  oColumnSpan = _GridColumnSpan;
  oJustification = _GridJustification;
}

void CATDialog::RequestDelayedDestruction() {
  if (IsAwaitingDestruction()) return;
  SetVisibility(0);
  Detach();
  CATCommand::RequestDelayedDestruction();
}

void CATDialog::Detach() {
  if (!_Parent) return;
  std::vector<CATDialog*>& lSiblings = _Parent->_Children;
  lSiblings.erase(std::remove(lSiblings.begin(), lSiblings.end(), this), lSiblings.end());
  _Parent = nullptr;
}
