// Rows of values held in memory; shared by the in-memory non-homogeneous data objects.
#ifndef MemoryRows_H
#define MemoryRows_H

#include <vector>

#include "MemoryDoubleVector.h"
#include "RefPtr.h"

class MemoryRows {
 public:
  explicit MemoryRows(const std::vector<std::vector<double>>& iRows);
  ~MemoryRows();
  MemoryRows(const MemoryRows&) = delete;
  MemoryRows& operator=(const MemoryRows&) = delete;

  unsigned int Count() const { return static_cast<unsigned int>(_Rows.size()); }
  // Row iRow with a new reference, or null.
  CATSamIDoubleVector* Get(unsigned int iRow) const;

 private:
  std::vector<RefPtr<MemoryDoubleVector>> _Rows;
};

#endif
