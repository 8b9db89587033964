#include "Decibels.h"

#include <algorithm>
#include <cmath>

void Decibels::Apply(std::vector<double>& ioValues) {
  double lMax = 0.0;
  for (const double v : ioValues)
    if (std::isfinite(v) && v > lMax) lMax = v;
  const double lFloor = lMax > 0.0 ? lMax * std::pow(10.0, -kRange / 10.0) : 1e-300;
  for (double& v : ioValues)
    if (!std::isnan(v)) v = 10.0 * std::log10(std::max(v, lFloor));
}
