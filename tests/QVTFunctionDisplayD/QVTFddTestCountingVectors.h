// The X and Y counting vectors of a primitive under test. The primitive must be destroyed first
// (by the holder deriving from this): then each vector must be held by this alone again.
#ifndef QVTFddTestCountingVectors_H
#define QVTFddTestCountingVectors_H

#include <utility>
#include <vector>

#include "QVTFddTestCountingVector.h"
#include "QVTFddTestRelease.h"

class QVTFddTestCountingVectors {
 public:
  QVTFddTestCountingVectors(std::vector<double> iX, std::vector<double> iY)
      : _X(new QVTFddTestCountingVector(std::move(iX))), _Y(new QVTFddTestCountingVector(std::move(iY))) {}
  ~QVTFddTestCountingVectors() { ExpectLastAndRelease({_X, _Y}); }
  QVTFddTestCountingVectors(const QVTFddTestCountingVectors&) = delete;
  QVTFddTestCountingVectors& operator=(const QVTFddTestCountingVectors&) = delete;
  long Reads() const { return _X->_Reads + _Y->_Reads; }

  QVTFddTestCountingVector* _X;
  QVTFddTestCountingVector* _Y;
};

#endif
