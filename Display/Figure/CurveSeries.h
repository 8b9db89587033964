// A curve y(x) of a plot area, with symbols at its samples when its style has them.
#ifndef CurveSeries_H
#define CurveSeries_H

#include "XYSeries.h"

class CurveSeries : public XYSeries {
 public:
  using XYSeries::XYSeries;

  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;
};

#endif
