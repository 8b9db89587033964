// In-memory double vector.
#ifndef MemoryDoubleVector_H
#define MemoryDoubleVector_H

#include <vector>

#include "CATSamIDoubleVector.h"

class MemoryDoubleVector : public CATSamIDoubleVector {
 public:
  MemoryDoubleVector() = default;
  explicit MemoryDoubleVector(std::vector<double> iValues) : _Values(std::move(iValues)) {}

  unsigned int GetLength() const override { return static_cast<unsigned int>(_Values.size()); }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;
  const double* GetDirectValues() const override { return _Values.empty() ? nullptr : _Values.data(); }
  const std::vector<double>& Values() const { return _Values; }

 private:
  std::vector<double> _Values;
};

#endif
