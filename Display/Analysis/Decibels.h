// Power as decibels, 10 log10(p): a level of zero power would be minus infinity and pull the
// colour scale or the axis down with it, so levels end 200 dB below the largest. Static only.
#ifndef Decibels_H
#define Decibels_H

#include <vector>

class Decibels {
 public:
  static constexpr double kRange = 200.0;
  // Every finite value of ioValues as decibels (NaN stays).
  static void Apply(std::vector<double>& ioValues);
};

#endif
