#include "OrderedXRows.h"

#include "OrderedVector.h"

OrderedXRows::OrderedXRows(CATSamIDouble1p5D* iRows, const SampleOrder& iZOrder)
    : _Rows(RefPtr<CATSamIDouble1p5D>::Hold(iRows)), _ZOrder(iZOrder) {
  if (!_Rows) return;
  const unsigned int lRows = _Rows->GetNbrRows();
  _RowOrders.resize(lRows);
  for (unsigned int r = 0; r < lRows; ++r) {
    const RefPtr<CATSamIDoubleVector> lRow(_Rows->GetXVector(r));
    _RowOrders[r] = SampleOrder(lRow.Get());
    _NaNCount += _RowOrders[r].GetNaNCount();
    _Ordered = _Ordered && _RowOrders[r].IsOrdered();
  }
}

OrderedXRows::~OrderedXRows() = default;

const SampleOrder& OrderedXRows::GetRowOrder(unsigned int iDataRow) const {
  static const SampleOrder kNone;
  return iDataRow < _RowOrders.size() ? _RowOrders[iDataRow] : kNone;
}

CATSamIDoubleVector* OrderedXRows::GetXVector(unsigned int iRow) const {
  if (!_Rows || iRow >= GetNbrRows()) return nullptr;
  const unsigned int lDataRow = ToDataRow(iRow);
  const RefPtr<CATSamIDoubleVector> lRow(_Rows->GetXVector(lDataRow));
  if (!lRow) return nullptr;
  return new OrderedVector(lRow.Get(), GetRowOrder(lDataRow));
}
