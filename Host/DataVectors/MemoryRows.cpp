#include "MemoryRows.h"

MemoryRows::MemoryRows(const std::vector<std::vector<double>>& iRows) {
  _Rows.reserve(iRows.size());
  for (const auto& lRow : iRows) _Rows.emplace_back(new MemoryDoubleVector(lRow));
}

MemoryRows::~MemoryRows() = default;

CATSamIDoubleVector* MemoryRows::Get(unsigned int iRow) const {
  if (iRow >= _Rows.size() || !_Rows[iRow]) return nullptr;
  return RefPtr<CATSamIDoubleVector>::Hold(_Rows[iRow].Get()).Detach();
}
