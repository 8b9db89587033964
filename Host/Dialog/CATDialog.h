// Base of the dialog objects of the host (windows, dialog boxes, controls): a name, a parent, the
// children it owns, a visibility and a place in its parent's grid layout. A dialog holds the one
// reference of each child and releases it in its destructor; a child that is released earlier
// leaves its parent's list. The texts of a dialog are looked up under its resource name.
#ifndef CATDialog_H
#define CATDialog_H

#include <vector>

#include "CATCommand.h"
#include "CATString.h"

// Style bits of a dialog, as its creator passes them; the host stores them.
typedef long CATDlgStyle;

class CATDialog : public CATCommand {
  HOST_META_DECLARE
 public:
  // iParent may be null (a top-level window); otherwise the new dialog becomes its last child.
  CATDialog(CATDialog* iParent, const CATString& iName);
  ~CATDialog() override;

  CATDialog* GetParent() const { return _Parent; }
  const CATString& GetName() const { return _Name; }
  int GetChildCount() const { return static_cast<int>(_Children.size()); }
  // Null outside 0 .. GetChildCount() - 1.
  CATDialog* GetChild(int iIndex) const;

  // The resource name under which the host looks up the dialog's texts; iLevel > 0 asks for the
  // name of a more general level. The host's own dialogs have one level.
  virtual CATString GetResourceFilename(int iLevel);

  // 0 hides the dialog; any other value shows it. Children are shown and hidden with it.
  virtual void SetVisibility(int iState);
  int GetVisibility() const { return _Visibility; }

  // Grid layout of the children: which rows and columns take extra room, and where this dialog
  // sits in its parent's grid (row, column, spans, and a justification value of the host).
  void SetGridRowResizable(int iRow, int iResizable);
  void SetGridColumnResizable(int iColumn, int iResizable);
  int IsGridRowResizable(int iRow) const;
  int IsGridColumnResizable(int iColumn) const;
  void SetGridConstraints(int iRow, int iColumn, int iRowSpan, int iColumnSpan, int iJustification);
  void GetGridConstraints(int& oRow, int& oColumn, int& oRowSpan, int& oColumnSpan, int& oJustification) const;

  // Hides the dialog and takes it out of its parent before handing it to the host: from then on
  // the host alone releases it.
  void RequestDelayedDestruction() override;

 protected:
  // Told to every child (and its children) when the visibility of a dialog above it changes.
  virtual void OnAncestorVisibility(int iShown);

 private:
  void Detach();
  static void SetFlag(std::vector<int>& ioIndices, int iIndex, int iOn);

  CATDialog* _Parent;
  CATString _Name;
  std::vector<CATDialog*> _Children;
  int _Visibility;
  std::vector<int> _ResizableRows;
  std::vector<int> _ResizableColumns;
  int _GridRow, _GridColumn, _GridRowSpan, _GridColumnSpan, _GridJustification;
};

#endif
