#include "MirrorTicks.h"

#include <vector>

#include "QVTIFddTickScaling.h"

MirrorTicks::MirrorTicks(QVTIFddTicks* iSource, int iLevel, int iLength)
    : LeveledTicks(iSource ? iSource->GetMin(0) : 0.0, iSource ? iSource->GetMax(0) : 0.0, iLength, 0) {
  if (!iSource) return;
  std::vector<double> lValues;
  const int lCount = iSource->GetNbrTicks(iLevel);
  for (int i = 0; i < lCount; ++i) lValues.push_back(iSource->GetTickValue(i, iLevel));
  AddLevel(lValues);
  QVTIFddTickScaling* lScaling = nullptr;
  if (SUCCEEDED(iSource->GetScaling(&lScaling))) _Scaling = RefPtr<QVTIFddTickScaling>(lScaling);
}

MirrorTicks::~MirrorTicks() = default;

HRESULT MirrorTicks::GetScaling(QVTIFddTickScaling** oScaling) {
  if (!oScaling) return E_FAIL;
  *oScaling = RefPtr<QVTIFddTickScaling>::Hold(_Scaling.Get()).Detach();
  return *oScaling ? S_OK : E_FAIL;
}
