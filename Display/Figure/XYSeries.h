// A series of values y over x in one style, the common part of curves and bars: holds one
// reference on each vector.
#ifndef XYSeries_H
#define XYSeries_H

#include "PlotSeries.h"
#include "RefPtr.h"
#include "SeriesStyle.h"

class CATSamIVector;

class XYSeries : public PlotSeries {
 public:
  XYSeries(CATSamIVector* iX, CATSamIVector* iY, const SeriesStyle& iStyle);
  ~XYSeries() override;

  // Widens ioExtent by the finite values (positive ones on a logarithmic axis), with the room
  // kept above and below values.
  void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) override;
  // Looks at some 20000 points at most: evenly picked samples, or points along the segments of a
  // short series.
  double CountIn(const PlotFrame& iFrame, const CATMathBox2D& iArea) const override;

 protected:
  RefPtr<CATSamIVector> _X;
  RefPtr<CATSamIVector> _Y;
  SeriesStyle _Style;
};

#endif
