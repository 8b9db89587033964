#include "ImageTiles.h"

#include <algorithm>
#include <cmath>

#include "QVTFddColormapAlgoLineair.h"

std::vector<ImageTiles::Tile> ImageTiles::Cut(double iLow, double iHigh, double iMin, double iMax) {
  const double lLength = iHigh - iLow;
  const double lLimit = QVTFddColormapAlgoLineair::kMaxPixels - 1;
  if (!(lLength > lLimit)) return {{iLow, iHigh, iMin, iMax}};
  const double lCount = std::ceil(lLength / lLimit);
  const double lStep = std::ceil(lLength / lCount);
  std::vector<Tile> lTiles;
  for (double lStart = iLow; lStart < iHigh; lStart += lStep) {
    const double lEnd = std::min(lStart + lStep, iHigh);
    const double f0 = (lStart - iLow) / lLength, f1 = (lEnd - iLow) / lLength;
    lTiles.push_back({lStart, lEnd, lStart == iLow ? iMin : iMin + f0 * (iMax - iMin),
                      lEnd == iHigh ? iMax : iMin + f1 * (iMax - iMin)});
  }
  return lTiles;
}
