// One kind of data a plot area shows (curve, bars, contribution bar, colour map): it widens the
// area's data extent before the axes' ranges are chosen, and adds itself to the scene once the
// data box is known. Holds its own references on its data.
#ifndef PlotSeries_H
#define PlotSeries_H

class CATMathBox2D;
class CATViewer;
class ColorScaleAxis;
class PlotAxis;
class PlotFrame;
struct DataExtent;
struct FigureStyle;

class PlotSeries {
 public:
  PlotSeries() = default;
  virtual ~PlotSeries() = default;
  PlotSeries(const PlotSeries&) = delete;
  PlotSeries& operator=(const PlotSeries&) = delete;

  // Widens ioExtent by what this series shows on the axes iXAxis and iYAxis.
  virtual void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) = 0;
  // Widens [ioMin, ioMax] by the values the colour scale colours (nothing for curves and bars).
  virtual void FitValues(double& ioMin, double& ioMax) const {
    (void)ioMin;
    (void)ioMax;
  }
  // About how many of its samples (and points along its lines) fall into iArea (model units) in
  // iFrame: where a legend would hide the least.
  virtual double CountIn(const PlotFrame& iFrame, const CATMathBox2D& iArea) const {
    (void)iFrame;
    (void)iArea;
    return 0.0;
  }
  // Adds the series to the viewer in iFrame; iColors is null when the area has no colour scale.
  virtual void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors,
                    const FigureStyle& iStyle) = 0;
};

#endif
