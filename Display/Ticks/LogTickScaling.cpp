#include "LogTickScaling.h"

#include <cmath>
#include <limits>

#include "TickValueFormat.h"

CATUnicodeString LogTickScaling::ValueToText(double iValue) {
  return TickValueFormat::Spaced(TickValueFormat::Compact(iValue, 1e-3, 1e4, true));
}

double LogTickScaling::Scale(double iValue) {
  if (!(iValue > 0.0)) return std::numeric_limits<double>::quiet_NaN();
  return std::log10(iValue);
}

double LogTickScaling::GetTextValue(double iTickValue) { return iTickValue; }
