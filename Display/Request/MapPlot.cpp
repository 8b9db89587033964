#include "MapPlot.h"

#include <algorithm>
#include <utility>
#include <cmath>
#include <string>
#include <vector>

#include "ArrayMatrix.h"
#include "ArrayValueRows.h"
#include "ArrayVector.h"
#include "ArrayXRows.h"
#include "DataSource.h"
#include "LinearScaling.h"
#include "MemoryBudget.h"
#include "NumericArray.h"
#include "OptionText.h"
#include "PlotArea.h"
#include "QVTFddColormapAlgoOrderBase.h"
#include "SampleOrder.h"

MapPlot::MapPlot() = default;
MapPlot::~MapPlot() = default;

bool MapPlot::Load(const MapRequest& iRequest, int iWidth, int iHeight, RequestError& oError) {
  _Request = iRequest;
  const MapRequest& r = _Request;
  // The axes an HDF5 dataset brings stand in for --x and --z when those are not given: its rows go
  // with Z, its columns with X (the other way round with --transpose).
  DataAxis lFileX, lFileZ;
  if (!(_Values = DataSource::Matrix(r.Values, oError, &lFileX, &lFileZ))) return false;
  if (r.Transpose) std::swap(lFileX, lFileZ);
  if (!(_Z = Axis(r.Z, lFileZ, "z", _Request.ZLabel, oError))) return false;
  if (!(r.XRows.IsGiven() ? LoadRows(oError) : LoadRegular(lFileX, oError))) return false;
  if (!_Matrix && !(_Rows && _ValueRows)) return oError.Memory("out of memory");
  // Descending X and Z are drawn; any other order is refused where it breaks.
  std::string lOrder =
      _Rows ? SampleOrder::Check(_Rows.Get(), r.XRows.Label(), "x") : SampleOrder::Check(_X.Get(), r.X.Label(), "x");
  if (lOrder.empty()) lOrder = SampleOrder::Check(_Z.Get(), r.Z.Label(), "z");
  if (!lOrder.empty()) return oError.Data(lOrder);
  // An order map whose tables and image cannot fit is refused before it starts.
  std::string lError;
  if (r.Order && !MemoryBudget::Fits("order map", OrderMapBytes(iWidth, iHeight), lError)) return oError.Memory(lError);
  _ZScaling = RefPtr<LinearScaling>(new LinearScaling(r.ZFactor));
  if (!_ZScaling) return oError.Memory("out of memory");
  _Data.Z = _Z.Get();
  _Data.XMin = r.XMin;
  _Data.XMax = r.XMax;
  _Data.ZMin = r.ZMin;
  _Data.ZMax = r.ZMax;
  _Data.LogX = r.LogX;
  _Data.LogZ = r.LogZ;
  _Data.Nearest = r.Shading == "nearest";
  _Data.Order = r.Order;
  _Data.Tolerance = r.Tolerance;
  _Data.ZScaling = _ZScaling.Get();
  return true;
}

unsigned long long MapPlot::OrderMapBytes(int iWidth, int iHeight) const {
  unsigned int lLengthX = _X ? _X->GetLength() : 0;
  for (unsigned int j = 0; _Rows && j < _XRows->GetRows(); ++j) lLengthX = std::max(lLengthX, _Rows->GetRowLength(j));
  const long long lBytes =
      QVTFddColormapAlgoOrderBase::EstimateBytes(lLengthX, _Z ? _Z->GetLength() : 0, iWidth, iHeight);
  return lBytes > 0 ? static_cast<unsigned long long>(lBytes) : 0;
}

RefPtr<ArrayVector> MapPlot::Axis(const DataInput& iInput, const DataAxis& iFileAxis, const char* iOption,
                                   std::string& ioLabel, RequestError& oError) {
  if (iInput.IsGiven()) return DataSource::Vector(iInput, oError);
  if (!iFileAxis.Values) {
    oError.Data(_Request.Values.Label() + ": brings no " + iOption + " values (no dimension scale): give them with " +
                OptionText::Option(iOption));
    return {};
  }
  if (ioLabel.empty()) ioLabel = iFileAxis.Name;
  RefPtr<ArrayVector> lAxis(new ArrayVector(iFileAxis.Values.Get(), 0, iFileAxis.Values->GetRows()));
  if (!lAxis) oError.Memory("out of memory");
  return lAxis;
}

