#include "LinearScaling.h"

double LinearScaling::Convert(double iValue) { return _Factor * iValue + _Offset; }
