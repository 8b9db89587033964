// The X (or Z) a file brings for one dimension of what it holds: values of its own (an HDF5
// dimension scale) or a sample rate (sample i of a sound file lies at i / rate seconds). Holds one
// reference on the values; empty when the file brings none.
#ifndef DataAxis_H
#define DataAxis_H

#include <string>

#include "NumericArray.h"
#include "RefPtr.h"

struct DataAxis {
  RefPtr<NumericArray> Values;
  double Rate = 0.0;
  std::string Name;  // for a label: the scale's name, "time (s)"

  bool IsGiven() const { return Values || Rate > 0.0; }
};

#endif
