// Ticks of one level of another tick source, for the axis on the opposite side of a plot (top or
// right): the same tick values as the level the first axis chose, drawn without values so that the
// two sides agree. Scaled as the source scales. Holds one reference on the source's scaling.
#ifndef MirrorTicks_H
#define MirrorTicks_H

#include "LeveledTicks.h"
#include "RefPtr.h"

class MirrorTicks : public LeveledTicks {
 public:
  // Level iLevel of iSource (no ticks when it has none), with tick length iLength.
  MirrorTicks(QVTIFddTicks* iSource, int iLevel, int iLength);
  ~MirrorTicks() override;
  MirrorTicks(const MirrorTicks&) = delete;
  MirrorTicks& operator=(const MirrorTicks&) = delete;

  HRESULT GetScaling(QVTIFddTickScaling** oScaling) override;

 private:
  RefPtr<QVTIFddTickScaling> _Scaling;
};

#endif
