#include "OrderedMatrix.h"

#include <limits>

OrderedMatrix::OrderedMatrix(CATSamIDoubleMatrix* iValues, const SampleOrder& iXOrder, const SampleOrder& iZOrder)
    : _Values(RefPtr<CATSamIDoubleMatrix>::Hold(iValues)), _XOrder(iXOrder), _ZOrder(iZOrder) {}

OrderedMatrix::~OrderedMatrix() = default;

double OrderedMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (!_Values || iX >= GetLengthX() || iZ >= GetLengthY()) return std::numeric_limits<double>::quiet_NaN();
  return _Values->GetValue(_XOrder.ToData(iX), _ZOrder.ToData(iZ));
}
