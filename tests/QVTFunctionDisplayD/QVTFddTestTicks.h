// Ticks interface of the axis tests: levels of tick values given by the test, a value range, a
// tick length and a value visibility, and a scaling it holds and hands out with one reference
// (or none). A level it does not have answers 0 ticks; the levels asked for are recorded, and the
// counts it answers can be forced up to test bounds.
#ifndef QVTFddTestTicks_H
#define QVTFddTestTicks_H

#include <vector>

#include "QVTFddTestTickScaling.h"
#include "QVTIFddTicks.h"

class QVTFddTestTicks : public QVTIFddTicks {
 public:
  QVTFddTestTicks() : Scaling(new QVTFddTestTickScaling) {}
  ~QVTFddTestTicks() override {
    if (Scaling) Scaling->Release();
  }

  int GetTickLength() override { return TickLength; }
  int AreValuesVisible() override { return ValuesVisible; }
  int GetNbrTicks(int iLevel) override {
    AskedLevels.push_back(iLevel);
    if (ForcedNbrTicks) return ForcedNbrTicks;
    if (iLevel < 0 || iLevel >= static_cast<int>(Levels.size())) return 0;
    return static_cast<int>(Levels[iLevel].size());
  }
  double GetTickValue(int iTick, int iLevel) override {
    if (iLevel < 0 || iLevel >= static_cast<int>(Levels.size()) || iTick < 0 ||
        iTick >= static_cast<int>(Levels[iLevel].size()))
      return Min;
    return Levels[iLevel][iTick];
  }
  double GetMin(int) override { return Min; }
  double GetMax(int) override { return Max; }
  int GetNbrLevels() override { return ForcedNbrLevels ? ForcedNbrLevels : static_cast<int>(Levels.size()); }
  HRESULT GetScaling(QVTIFddTickScaling** oScaling) override {
    ++ScalingRequests;
    *oScaling = HandsOutScaling ? Scaling : nullptr;
    if (*oScaling) (*oScaling)->AddRef();
    return *oScaling ? S_OK : E_FAIL;
  }

  std::vector<std::vector<double>> Levels;
  double Min = 0.0;
  double Max = 100.0;
  int TickLength = 5;
  int ValuesVisible = 1;
  bool HandsOutScaling = true;
  int ForcedNbrTicks = 0;
  int ForcedNbrLevels = 0;
  QVTFddTestTickScaling* Scaling;
  std::vector<int> AskedLevels;
  int ScalingRequests = 0;
};

#endif
