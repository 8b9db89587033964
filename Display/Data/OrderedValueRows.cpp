#include "OrderedValueRows.h"

#include "OrderedVector.h"
#include "OrderedXRows.h"

OrderedValueRows::OrderedValueRows(CATSamIDouble2DDim2NH* iRows, OrderedXRows* iXRows)
    : _Rows(RefPtr<CATSamIDouble2DDim2NH>::Hold(iRows)), _XRows(RefPtr<OrderedXRows>::Hold(iXRows)) {}

OrderedValueRows::~OrderedValueRows() = default;

unsigned int OrderedValueRows::GetLengthY() const { return _Rows && _XRows ? _XRows->GetNbrRows() : 0; }

CATSamIDoubleVector* OrderedValueRows::GetRow(unsigned int iRow) const {
  if (iRow >= GetLengthY()) return nullptr;
  const unsigned int lDataRow = _XRows->ToDataRow(iRow);
  const RefPtr<CATSamIDoubleVector> lRow(_Rows->GetRow(lDataRow));
  if (!lRow) return nullptr;
  return new OrderedVector(lRow.Get(), _XRows->GetRowOrder(lDataRow));
}
