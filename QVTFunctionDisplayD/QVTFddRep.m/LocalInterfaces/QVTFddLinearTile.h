// The kernels of the linear colour map over homogeneous data: the values of a tile of image
// columns, computed from the pixel jobs of its columns and rows over the value matrix. A pixel over
// several cells shows their maximum (NaN cells skipped, NaN when none is a number), a pixel between
// cells their linear or bilinear interpolation. The image is made of such tiles, and the value
// under a point is the same computation on a tile of one pixel: both show one value.
// Stateless; the caller owns every buffer.
#ifndef QVTFddLinearTile_H
#define QVTFddLinearTile_H

#include <cstddef>

#include "QVTFddPixelJob.h"

class QVTFddMatrixCells;

class QVTFddLinearTile {
 public:
  // Image columns computed together: their pixels of one image row make a cache line, so that the
  // image is written row by row, not a cache line per pixel down a column.
  static constexpr int kTile = 16;

  // Whether a job reads cells (index, range and interpolation jobs).
  static bool Valued(const QVTFddPixelJob& iJob);
  // The Z indices that the valued jobs of iZJobs read, oFirst .. oLast (oLast below oFirst when
  // none).
  static void ZSpan(const QVTFddPixelJob* iZJobs, int iHeight, int& oFirst, int& oLast);
  // The columns of X jobs iX[0 .. iCount - 1] (iCount at most kTile) reduced along X for Z
  // indices iFirst .. iLast, column c into oReduced[c * (iLast - iFirst + 1) ...].
  static void Reduce(const QVTFddPixelJob* iX, int iCount, const QVTFddMatrixCells& iCells, int iFirst, int iLast,
                     double* oReduced);
  // The pixel values of the tile for Z jobs iZ[0 .. iHeight - 1], image row after image row
  // (oValues[r * iCount + c], NaN where a pixel has none), from the columns as Reduce leaves them
  // (iSpan Z indices from iFirst each).
  static void Values(const QVTFddPixelJob* iX, int iCount, const QVTFddPixelJob* iZ, int iHeight,
                     const double* iReduced, size_t iSpan, int iFirst, const QVTFddMatrixCells& iCells,
                     double* oValues);
};

#endif
