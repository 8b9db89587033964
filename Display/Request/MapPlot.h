// The data of a map request, loaded and checked against each other (shapes, order, the memory an
// order map needs), and the plot area that shows it. Holds one reference on everything it loads;
// keeps its own copy of the request.
#ifndef MapPlot_H
#define MapPlot_H

#include <string>

#include "ColormapData.h"
#include "DataAxis.h"
#include "DataInput.h"
#include "MapRequest.h"
#include "RefPtr.h"
#include "RequestError.h"

class ArrayMatrix;
class ArrayValueRows;
class ArrayVector;
class ArrayXRows;
class LinearScaling;
class NumericArray;
class PlotArea;

class MapPlot {
 public:
  MapPlot();
  ~MapPlot();
  MapPlot(const MapPlot&) = delete;
  MapPlot& operator=(const MapPlot&) = delete;

  // Loads the data of a checked request for a picture of iWidth x iHeight pixels (the size an
  // order map's memory is counted for); false with oError. Without value limits, the colour
  // range comes from the values.
  bool Load(const MapRequest& iRequest, int iWidth, int iHeight, RequestError& oError);
  // Gives the plot area the map, its colour scale, labels and title.
  void Show(PlotArea& ioPlot) const;
  // The same with the map's limits [iXMin, iXMax] x [iZMin, iZMax] (a window's view); without
  // iMap all but the map itself (a window's frame around an older picture of it).
  void Show(PlotArea& ioPlot, double iXMin, double iXMax, double iZMin, double iZMax, bool iMap = true) const;
  const MapRequest& GetRequest() const { return _Request; }

 private:
  // The values of an axis: the option's input, else the axis the values' file brings (and its
  // name for the label ioLabel when that is empty); null with oError.
  RefPtr<ArrayVector> Axis(const DataInput& iInput, const DataAxis& iFileAxis, const char* iOption, std::string& ioLabel,
                           RequestError& oError);
  bool LoadRegular(const DataAxis& iFileX, RequestError& oError);
  bool LoadRows(RequestError& oError);
  unsigned long long OrderMapBytes(int iWidth, int iHeight) const;

  MapRequest _Request;
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
