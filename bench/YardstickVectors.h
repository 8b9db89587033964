// The yardstick's samples in memory, x = i and y = sin(0.001 i): the read baseline and the cases
// measured against it read the same vectors.
#ifndef YardstickVectors_H
#define YardstickVectors_H

#include "MemoryDoubleVector.h"
#include "RefPtr.h"

struct YardstickVectors {
  explicit YardstickVectors(unsigned int iLength);

  RefPtr<MemoryDoubleVector> X;
  RefPtr<MemoryDoubleVector> Y;
};

#endif
