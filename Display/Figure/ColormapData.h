// What a plot area needs to show a colour map: regular data (X vector, Z vector, matrix indexed
// (X index, Z index)) or non-homogeneous data (per-row X vectors and value rows, one row per Z
// sample), the limits shown (NaN: the data's extent), and the interpolation. The plot area takes
// its own reference on every non-null pointer; the caller keeps its own.
#ifndef ColormapData_H
#define ColormapData_H

class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;
class CATSamIDoubleMatrix;
class CATSamIDoubleVector;
class QVTIFddScaling;

struct ColormapData {
  CATSamIDoubleVector* X = nullptr;         // regular data
  CATSamIDoubleMatrix* Values = nullptr;
  CATSamIDouble1p5D* XRows = nullptr;       // non-homogeneous data (used when both are set)
  CATSamIDouble2DDim2NH* ValueRows = nullptr;
  CATSamIDoubleVector* Z = nullptr;
  double XMin = 0.0 / 0.0, XMax = 0.0 / 0.0;
  double ZMin = 0.0 / 0.0, ZMax = 0.0 / 0.0;
  // Logarithmic X and Z axes: samples at or below zero are left out like NaN ones.
  bool LogX = false, LogZ = false;
  // Between samples: the nearer sample's value (flat cells) instead of an interpolation. A pixel
  // over several samples shows their largest either way.
  bool Nearest = false;
  // Order interpolation: samples joined along lines of equal X/Z ratio, in the units the scalings
  // convert to (null scaling: the values as they are).
  bool Order = false;
  double Tolerance = 0.05;
  QVTIFddScaling* XScaling = nullptr;
  QVTIFddScaling* ZScaling = nullptr;
};

#endif
