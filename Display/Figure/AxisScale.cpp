#include "AxisScale.h"

#include <cmath>

const char* AxisScale::GetName() const { return _Kind == eLog ? "logarithmic" : "linear"; }

bool AxisScale::IsValid(double iValue) const { return _Kind == eLog ? iValue > 0.0 : !std::isnan(iValue); }

double AxisScale::ToAxis(double iValue) const {
  if (_Kind == eLog) return iValue > 0.0 ? std::log10(iValue) : NAN;
  return iValue;
}

double AxisScale::FromAxis(double iCoordinate) const {
  return _Kind == eLog ? std::pow(10.0, iCoordinate) : iCoordinate;
}
