#include "XYSeries.h"

#include "CATSamIVector.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "PlotAxis.h"

XYSeries::XYSeries(CATSamIVector* iX, CATSamIVector* iY, const SeriesStyle& iStyle)
    : _X(RefPtr<CATSamIVector>::Hold(iX)), _Y(RefPtr<CATSamIVector>::Hold(iY)), _Style(iStyle) {}

XYSeries::~XYSeries() = default;

void XYSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  DataRange::Add(_X.Get(), iXAxis.IsLog(), ioExtent.XMin, ioExtent.XMax);
  DataRange::Add(_Y.Get(), iYAxis.IsLog(), ioExtent.YMin, ioExtent.YMax);
  ioExtent.YMargin = DataExtent::kValueMargin;
}
