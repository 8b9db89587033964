// The run-up's regular spectra (RunUpData::Homogeneous) as the data of an order map: orders are
// ratios of frequency to speed, so speed is brought to Hz. Holds the data objects its
// ColormapData points to; a caller may change the other fields (limits, logarithmic axes).
#ifndef RunUpOrderMap_H
#define RunUpOrderMap_H

#include "ColormapData.h"
#include "RefPtr.h"

class LinearScaling;
class MemoryDoubleMatrix;
class MemoryDoubleVector;

class RunUpOrderMap {
 public:
  RunUpOrderMap(int iRows, int iLines);
  ~RunUpOrderMap();
  RunUpOrderMap(const RunUpOrderMap&) = delete;
  RunUpOrderMap& operator=(const RunUpOrderMap&) = delete;

  ColormapData& GetData() { return _Data; }

 private:
  RefPtr<MemoryDoubleVector> _Hz, _Rpm;
  RefPtr<MemoryDoubleMatrix> _Levels;
  RefPtr<LinearScaling> _RpmScaling;
  ColormapData _Data;
};

#endif
