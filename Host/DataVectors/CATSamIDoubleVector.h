// Vector of doubles.
#ifndef CATSamIDoubleVector_H
#define CATSamIDoubleVector_H

#include "CATSamIVector.h"

class CATSamIDoubleVector : public CATSamIVector {};

#endif
