// A contribution bar of a plot area: the colours of values over ascending arguments in a band
// across the data box (several bars share the box in bands), along x, or along y when vertical.
// Drawn in tiles under the library's image limit. Holds one reference on each vector (or on the
// ascending views of descending arguments).
#ifndef ContributionSeries_H
#define ContributionSeries_H

#include <memory>
#include <string>

#include "PlotSeries.h"
#include "RefPtr.h"

class CATSamIDoubleVector;

class ContributionSeries : public PlotSeries {
 public:
  // The bar of iRes over iArg; null when the arguments have no order, with oWarning saying where
  // it breaks. NaN arguments are left out, with oWarning saying how many (oWarning is left as it
  // was when all is well); so are arguments at or below zero when iLog (a logarithmic axis).
  static std::unique_ptr<ContributionSeries> Make(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                  bool iVertical, std::string& oWarning, bool iLog = false);
  ~ContributionSeries() override;

  // The band across the data box, as fractions from its top (from its left when vertical).
  void SetBand(double iFrom, double iTo);

  void Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) override;
  void FitValues(double& ioMin, double& ioMax) const override;
  void Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors, const FigureStyle& iStyle) override;

 private:
  ContributionSeries(RefPtr<CATSamIDoubleVector> iArg, RefPtr<CATSamIDoubleVector> iRes, bool iVertical);
  // Make for arguments as they are drawn.
  static std::unique_ptr<ContributionSeries> MakeOrdered(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                         bool iVertical, std::string& oWarning);

  RefPtr<CATSamIDoubleVector> _Arg;
  RefPtr<CATSamIDoubleVector> _Res;
  bool _Vertical;
  // The arguments are read through their logarithms (a logarithmic argument axis).
  bool _Log = false;
  double _From = 0.0, _To = 1.0;
};

#endif
