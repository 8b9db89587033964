#include "Log10Rows.h"

#include "Log10Vector.h"

Log10Rows::Log10Rows(CATSamIDouble1p5D* iRows) : _Rows(RefPtr<CATSamIDouble1p5D>::Hold(iRows)) {}

Log10Rows::~Log10Rows() = default;

unsigned int Log10Rows::GetNbrRows() const { return _Rows ? _Rows->GetNbrRows() : 0; }

CATSamIDoubleVector* Log10Rows::GetXVector(unsigned int iRow) const {
  if (!_Rows) return nullptr;
  const RefPtr<CATSamIDoubleVector> lRow(_Rows->GetXVector(iRow));
  return lRow ? new Log10Vector(lRow.Get()) : nullptr;
}
