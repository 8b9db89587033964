// Common ground of the ready-made tick sources: a value range [min, max] and tick values kept per
// level of detail, densest level first, with a settable tick length and value visibility. A level
// it does not have (-1, or beyond the last) answers 0 ticks and a NaN value, as the axis layout
// relies on. The derived sources compute their levels once, at construction, and say how values
// are scaled and written (GetScaling).
//
// Reference counted like every interface handed to the library; owns only its values. The tick
// length is in the model units of the drawing the ticks are shown in.
#ifndef LeveledTicks_H
#define LeveledTicks_H

#include <vector>

#include "QVTIFddTicks.h"

class LeveledTicks : public QVTIFddTicks {
 public:
  void SetTickLength(int iLength) { _TickLength = iLength; }
  void SetValuesVisible(int iVisible) { _ValuesVisible = iVisible; }
  // Drops the densest levels while they have more than iMaxTicks ticks (the sparsest level always
  // stays) and returns how many went: a figure asks for a readable density, not just no overlap.
  int DropDenseLevels(int iMaxTicks);
  // Drops the iCount densest levels (at most all but one), so that minor ticks follow their majors.
  void DropFirstLevels(int iCount);

  int GetTickLength() override;
  int AreValuesVisible() override;
  int GetNbrTicks(int iLevel) override;
  double GetTickValue(int iTick, int iLevel) override;
  // The range as given, whatever the level.
  double GetMin(int iLevel) override;
  double GetMax(int iLevel) override;
  int GetNbrLevels() override;

 protected:
  LeveledTicks(double iMin, double iMax, int iTickLength, int iValuesVisible);
  // Appends the next sparser level.
  void AddLevel(const std::vector<double>& iValues);
  // The range in increasing order; false when it is empty or not finite.
  bool SortedRange(double& oLow, double& oHigh) const;

  // Most ticks a source offers on its densest level.
  static constexpr int kMaxTicksPerLevel = 2000;

 private:
  double _Min;
  double _Max;
  int _TickLength;
  int _ValuesVisible;
  std::vector<std::vector<double>> _Levels;
};

#endif
