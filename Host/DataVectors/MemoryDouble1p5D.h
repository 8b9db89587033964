// In-memory per-row X vectors.
#ifndef MemoryDouble1p5D_H
#define MemoryDouble1p5D_H

#include "CATSamIDouble1p5D.h"
#include "MemoryRows.h"

class MemoryDouble1p5D : public CATSamIDouble1p5D {
 public:
  explicit MemoryDouble1p5D(const std::vector<std::vector<double>>& iRows) : _Rows(iRows) {}
  unsigned int GetNbrRows() const override { return _Rows.Count(); }
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override { return _Rows.Get(iRow); }

 private:
  MemoryRows _Rows;
};

#endif
