#include "RunUpOrderMap.h"

#include "LinearScaling.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "RunUpData.h"

RunUpOrderMap::RunUpOrderMap(int iRows, int iLines) : _RpmScaling(new LinearScaling(1.0 / 60.0)) {
  RunUpData::Homogeneous(iRows, iLines, _Hz, _Rpm, _Levels);
  _Data.X = _Hz.Get();
  _Data.Z = _Rpm.Get();
  _Data.Values = _Levels.Get();
  _Data.Order = true;
  _Data.ZScaling = _RpmScaling.Get();
}

RunUpOrderMap::~RunUpOrderMap() = default;
