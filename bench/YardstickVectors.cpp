#include "YardstickVectors.h"

#include <cmath>
#include <vector>

YardstickVectors::YardstickVectors(unsigned int iLength) {
  std::vector<double> x(iLength), y(iLength);
  for (unsigned int i = 0; i < iLength; ++i) {
    x[i] = i;
    y[i] = std::sin(0.001 * i);
  }
  X = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(x)));
  Y = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(y)));
}
