#include "LinearTickScaling.h"

#include "TickValueFormat.h"

CATUnicodeString LinearTickScaling::ValueToText(double iValue) {
  return TickValueFormat::Spaced(TickValueFormat::Compact(iValue, 1e-4, 1e6, false));
}

double LinearTickScaling::Scale(double iValue) { return iValue; }

double LinearTickScaling::GetTextValue(double iTickValue) { return iTickValue; }