bool MapPlot::LoadRegular(const DataAxis& iFileX, RequestError& oError) {
  MapRequest& r = _Request;
  if (!(_X = Axis(r.X, iFileX, "x", r.XLabel, oError))) return false;
  _Matrix = RefPtr<ArrayMatrix>(new ArrayMatrix(_Values.Get(), r.Transpose ? ArrayMatrix::RowPerX : ArrayMatrix::RowPerZ));
  if (!_Matrix) return oError.Memory("out of memory");
  if (_Matrix->GetLengthX() != _X->GetLength() || _Matrix->GetLengthY() != _Z->GetLength()) {
    const std::string lX = std::to_string(_X->GetLength()), lZ = std::to_string(_Z->GetLength());
    const std::string lNeeded = r.Transpose ? lX + " x " + lZ + " (values[i_x, i_z], the lengths of " +
                                                  OptionText::Option("x") + " and " + OptionText::Option("z") + ")"
                                            : lZ + " x " + lX + " (values[i_z, i_x], the lengths of " +
                                                  OptionText::Option("z") + " and " + OptionText::Option("x") + ")";
    return oError.Data(r.Values.Label() + ": " + DataSource::Shape(*_Values) + " values, but the map needs " + lNeeded);
  }
  // The colour range straight from the values: one fast pass instead of a cell-by-cell one.
  if (r.ValueLimits.empty() && !_Values->GetFiniteRange(r.Min, r.Max)) r.Min = r.Max = NAN;
  _Data.X = _X.Get();
  _Data.Values = _Matrix.Get();
  return true;
}

bool MapPlot::LoadRows(RequestError& oError) {
  const MapRequest& r = _Request;
  if (!(_XRows = DataSource::Matrix(r.XRows, oError))) return false;
  if (_XRows->GetRows() != _Z->GetLength())
    return oError.Data(r.XRows.Label() + ": " + std::to_string(_XRows->GetRows()) + " rows, but " +
                       OptionText::Option("z") + " has " + std::to_string(_Z->GetLength()) +
                       " values (one row per Z value)");
  if (_Values->GetRows() != _XRows->GetRows() || _Values->GetColumns() != _XRows->GetColumns())
    return oError.Data(r.Values.Label() + ": " + DataSource::Shape(*_Values) + " values, but " +
                       OptionText::Option("x-rows") + " is " + DataSource::Shape(*_XRows) +
                       ": row j of both belongs to Z sample j");
  _Rows = RefPtr<ArrayXRows>(new ArrayXRows(_XRows.Get()));
  if (_Rows) _ValueRows = RefPtr<ArrayValueRows>(new ArrayValueRows(_Values.Get(), _Rows->GetRowLengths()));
  _Data.XRows = _Rows.Get();
  _Data.ValueRows = _ValueRows.Get();
  return true;
}

void MapPlot::Show(PlotArea& ioPlot) const { Show(ioPlot, _Data.XMin, _Data.XMax, _Data.ZMin, _Data.ZMax); }

void MapPlot::Show(PlotArea& ioPlot, double iXMin, double iXMax, double iZMin, double iZMax, bool iMap) const {
  const MapRequest& r = _Request;
  ColormapData lView = _Data;
  lView.XMin = iXMin;
  lView.XMax = iXMax;
  lView.ZMin = iZMin;
  lView.ZMax = iZMax;
  ioPlot.SetTitle(r.Title);
  ioPlot.GetXAxis().SetLabel(r.XLabel);
  ioPlot.GetYAxis().SetLabel(r.ZLabel);
  ioPlot.GetXAxis().SetLog(r.LogX);
  ioPlot.GetYAxis().SetLog(r.LogZ);
  ioPlot.SetColorScale(r.Table, r.Min, r.Max, r.ValueLabel, r.Reversed, r.LogValues);
  if (iMap)
    ioPlot.SetColormap(lView);
  else
    ioPlot.ShowColorScale();
}
