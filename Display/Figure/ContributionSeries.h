// A contribution bar of a plot area: the colours of values over ascending arguments in a band
// across the data box (several bars share the box in bands), along x, or along y when vertical.
// Drawn in tiles under the library's image limit. Holds one reference on each vector (or on the
// ascending views of descending arguments).
#ifndef ContributionSeries_H
#define ContributionSeries_H

#include <memory>
#include <string>

#include "AxisScale.h"
#include "PlotSeries.h"
#include "RefPtr.h"

class CATSamIDoubleVector;

class ContributionSeries : public PlotSeries {
 public:
  // The bar of iRes over iArg; null when the arguments have no order, with oWarning saying where
  // it breaks. Arguments that have no place on iScale (NaN, and at or below zero on a logarithmic
  // one) are left out, with oWarning saying how many of each (oWarning is left as it was when all is
  // well).
  static std::unique_ptr<ContributionSeries> Make(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                  bool iVertical, std::string& oWarning,
                                                  const AxisScale& iScale = AxisScale());
  ~ContributionSeries() override;

  // The band across the data box, as fractions from its top (from its left when vertical).
  void SetBand(double iFrom, double iTo);

  void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) override;
  void FitValues(double& ioMin, double& ioMax) const override;
  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;

 private:
  ContributionSeries(RefPtr<CATSamIDoubleVector> iArg, RefPtr<CATSamIDoubleVector> iRes, bool iVertical);
  // Make for arguments as they are drawn, iOutside of which (read as NaN) were numbers the scale
  // has no place for.
  static std::unique_ptr<ContributionSeries> MakeOrdered(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                         bool iVertical, unsigned long long iOutside,
                                                         std::string& oWarning);
  // The arguments that are numbers without a place on iScale.
  static unsigned long long CountOutside(CATSamIDoubleVector* iArg, const AxisScale& iScale);

  RefPtr<CATSamIDoubleVector> _Arg;
  RefPtr<CATSamIDoubleVector> _Res;
  bool _Vertical;
  // The arguments are read in the coordinates of this scale (logarithms on a logarithmic axis).
  AxisScale _Scale;
  double _From = 0.0, _To = 1.0;
};

#endif
