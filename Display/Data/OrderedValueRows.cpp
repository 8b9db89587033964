#include "OrderedValueRows.h"

#include "OrderedVector.h"
#include "OrderedXRows.h"

OrderedValueRows::OrderedValueRows(CATSamIDouble2DDim2NH* iRows, OrderedXRows* iXRows) : _Rows(iRows), _XRows(iXRows) {
  if (_Rows) _Rows->AddRef();
  if (_XRows) _XRows->AddRef();
}

OrderedValueRows::~OrderedValueRows() {
  if (_Rows) _Rows->Release();
  if (_XRows) _XRows->Release();
}

unsigned int OrderedValueRows::GetLengthY() const { return _Rows && _XRows ? _XRows->GetNbrRows() : 0; }

CATSamIDoubleVector* OrderedValueRows::GetRow(unsigned int iRow) const {
  if (iRow >= GetLengthY()) return nullptr;
  const unsigned int lDataRow = _XRows->ToDataRow(iRow);
  CATSamIDoubleVector* lRow = _Rows->GetRow(lDataRow);
  if (!lRow) return nullptr;
  OrderedVector* lView = new OrderedVector(lRow, _XRows->GetRowOrder(lDataRow));
  lRow->Release();
  return lView;
}
