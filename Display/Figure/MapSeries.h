// The colour map of a plot area, regular or non-homogeneous, linear or order-interpolated. The
// library maps ascending samples only: descending X or Z are shown through reversed views and NaN
// samples are left out. A map wider or higher than the library's image limit is drawn in tiles,
// and the tile that shows a point answers for its value. On a logarithmic axis the map is drawn
// over the logarithms (the library maps linearly), and order lines are found on the values. Holds one reference on every data object
// (or on its ascending view) and on the tiles it shows.
#ifndef MapSeries_H
#define MapSeries_H

#include <memory>
#include <string>
#include <vector>

#include "ColormapData.h"
#include "PlotSeries.h"
#include "RefPtr.h"

class QVTFddColormapRep;

class MapSeries : public PlotSeries {
 public:
  // The map of iData; null when its data has no order, with oWarning saying where it breaks. NaN
  // samples are left out, with oWarning saying how many (oWarning is left as it was when all is
  // well).
  static std::unique_ptr<MapSeries> Make(const ColormapData& iData, std::string& oWarning);
  ~MapSeries() override;

  void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) override;
  void FitValues(double& ioMin, double& ioMax) const override;
  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;

  // After Show: the value the map shows at (iX, iZ) in data units; 0 with oValue, else non-zero.
  long GetValue(double iX, double iZ, double& oValue) const;

 private:
  explicit MapSeries(const ColormapData& iData);
  // Puts the data of logarithmic axes in logarithmic views, with their limits and scalings.
  void TakeLogarithms();
  // Puts the data in ascending views; returns where its order breaks (empty when it has one).
  std::string Order(std::string& oWarning);
  bool NonHomogeneous() const;
  // Flat cells of regular data with one sample along X or Z: that sample becomes a cell of width 1
  // around it (data units, decades on a logarithmic axis), seen as two samples at its edges, so
  // that the map fills it and the axis range covers it.
  void WidenSingleSamples();
  static double CellHalfWidth(double iSample);
  // Puts iView (one reference, taken over) in place of the data object ioShown names.
  template <class T, class V>
  static void Replace(T*& ioShown, RefPtr<T>& ioHeld, V* iView);

  // The data shown; the holders below keep each of its objects.
  ColormapData _Map;
  RefPtr<CATSamIDoubleVector> _X, _Z;
  RefPtr<CATSamIDoubleMatrix> _Values;
  RefPtr<CATSamIDouble1p5D> _XRows;
  RefPtr<CATSamIDouble2DDim2NH> _ValueRows;
  RefPtr<QVTIFddScaling> _XScaling, _ZScaling;
  // The tiles shown and the data limits each shows.
  struct Tile {
    RefPtr<QVTFddColormapRep> rep;
    double x0, x1, z0, z1;
  };
  std::vector<Tile> _Tiles;
};

#endif
