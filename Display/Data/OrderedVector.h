// Ascending view of a vector that is ascending or descending and may hold NaN: reads the vector
// through a SampleOrder (reversed, NaN left out), copies no value. Holds one reference on the
// vector.
#ifndef OrderedVector_H
#define OrderedVector_H

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"
#include "SampleOrder.h"

class OrderedVector : public CATSamIDoubleVector {
 public:
  // iOrder must be the order of iVector.
  OrderedVector(CATSamIVector* iVector, const SampleOrder& iOrder);
  ~OrderedVector() override;
  OrderedVector(const OrderedVector&) = delete;
  OrderedVector& operator=(const OrderedVector&) = delete;

  unsigned int GetLength() const override { return _Order.GetLength(); }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;

 private:
  RefPtr<CATSamIVector> _Vector;
  SampleOrder _Order;
};

#endif
