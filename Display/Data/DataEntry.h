// One thing a measurement file holds that can be plotted or listed: an HDF5 dataset, a MATLAB
// variable or struct field, a sound channel. What `info` shows and what the name after a file's ':' is matched
// against; a plain value.
#ifndef DataEntry_H
#define DataEntry_H

#include <string>
#include <vector>

struct DataEntry {
  std::string Name;                     // as written after the file's ':': /bench/speed, bench.speed, 2
  std::vector<unsigned long long> Shape;  // as the user sees it (MATLAB's rows x columns)
  std::string Type;                     // float64, int16, compound, ...
  std::string Notes;                    // units, sample rate, dimension scales, length in seconds
  bool Numeric = true;                  // of a type that is read
  bool Axis = false;                    // an HDF5 dimension scale: an axis, not counted as data
};

#endif
