// Vertical bars of heights y over x in a plot area, each 0.8 of the smallest step between the x
// values wide, standing on zero (on the bottom of a logarithmic axis).
#ifndef BarSeries_H
#define BarSeries_H

#include "XYSeries.h"

class BarSeries : public XYSeries {
 public:
  using XYSeries::XYSeries;

  void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) override;
  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;

 private:
  // The smallest distance between consecutive finite x values; NaN when there is none.
  double SmallestStep() const;
};

#endif
