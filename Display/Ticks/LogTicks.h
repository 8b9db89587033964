// Ready-made logarithmic ticks over [min, max] (both above zero), densest first: for a range with
// fewer than two decade ticks, steps within a decade (..., 1, 2, 5, then every multiple of the
// decade: 40, 50, 60 on 40 .. 60); then 1, 2 and 5 in every decade, then the decades, then every
// 2nd, 5th, 10th, 20th ... decade, until a level leaves at most two ticks; a level without ticks
// ends the levels. The minor kind gives, at each level, the ticks between that level's major ticks:
// the next denser step's within a decade, 3, 4, 6, 7, 8 and 9 in every decade, then 2 to 9, then
// the decades left out. A range that is empty, not finite or reaches zero or below has no levels.
//
// Scaled by LogTickScaling. Major ticks show their values and are 3 model units long; minor ticks
// show none and are 2 long (both settable).
#ifndef LogTicks_H
#define LogTicks_H

#include "LeveledTicks.h"

class LogTicks : public LeveledTicks {
 public:
  enum eKind { eMajor = 0, eMinor = 1 };

  LogTicks(double iMin, double iMax, eKind iKind = eMajor);

  // Hands out a new LogTickScaling.
  HRESULT GetScaling(QVTIFddTickScaling** oScaling) override;

 private:
  // Levels of steps within a decade, for ranges that hold fewer than two decade ticks.
  void AddSubDecadeLevels(double iLow, double iHigh, int iFirstDecade, int iLastDecade, bool iMajor);
};

#endif
