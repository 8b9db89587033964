#include "ContributionSeries.h"

#include <algorithm>
#include <cmath>

#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "ImageTiles.h"
#include "Log10Vector.h"
#include "OrderedVector.h"
#include "PlotFrame.h"
#include "QVTFddContributionBarRep.h"
#include "SampleOrder.h"
#include "Scene.h"

std::unique_ptr<ContributionSeries> ContributionSeries::Make(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                             bool iVertical, std::string& oWarning,
                                                             const AxisScale& iScale) {
  if (!iArg || !iRes) return nullptr;
  // On a logarithmic axis the arguments' logarithms are drawn; those without one are left out.
  const RefPtr<CATSamIDoubleVector> lLog(iScale.IsLog() ? new Log10Vector(iArg) : nullptr);
  if (iScale.IsLog() && !lLog) return nullptr;
  std::unique_ptr<ContributionSeries> lBar =
      MakeOrdered(lLog ? lLog.Get() : iArg, iRes, iVertical, CountOutside(iArg, iScale), oWarning);
  if (lBar) lBar->_Scale = iScale;
  return lBar;
}

unsigned long long ContributionSeries::CountOutside(CATSamIDoubleVector* iArg, const AxisScale& iScale) {
  unsigned long long lCount = 0;
  double lValues[1024];
  const unsigned int n = iArg->GetLength();
  for (unsigned int i = 0; i < n;) {
    const unsigned int lRead = iArg->GetValues(i, std::min(n - i, 1024u), lValues);
    if (lRead == 0) break;
    for (unsigned int k = 0; k < lRead; ++k)
      if (!std::isnan(lValues[k]) && !iScale.IsValid(lValues[k])) ++lCount;
    i += lRead;
  }
  return lCount;
}

std::unique_ptr<ContributionSeries> ContributionSeries::MakeOrdered(CATSamIDoubleVector* iArg,
                                                                    CATSamIDoubleVector* iRes, bool iVertical,
                                                                    unsigned long long iOutside,
                                                                    std::string& oWarning) {
  // As for colour maps: descending arguments through reversed views, NaN arguments left out.
  const SampleOrder lOrder(iArg);
  if (!lOrder.IsOrdered()) {
    oWarning = "a contribution bar is not drawn: " + lOrder.DescribeBreak("x");
    return nullptr;
  }
  const unsigned long long lNaN = lOrder.GetNaNCount() > iOutside ? lOrder.GetNaNCount() - iOutside : 0;
  if (lNaN > 0 || iOutside > 0)
    oWarning = "left out " + (lNaN > 0 ? std::to_string(lNaN) + " samples whose x is NaN" : std::string()) +
               (lNaN > 0 && iOutside > 0 ? " and " : "") +
               (iOutside > 0 ? std::to_string(iOutside) + " samples whose x is at or below 0 on a logarithmic axis"
                             : std::string());
  if (!lOrder.IsIdentity())
    return std::unique_ptr<ContributionSeries>(
        new ContributionSeries(RefPtr<CATSamIDoubleVector>(new OrderedVector(iArg, lOrder)),
                               RefPtr<CATSamIDoubleVector>(new OrderedVector(iRes, lOrder)), iVertical));
  return std::unique_ptr<ContributionSeries>(new ContributionSeries(RefPtr<CATSamIDoubleVector>::Hold(iArg),
                                                                    RefPtr<CATSamIDoubleVector>::Hold(iRes), iVertical));
}

ContributionSeries::ContributionSeries(RefPtr<CATSamIDoubleVector> iArg, RefPtr<CATSamIDoubleVector> iRes, bool iVertical)
    : _Arg(std::move(iArg)), _Res(std::move(iRes)), _Vertical(iVertical) {}

ContributionSeries::~ContributionSeries() = default;

void ContributionSeries::SetBand(double iFrom, double iTo) {
  _From = iFrom;
  _To = iTo;
}

void ContributionSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  (void)iXAxis;
  (void)iYAxis;
  double lMin = NAN, lMax = NAN;
  DataRange::Add(_Arg.Get(), false, lMin, lMax);
  // The axes are told values: the coordinates go back to them.
  lMin = _Scale.FromAxis(lMin);
  lMax = _Scale.FromAxis(lMax);
  for (double lEnd : {lMin, lMax}) DataRange::Add(lEnd, _Vertical ? ioExtent.YMin : ioExtent.XMin, _Vertical ? ioExtent.YMax : ioExtent.XMax);
}

void ContributionSeries::FitValues(double& ioMin, double& ioMax) const { DataRange::Add(_Res.Get(), false, ioMin, ioMax); }

void ContributionSeries::Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors,
                              const FigureStyle& iStyle) {
  (void)iStyle;
  if (!iColors || !_Arg || !_Res) return;
  const CATMathPoint2D lLow = iFrame.GetBox().GetLow(), lHigh = iFrame.GetBox().GetHigh();
  // The bar's band across, and its argument range along.
  const double lAlong0 = _Vertical ? lLow.GetY() : lLow.GetX(), lAlong1 = _Vertical ? lHigh.GetY() : lHigh.GetX();
  const double lAcross0 = _Vertical ? lLow.GetX() + _From * (lHigh.GetX() - lLow.GetX())
                                    : lHigh.GetY() - _To * (lHigh.GetY() - lLow.GetY());
  const double lAcross1 = _Vertical ? lLow.GetX() + _To * (lHigh.GetX() - lLow.GetX())
                                    : lHigh.GetY() - _From * (lHigh.GetY() - lLow.GetY());
  // In axis coordinates, as the arguments are read (logarithms on a logarithmic axis).
  const CATMathBox2D lRange = iFrame.GetAxisBox();
  const double lMin = _Vertical ? lRange.GetLow().GetY() : lRange.GetLow().GetX();
  const double lMax = _Vertical ? lRange.GetHigh().GetY() : lRange.GetHigh().GetX();
  for (const ImageTiles::Tile& ta : ImageTiles::Cut(lAlong0, lAlong1, lMin, lMax))
    for (const ImageTiles::Tile& tc : ImageTiles::Cut(lAcross0, lAcross1, 0.0, 1.0)) {
      const CATMathBox2D lBox = _Vertical ? CATMathBox2D(tc.low, tc.high, ta.low, ta.high)
                                          : CATMathBox2D(ta.low, ta.high, tc.low, tc.high);
      Scene::Add(ioViewer, new QVTFddContributionBarRep(lBox,
                                                        _Vertical ? QVTFddContributionAlgoLineair::VerticalBar
                                                                  : QVTFddContributionAlgoLineair::HorizontalBar,
                                                        _Arg.Get(), ta.min, ta.max, _Res.Get(), iColors));
    }
}
