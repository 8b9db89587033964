#include "Exp10Scaling.h"

#include <cmath>

Exp10Scaling::Exp10Scaling(QVTIFddScaling* iThen) : _Then(RefPtr<QVTIFddScaling>::Hold(iThen)) {}

Exp10Scaling::~Exp10Scaling() = default;

double Exp10Scaling::Convert(double iValue) {
  const double lValue = std::pow(10.0, iValue);
  return _Then ? _Then->Convert(lValue) : lValue;
}
