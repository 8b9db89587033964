// A curve y(x) of a plot area, with symbols at its samples when its style has them.
#ifndef CurveSeries_H
#define CurveSeries_H

#include <memory>

#include "XYSeries.h"

class CurveLevels;

class CurveSeries : public XYSeries {
 public:
  using XYSeries::XYSeries;

  // Levels of the series' own x and y, drawn from on linear axes (LevelCurveGP); null: none.
  void SetLevels(std::shared_ptr<const CurveLevels> iLevels) { _Levels = std::move(iLevels); }

  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;

 private:
  std::shared_ptr<const CurveLevels> _Levels;
};

#endif
