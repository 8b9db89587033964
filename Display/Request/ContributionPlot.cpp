#include "ContributionPlot.h"

#include "DataSource.h"
#include "PlotArea.h"
#include "SampleOrder.h"

bool ContributionPlot::Load(const ContributionRequest& iRequest, RequestError& oError) {
  _Request = iRequest;
  if (!(_X = DataSource::Vector(iRequest.X, oError)) || !(_Y = DataSource::Vector(iRequest.Y, oError))) return false;
  if (_X->GetLength() != _Y->GetLength())
    return oError.Data(iRequest.Y.Label() + ": " + std::to_string(_Y->GetLength()) + " values for " +
                       std::to_string(_X->GetLength()) + " arguments: one value per argument is needed");
  // Descending arguments are drawn; any other order is refused where it breaks.
  const std::string lOrder = SampleOrder::Check(_X.Get(), iRequest.X.Label(), "x");
  return lOrder.empty() || oError.Data(lOrder);
}

void ContributionPlot::Show(PlotArea& ioPlot) const {
  const ContributionRequest& r = _Request;
  ioPlot.SetTitle(r.Title);
  PlotAxis& lAxis = r.Vertical ? ioPlot.GetYAxis() : ioPlot.GetXAxis();
  lAxis.SetLabel(r.XLabel);
  lAxis.SetRange(r.XMin, r.XMax);
  lAxis.SetLog(r.LogX);
  ioPlot.ShowAxis(r.Vertical ? PlotArea::Bottom : PlotArea::Left, false);
  ioPlot.SetColorScale(r.Table, r.Min, r.Max, r.ValueLabel, r.Reversed, r.LogValues);
  ioPlot.AddContributionBar(_X.Get(), _Y.Get(), r.Vertical);
}
