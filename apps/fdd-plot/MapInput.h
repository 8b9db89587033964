// The data of one map, loaded from the files MapDataOptions names and checked against each other
// (shapes, order), and the plot area that shows it. Holds one reference on everything it loads.
#ifndef MapInput_H
#define MapInput_H

#include "ColormapData.h"
#include "RefPtr.h"

class ArrayMatrix;
class ArrayValueRows;
class ArrayVector;
class ArrayXRows;
class LinearScaling;
class NumericArray;
class PlotArea;
struct ColorOptions;
struct MapDataOptions;

class MapInput {
 public:
  MapInput();
  ~MapInput();
  MapInput(const MapInput&) = delete;
  MapInput& operator=(const MapInput&) = delete;

  // Loads the files; 0, else the failure status after printing why. Without value limits, the
  // colour range comes from the values file (ioColors' limits).
  int Load(const MapDataOptions& iOptions, ColorOptions& ioColors);
  // After Load: the bytes an order map of the data takes at iWidth x iHeight pixels.
  unsigned long long OrderMapBytes(int iWidth, int iHeight) const;
  // Gives the plot area the map, its colour scale, labels and title.
  void Show(PlotArea& ioPlot, const MapDataOptions& iOptions, const ColorOptions& iColors) const;
  // The same with the map's limits [iXMin, iXMax] x [iZMin, iZMax] (a window's view); without
  // iMap all but the map itself (a window's frame around an older picture of it).
  void Show(PlotArea& ioPlot, const MapDataOptions& iOptions, const ColorOptions& iColors, double iXMin, double iXMax,
            double iZMin, double iZMax, bool iMap = true) const;

 private:
  int LoadRegular(const MapDataOptions& iOptions, ColorOptions& ioColors);
  int LoadRows(const MapDataOptions& iOptions);

  RefPtr<ArrayVector> _X;
  RefPtr<ArrayVector> _Z;
  RefPtr<NumericArray> _Values;
  RefPtr<NumericArray> _XRows;
  RefPtr<ArrayMatrix> _Matrix;
  RefPtr<ArrayXRows> _Rows;
  RefPtr<ArrayValueRows> _ValueRows;
  RefPtr<LinearScaling> _ZScaling;
  ColormapData _Data;
};

#endif
