// Ascending view of the X rows of non-homogeneous data: row j of the view is the data row of
// Z sample ZOrder.ToData(j), read through that row's own SampleOrder (reversed when descending,
// NaN left out). The row orders are found once, here, and also serve the value rows
// (OrderedValueRows). Copies no value; holds one reference on the rows.
#ifndef OrderedXRows_H
#define OrderedXRows_H

#include <vector>

#include "CATSamIDouble1p5D.h"
#include "RefPtr.h"
#include "SampleOrder.h"

class OrderedXRows : public CATSamIDouble1p5D {
 public:
  OrderedXRows(CATSamIDouble1p5D* iRows, const SampleOrder& iZOrder);
  ~OrderedXRows() override;
  OrderedXRows(const OrderedXRows&) = delete;
  OrderedXRows& operator=(const OrderedXRows&) = delete;

  unsigned int GetNbrRows() const override { return _ZOrder.GetLength(); }
  // A new view (one reference) of row iRow of the view; null for a row that does not exist.
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override;

  // The data row of view row iRow, and the order of a data row.
  unsigned int ToDataRow(unsigned int iRow) const { return _ZOrder.ToData(iRow); }
  const SampleOrder& GetRowOrder(unsigned int iDataRow) const;
  // NaN positions inside the rows (padding past a row's end is not counted).
  unsigned long long GetNaNCount() const { return _NaNCount; }
  // Every row ascending or descending (SampleOrder::Check says where one is not).
  bool IsOrdered() const { return _Ordered; }

 private:
  RefPtr<CATSamIDouble1p5D> _Rows;
  SampleOrder _ZOrder;
  std::vector<SampleOrder> _RowOrders;
  unsigned long long _NaNCount = 0;
  bool _Ordered = true;
};

#endif
