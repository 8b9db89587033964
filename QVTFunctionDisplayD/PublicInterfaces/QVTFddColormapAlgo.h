// Colour map algorithm: turns two-variable data (X along image columns, Z along image rows) into
// a pixel image of a fixed size and answers the data value shown under a point. The colour map
// primitive creates one for its current pixel size, owns it, and replaces it when the size
// changes. Images are format 3 (red, green, blue, alpha); a pixel without a value is 0, 0, 0, 0.
#ifndef QVTFddColormapAlgo_H
#define QVTFddColormapAlgo_H

#include "CATPixelImage.h"

class QVTFddColormapAlgo {
 public:
  // Result of a per-pixel value computation.
  enum eValueType { ValueFound = 0, NoValue = 1 };

  virtual ~QVTFddColormapAlgo() = default;
  virtual CATPixelImage MakeBitmap() = 0;
  // 0 with the value under (iX, iZ), or 0x80004005 (E_FAIL); oValue is written on success only.
  virtual long GetValue(double iX, double iZ, double& oValue) = 0;
  virtual int GetWidth() = 0;
  virtual int GetHeight() = 0;
};

#endif
