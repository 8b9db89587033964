#include "DoubledSampleMatrix.h"

#include <limits>

DoubledSampleMatrix::DoubledSampleMatrix(CATSamIDoubleMatrix* iValues, bool iDoubleX, bool iDoubleZ)
    : _Values(RefPtr<CATSamIDoubleMatrix>::Hold(iValues)),
      _DoubleX(iDoubleX && iValues && iValues->GetLengthX() == 1),
      _DoubleZ(iDoubleZ && iValues && iValues->GetLengthY() == 1) {}

DoubledSampleMatrix::~DoubledSampleMatrix() = default;

unsigned int DoubledSampleMatrix::GetLengthX() const { return _Values ? (_DoubleX ? 2u : _Values->GetLengthX()) : 0u; }

unsigned int DoubledSampleMatrix::GetLengthY() const { return _Values ? (_DoubleZ ? 2u : _Values->GetLengthY()) : 0u; }

double DoubledSampleMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  if (!_Values || iX >= GetLengthX() || iZ >= GetLengthY()) return std::numeric_limits<double>::quiet_NaN();
  return _Values->GetValue(_DoubleX ? 0u : iX, _DoubleZ ? 0u : iZ);
}

const double* DoubledSampleMatrix::GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const {
  oStrideX = oStrideZ = 0;
  const double* lCells = _Values ? _Values->GetDirectValues(oStrideX, oStrideZ) : nullptr;
  if (!lCells) {
    oStrideX = oStrideZ = 0;
    return nullptr;
  }
  if (_DoubleX) oStrideX = 0;
  if (_DoubleZ) oStrideZ = 0;
  return lCells;
}
