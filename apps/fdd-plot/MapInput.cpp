#include "MapInput.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ArrayMatrix.h"
#include "ArrayValueRows.h"
#include "ArrayVector.h"
#include "ArrayXRows.h"
#include "ColorOptions.h"
#include "CommandSupport.h"
#include "LinearScaling.h"
#include "MapDataOptions.h"
#include "NumericArray.h"
#include "PlotArea.h"
#include "QVTFddColormapAlgoOrderBase.h"
#include "SampleOrder.h"

namespace {

std::string Shape(const NumericArray& iArray) {
  return std::to_string(iArray.GetRows()) + " x " + std::to_string(iArray.GetColumns());
}

}  // namespace

MapInput::MapInput() = default;
MapInput::~MapInput() = default;

int MapInput::Load(const MapDataOptions& iOptions, ColorOptions& ioColors) {
  if (!(_Z = CommandSupport::LoadVector(iOptions.Z)) || !(_Values = CommandSupport::LoadMatrix(iOptions.Values)))
    return 1;
  if (const int lStatus = iOptions.XRows.empty() ? LoadRegular(iOptions, ioColors) : LoadRows(iOptions)) return lStatus;
  if (!_Matrix && !(_Rows && _ValueRows)) return CommandSupport::Fail("out of memory");
  // Descending X and Z are drawn; any other order is refused where it breaks.
  std::string lOrder =
      _Rows ? SampleOrder::Check(_Rows.Get(), iOptions.XRows, "x") : SampleOrder::Check(_X.Get(), iOptions.X, "x");
  if (lOrder.empty()) lOrder = SampleOrder::Check(_Z.Get(), iOptions.Z, "z");
  if (!lOrder.empty()) return CommandSupport::Fail(lOrder);
  _Data.Z = _Z.Get();
  _Data.XMin = iOptions.XMin;
  _Data.XMax = iOptions.XMax;
  _Data.ZMin = iOptions.ZMin;
  _Data.ZMax = iOptions.ZMax;
  _Data.LogX = iOptions.LogX;
  _Data.LogZ = iOptions.LogZ;
  _Data.Nearest = iOptions.Shading == "nearest";
  _Data.Order = iOptions.Order;
  _Data.Tolerance = iOptions.Tolerance;
  _ZScaling = RefPtr<LinearScaling>(new LinearScaling(iOptions.ZFactor));
  _Data.ZScaling = _ZScaling.Get();
  return 0;
}

unsigned long long MapInput::OrderMapBytes(int iWidth, int iHeight) const {
  unsigned int lLengthX = _X ? _X->GetLength() : 0;
  for (unsigned int j = 0; _Rows && j < _XRows->GetRows(); ++j) lLengthX = std::max(lLengthX, _Rows->GetRowLength(j));
  const long long lBytes =
      QVTFddColormapAlgoOrderBase::EstimateBytes(lLengthX, _Z ? _Z->GetLength() : 0, iWidth, iHeight);
  return lBytes > 0 ? static_cast<unsigned long long>(lBytes) : 0;
}

int MapInput::LoadRegular(const MapDataOptions& iOptions, ColorOptions& ioColors) {
  if (!(_X = CommandSupport::LoadVector(iOptions.X))) return 1;
  _Matrix = RefPtr<ArrayMatrix>(
      new ArrayMatrix(_Values.Get(), iOptions.Transpose ? ArrayMatrix::RowPerX : ArrayMatrix::RowPerZ));
  if (!_Matrix) return CommandSupport::Fail("out of memory");
  if (_Matrix->GetLengthX() != _X->GetLength() || _Matrix->GetLengthY() != _Z->GetLength()) {
    const std::string lNeeded = iOptions.Transpose ? std::to_string(_X->GetLength()) + " x " +
                                                         std::to_string(_Z->GetLength()) +
                                                         " (values[i_x, i_z], the lengths of --x and --z)"
                                                   : std::to_string(_Z->GetLength()) + " x " +
                                                         std::to_string(_X->GetLength()) +
                                                         " (values[i_z, i_x], the lengths of --z and --x)";
    return CommandSupport::Fail(iOptions.Values + ": " + Shape(*_Values) + " values, but the map needs " + lNeeded);
  }
  // The colour range straight from the file's values: one fast pass instead of a cell-by-cell one.
  if (ioColors.Limits.empty() && !_Values->GetFiniteRange(ioColors.Min, ioColors.Max)) ioColors.Min = ioColors.Max = NAN;
  _Data.X = _X.Get();
  _Data.Values = _Matrix.Get();
  return 0;
}

int MapInput::LoadRows(const MapDataOptions& iOptions) {
  if (!(_XRows = CommandSupport::LoadMatrix(iOptions.XRows))) return 1;
  if (_XRows->GetRows() != _Z->GetLength())
    return CommandSupport::Fail(iOptions.XRows + ": " + std::to_string(_XRows->GetRows()) + " rows, but --z has " +
                                std::to_string(_Z->GetLength()) + " values (one row per Z value)");
  if (_Values->GetRows() != _XRows->GetRows() || _Values->GetColumns() != _XRows->GetColumns())
    return CommandSupport::Fail(iOptions.Values + ": " + Shape(*_Values) + " values, but --x-rows is " +
                                Shape(*_XRows) + ": row j of both belongs to Z sample j");
  _Rows = RefPtr<ArrayXRows>(new ArrayXRows(_XRows.Get()));
  if (_Rows) {
    std::vector<unsigned int> lLengths;
    for (unsigned int j = 0; j < _XRows->GetRows(); ++j) lLengths.push_back(_Rows->GetRowLength(j));
    _ValueRows = RefPtr<ArrayValueRows>(new ArrayValueRows(_Values.Get(), lLengths));
  }
  _Data.XRows = _Rows.Get();
  _Data.ValueRows = _ValueRows.Get();
  return 0;
}

void MapInput::Show(PlotArea& ioPlot, const MapDataOptions& iOptions, const ColorOptions& iColors) const {
  Show(ioPlot, iOptions, iColors, _Data.XMin, _Data.XMax, _Data.ZMin, _Data.ZMax);
}

void MapInput::Show(PlotArea& ioPlot, const MapDataOptions& iOptions, const ColorOptions& iColors, double iXMin,
                    double iXMax, double iZMin, double iZMax, bool iMap) const {
  ColormapData lView = _Data;
  lView.XMin = iXMin;
  lView.XMax = iXMax;
  lView.ZMin = iZMin;
  lView.ZMax = iZMax;
  ioPlot.SetTitle(iOptions.Title);
  ioPlot.GetXAxis().SetLabel(iOptions.XLabel);
  ioPlot.GetYAxis().SetLabel(iOptions.ZLabel);
  ioPlot.GetXAxis().SetLog(iOptions.LogX);
  ioPlot.GetYAxis().SetLog(iOptions.LogZ);
  ioPlot.SetColorScale(iColors.Table, iColors.Min, iColors.Max, iColors.Label, iColors.Reversed, iColors.Log);
  if (iMap)
    ioPlot.SetColormap(lView);
  else
    ioPlot.ShowColorScale();
}
