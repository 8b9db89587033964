// An in-memory vector that counts its reads (bulk and single) and remembers the highest index asked for, so that a
// test can tell what a primitive read and whether it stayed within its data.
#ifndef QVTFddTestCountingVector_H
#define QVTFddTestCountingVector_H

#include <algorithm>
#include <utility>
#include <vector>

#include "MemoryDoubleVector.h"

class QVTFddTestCountingVector : public MemoryDoubleVector {
 public:
  explicit QVTFddTestCountingVector(std::vector<double> iValues) : MemoryDoubleVector(std::move(iValues)) {}
  double GetValue(unsigned int iIndex) const override {
    ++_Reads;
    _End = std::max<unsigned long long>(_End, iIndex + 1ULL);
    return MemoryDoubleVector::GetValue(iIndex);
  }
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override {
    ++_Reads;
    _End = std::max<unsigned long long>(_End, 0ULL + iFirst + iCount);
    return MemoryDoubleVector::GetValues(iFirst, iCount, oValues);
  }
  // Without direct access unless a test asks for it: reads through a pointer cannot be counted.
  const double* GetDirectValues() const override { return _Direct ? MemoryDoubleVector::GetDirectValues() : nullptr; }
  bool _Direct = false;
  mutable long _Reads = 0;
  mutable unsigned long long _End = 0;  // one past the highest index asked for
};

#endif
