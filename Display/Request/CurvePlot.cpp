#include "CurvePlot.h"

#include <algorithm>

#include "CurveLevels.h"
#include "DataSource.h"
#include "IndexVector.h"
#include "PlotArea.h"

bool CurvePlot::Load(const CurveRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings) {
  _Request = iRequest;
  RefPtr<ArrayVector> lX;
  if (iRequest.X.IsGiven() && !(lX = DataSource::Vector(iRequest.X, oError))) return false;
  // The y curves, then the y2 ones: the order of the style options.
  std::vector<DataInput> lInputs = iRequest.Y;
  lInputs.insert(lInputs.end(), iRequest.Y2.begin(), iRequest.Y2.end());
  // Without x values a curve takes the X its file brings (a sound file's time, an HDF5 dimension
  // scale); the x label too when every such curve brings the same and none is given.
  std::string lAxisName;
  bool lAxisNamed = true;
  for (const DataInput& lInput : lInputs) {
    std::string lName;
    DataAxis lAxis;
    const RefPtr<ArrayVector> lY = DataSource::Vector(lInput, oError, &lName, lX ? nullptr : &lAxis);
    if (!lY) return false;
    RefPtr<CATSamIVector> lFileX = DataSource::AxisVector(lAxis, lY->GetLength());
    if (lFileX && lFileX->GetLength() != lY->GetLength()) lFileX = {};
    lAxisNamed = lAxisNamed && lFileX && (_Ys.empty() || lAxis.Name == lAxisName);
    lAxisName = lAxis.Name;
    if (lX && lY->GetLength() != lX->GetLength())
      ioWarnings.push_back(lInput.Label() + " has " + std::to_string(lY->GetLength()) + " values and the x values " +
                           std::to_string(lX->GetLength()) + ": " +
                           std::to_string(std::min(lY->GetLength(), lX->GetLength())) + " are plotted");
    // Without x values each curve is drawn over its own sample numbers, computed as they are read.
    _Xs.push_back(lX       ? RefPtr<CATSamIVector>::Hold(lX.Get())
                  : lFileX ? lFileX
                           : RefPtr<CATSamIVector>(new IndexVector(lY->GetLength())));
    if (!_Xs.back()) return oError.Memory("out of memory");
    _Ys.push_back(RefPtr<CATSamIVector>::Hold(lY.Get()));
    _Names.push_back(lName);
  }
  if (!lX && lAxisNamed && _Request.XLabel.empty()) _Request.XLabel = lAxisName;
  return true;
}

void CurvePlot::Show(PlotArea& ioPlot, const std::vector<std::shared_ptr<const CurveLevels>>& iLevels) const {
  const CurveRequest& r = _Request;
  ioPlot.SetTitle(r.Title);
  ioPlot.GetXAxis().SetLabel(r.XLabel);
  ioPlot.GetYAxis().SetLabel(r.YLabel);
  ioPlot.GetY2Axis().SetLabel(r.Y2Label);
  ioPlot.GetXAxis().SetLog(r.LogX);
  ioPlot.GetYAxis().SetLog(r.LogY);
  ioPlot.GetXAxis().SetRange(r.Limits[0], r.Limits[1]);
  ioPlot.GetYAxis().SetRange(r.Limits[2], r.Limits[3]);
  ioPlot.GetY2Axis().SetRange(r.Limits[4], r.Limits[5]);
  ioPlot.SetGrid(r.Grid);
  ioPlot.SetLegendPlace(r.LegendPlace);
  if (r.HasCursors()) ioPlot.SetCursors(r.Cursors[0], r.Cursors[1], GetCursorTable(iLevels).Lines());
  for (size_t i = 0; i < _Ys.size(); ++i)
    ioPlot.AddCurve(_Xs[i].Get(), _Ys[i].Get(), r.Label(i, _Names[i]), r.Style(i, ioPlot.GetNextStyle(r.Symbols)),
                    i >= r.Y.size(), i < iLevels.size() ? iLevels[i] : nullptr);
}

CursorTable CurvePlot::GetCursorTable(const std::vector<std::shared_ptr<const CurveLevels>>& iLevels) const {
  return GetCursorTable(_Request.Cursors[0], _Request.Cursors[1], iLevels);
}

CursorTable CurvePlot::GetCursorTable(double iA, double iB,
                                      const std::vector<std::shared_ptr<const CurveLevels>>& iLevels) const {
  CursorTable lTable(iA, iB);
  for (size_t i = 0; i < _Ys.size(); ++i) {
    const std::string lName = _Request.Label(i, _Names[i]);
    if (i < iLevels.size() && iLevels[i] && iLevels[i]->IsReady()) {
      lTable.AddCurve(lName, *iLevels[i]);
      continue;
    }
    CurveLevels lLevels(_Xs[i].Get(), _Ys[i].Get());
    // A window's levels still building give a row without values for now: a frame never waits for
    // a pass over the curve. Levels that cannot be built (x not ascending, no thread, no memory)
    // give one too.
    if (iLevels.empty() && lLevels.Start()) lLevels.Wait();
    lTable.AddCurve(lName, lLevels);
  }
  return lTable;
}
