#include "LeveledTicks.h"

#include <algorithm>
#include <cmath>
#include <limits>

LeveledTicks::LeveledTicks(double iMin, double iMax, int iTickLength, int iValuesVisible)
    : _Min(iMin), _Max(iMax), _TickLength(iTickLength), _ValuesVisible(iValuesVisible) {}

int LeveledTicks::GetTickLength() { return _TickLength; }

int LeveledTicks::AreValuesVisible() { return _ValuesVisible; }

int LeveledTicks::GetNbrTicks(int iLevel) {
  if (iLevel < 0 || iLevel >= GetNbrLevels()) return 0;
  return static_cast<int>(_Levels[static_cast<size_t>(iLevel)].size());
}

double LeveledTicks::GetTickValue(int iTick, int iLevel) {
  if (iTick < 0 || iTick >= GetNbrTicks(iLevel)) return std::numeric_limits<double>::quiet_NaN();
  return _Levels[static_cast<size_t>(iLevel)][static_cast<size_t>(iTick)];
}

double LeveledTicks::GetMin(int) { return _Min; }

double LeveledTicks::GetMax(int) { return _Max; }

int LeveledTicks::GetNbrLevels() { return static_cast<int>(_Levels.size()); }

int LeveledTicks::DropDenseLevels(int iMaxTicks) {
  int lCount = 0;
  while (lCount + 1 < GetNbrLevels() && GetNbrTicks(lCount) > iMaxTicks) ++lCount;
  DropFirstLevels(lCount);
  return lCount;
}

void LeveledTicks::DropFirstLevels(int iCount) {
  const int lCount = std::min(iCount, GetNbrLevels() - 1);
  if (lCount > 0) _Levels.erase(_Levels.begin(), _Levels.begin() + lCount);
}

void LeveledTicks::AddLevel(const std::vector<double>& iValues) { _Levels.push_back(iValues); }

bool LeveledTicks::SortedRange(double& oLow, double& oHigh) const {
  oLow = std::fmin(_Min, _Max);
  oHigh = std::fmax(_Min, _Max);
  // The span itself may overflow (-1e308 .. 1e308): the sources work with its half.
  return std::isfinite(oLow) && std::isfinite(oHigh) && oHigh > oLow;
}
