// In-memory non-homogeneous value rows.
#ifndef MemoryDouble2DDim2NH_H
#define MemoryDouble2DDim2NH_H

#include "CATSamIDouble2DDim2NH.h"
#include "MemoryRows.h"

class MemoryDouble2DDim2NH : public CATSamIDouble2DDim2NH {
 public:
  explicit MemoryDouble2DDim2NH(const std::vector<std::vector<double>>& iRows) : _Rows(iRows) {}
  unsigned int GetLengthY() const override { return _Rows.Count(); }
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override { return _Rows.Get(iRow); }

 private:
  MemoryRows _Rows;
};

#endif
