#include "ContributionSeries.h"

#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "ImageTiles.h"
#include "OrderedVector.h"
#include "PlotFrame.h"
#include "QVTFddContributionBarRep.h"
#include "SampleOrder.h"
#include "Scene.h"

std::unique_ptr<ContributionSeries> ContributionSeries::Make(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes,
                                                             bool iVertical, std::string& oWarning) {
  if (!iArg || !iRes) return nullptr;
  // As for colour maps: descending arguments through reversed views, NaN arguments left out.
  const SampleOrder lOrder(iArg);
  if (!lOrder.IsOrdered()) {
    oWarning = "a contribution bar is not drawn: " + lOrder.DescribeBreak("x");
    return nullptr;
  }
  if (lOrder.GetNaNCount() > 0)
    oWarning = "left out " + std::to_string(lOrder.GetNaNCount()) + " samples whose x is NaN";
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
  if (_Vertical)
    DataRange::Add(_Arg.Get(), false, ioExtent.YMin, ioExtent.YMax);
  else
    DataRange::Add(_Arg.Get(), false, ioExtent.XMin, ioExtent.XMax);
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
  const double lMin = _Vertical ? iFrame.GetYMin() : iFrame.GetXMin();
  const double lMax = _Vertical ? iFrame.GetYMax() : iFrame.GetXMax();
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
