#include "MirrorTicks.h"

#include <vector>

#include "QVTIFddTickScaling.h"

MirrorTicks::MirrorTicks(QVTIFddTicks* iSource, int iLevel, int iLength)
    : LeveledTicks(iSource ? iSource->GetMin(0) : 0.0, iSource ? iSource->GetMax(0) : 0.0, iLength, 0),
      _Scaling(nullptr) {
  if (!iSource) return;
  std::vector<double> lValues;
  const int lCount = iSource->GetNbrTicks(iLevel);
  for (int i = 0; i < lCount; ++i) lValues.push_back(iSource->GetTickValue(i, iLevel));
  AddLevel(lValues);
  if (FAILED(iSource->GetScaling(&_Scaling))) _Scaling = nullptr;
}

MirrorTicks::~MirrorTicks() {
  if (_Scaling) _Scaling->Release();
}

HRESULT MirrorTicks::GetScaling(QVTIFddTickScaling** oScaling) {
  if (!oScaling) return E_FAIL;
  *oScaling = _Scaling;
  if (!_Scaling) return E_FAIL;
  _Scaling->AddRef();
  return S_OK;
}
