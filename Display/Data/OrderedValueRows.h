// Value rows of non-homogeneous data seen in the order of an OrderedXRows view: row j is the data
// row that view's row j comes from, read through the same row order, so that every value stays
// with its X. Copies no value; holds one reference on the rows and on the X view.
#ifndef OrderedValueRows_H
#define OrderedValueRows_H

#include "CATSamIDouble2DDim2NH.h"
#include "RefPtr.h"

class OrderedXRows;

class OrderedValueRows : public CATSamIDouble2DDim2NH {
 public:
  OrderedValueRows(CATSamIDouble2DDim2NH* iRows, OrderedXRows* iXRows);
  ~OrderedValueRows() override;
  OrderedValueRows(const OrderedValueRows&) = delete;
  OrderedValueRows& operator=(const OrderedValueRows&) = delete;

  unsigned int GetLengthY() const override;
  // A new view (one reference) of row iRow of the view; null for a row that does not exist.
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override;

 private:
  RefPtr<CATSamIDouble2DDim2NH> _Rows;
  RefPtr<OrderedXRows> _XRows;
};

#endif
