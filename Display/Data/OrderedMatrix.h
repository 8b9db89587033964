// Matrix view of values over X and Z samples given in any order the SampleOrders describe: reads
// cell (x, z) of the view at the data's (X order's ToData(x), Z order's ToData(z)), so that the
// view belongs to ascending X and Z without NaN samples. Copies no value; holds one reference on
// the matrix.
#ifndef OrderedMatrix_H
#define OrderedMatrix_H

#include "CATSamIDoubleMatrix.h"
#include "RefPtr.h"
#include "SampleOrder.h"

class OrderedMatrix : public CATSamIDoubleMatrix {
 public:
  OrderedMatrix(CATSamIDoubleMatrix* iValues, const SampleOrder& iXOrder, const SampleOrder& iZOrder);
  ~OrderedMatrix() override;
  OrderedMatrix(const OrderedMatrix&) = delete;
  OrderedMatrix& operator=(const OrderedMatrix&) = delete;

  unsigned int GetLengthX() const override { return _XOrder.GetLength(); }
  unsigned int GetLengthY() const override { return _ZOrder.GetLength(); }
  double GetValue(unsigned int iX, unsigned int iZ) const override;

 private:
  RefPtr<CATSamIDoubleMatrix> _Values;
  SampleOrder _XOrder;
  SampleOrder _ZOrder;
};

#endif
