#include "XYSeries.h"

#include "CATSamIVector.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "PlotAxis.h"

XYSeries::XYSeries(CATSamIVector* iX, CATSamIVector* iY, const SeriesStyle& iStyle)
    : _X(iX), _Y(iY), _Style(iStyle) {
  if (_X) _X->AddRef();
  if (_Y) _Y->AddRef();
}

XYSeries::~XYSeries() {
  if (_X) _X->Release();
  if (_Y) _Y->Release();
}

void XYSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  DataRange::Add(_X, iXAxis.IsLog(), ioExtent.XMin, ioExtent.XMax);
  DataRange::Add(_Y, iYAxis.IsLog(), ioExtent.YMin, ioExtent.YMax);
  ioExtent.YMargin = DataExtent::kValueMargin;
}
