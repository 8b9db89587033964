// Ready-made linear ticks over [min, max]: levels of "nice" steps, 1, 2 and 5 times a power of
// ten, densest first. The densest level is the finest nice step with at most the given number of
// intervals over the range; each following level takes the next coarser step, and the last level
// is the first with at most two ticks. The minor kind gives, at each level, the ticks between the
// major ticks of that level (steps divided by 5, or by 4 for steps of 2), so that minor ticks drawn
// at the level the major ticks chose fall between them. An empty, reversed-to-nothing or
// non-finite range has no levels.
//
// Values are exact decimal multiples (0.3, not 0.30000000000000004). Major ticks show their
// values and are 3 model units long; minor ticks show none and are 2 long (both settable).
#ifndef LinearTicks_H
#define LinearTicks_H

#include "LeveledTicks.h"

class LinearTicks : public LeveledTicks {
 public:
  enum eKind { eMajor = 0, eMinor = 1 };

  LinearTicks(double iMin, double iMax, eKind iKind = eMajor, int iMaxIntervals = 50);

  // Hands out a new LinearTickScaling.
  HRESULT GetScaling(QVTIFddTickScaling** oScaling) override;

  // The tick value iIndex * iMantissa * 10^iExponent, rounded once.
  static double Multiple(double iIndex, int iMantissa, int iExponent);
};

#endif
