#include "MemoryRows.h"

MemoryRows::MemoryRows(const std::vector<std::vector<double>>& iRows) {
  _Rows.reserve(iRows.size());
  for (const auto& lRow : iRows) _Rows.push_back(new MemoryDoubleVector(lRow));
}

MemoryRows::~MemoryRows() {
  for (MemoryDoubleVector* lRow : _Rows)
    if (lRow) lRow->Release();
}

CATSamIDoubleVector* MemoryRows::Get(unsigned int iRow) const {
  if (iRow >= _Rows.size() || !_Rows[iRow]) return nullptr;
  _Rows[iRow]->AddRef();
  return _Rows[iRow];
}
