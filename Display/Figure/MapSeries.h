// The colour map of a plot area, regular or non-homogeneous, linear or order-interpolated. The
// library maps ascending samples only: descending X or Z are shown through reversed views and NaN
// samples are left out. A map wider or higher than the library's image limit is drawn in tiles,
// and the tile that shows a point answers for its value. Holds one reference on every data object
// (or on its ascending view) and on the tiles it shows.
#ifndef MapSeries_H
#define MapSeries_H

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ColormapData.h"
#include "PlotSeries.h"

class CATBaseUnknown;
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
  // Puts the data in ascending views; returns where its order breaks (empty when it has one).
  std::string Order(std::string& oWarning);
  bool NonHomogeneous() const;
  // Every data object, null ones included.
  std::array<CATBaseUnknown*, 7> Objects() const;
  void DropTiles();

  ColormapData _Map;
  // The tiles shown and the data limits each shows.
  struct Tile {
    QVTFddColormapRep* rep;
    double x0, x1, z0, z1;
  };
  std::vector<Tile> _Tiles;
};

#endif
