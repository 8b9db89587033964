#include "MapSeries.h"

#include <algorithm>
#include <cmath>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "DoubledSampleMatrix.h"
#include "Exp10Scaling.h"
#include "ImageTiles.h"
#include "LinearScaling.h"
#include "AxisScale.h"
#include "Log10Rows.h"
#include "Log10Vector.h"
#include "MemoryDoubleVector.h"
#include "OrderedMatrix.h"
#include "OrderedValueRows.h"
#include "OrderedVector.h"
#include "OrderedXRows.h"
#include "PlotFrame.h"
#include "QVTFddColormapRep.h"
#include "SampleOrder.h"

std::unique_ptr<MapSeries> MapSeries::Make(const ColormapData& iData, std::string& oWarning) {
  std::unique_ptr<MapSeries> lMap(new MapSeries(iData));
  lMap->TakeLogarithms();
  const std::string lBreak = lMap->Order(oWarning);
  if (lBreak.empty()) {
    lMap->WidenSingleSamples();
    return lMap;
  }
  oWarning = "the colour map is not drawn: " + lBreak;
  return nullptr;
}

MapSeries::MapSeries(const ColormapData& iData)
    : _Map(iData),
      _X(RefPtr<CATSamIDoubleVector>::Hold(iData.X)),
      _Z(RefPtr<CATSamIDoubleVector>::Hold(iData.Z)),
      _Values(RefPtr<CATSamIDoubleMatrix>::Hold(iData.Values)),
      _XRows(RefPtr<CATSamIDouble1p5D>::Hold(iData.XRows)),
      _ValueRows(RefPtr<CATSamIDouble2DDim2NH>::Hold(iData.ValueRows)),
      _XScaling(RefPtr<QVTIFddScaling>::Hold(iData.XScaling)),
      _ZScaling(RefPtr<QVTIFddScaling>::Hold(iData.ZScaling)) {}

// The tiles go before the data they show.
MapSeries::~MapSeries() = default;

template <class T, class V>
void MapSeries::Replace(T*& ioShown, RefPtr<T>& ioHeld, V* iView) {
  ioShown = iView;
  ioHeld = RefPtr<T>(iView);
}

bool MapSeries::NonHomogeneous() const { return _Map.XRows && _Map.ValueRows; }

void MapSeries::TakeLogarithms() {
  if (_Map.LogX) {
    if (NonHomogeneous())
      Replace(_Map.XRows, _XRows, new Log10Rows(_Map.XRows));
    else if (_Map.X)
      Replace(_Map.X, _X, new Log10Vector(_Map.X));
    _Map.XMin = AxisScale(AxisScale::eLog).ToAxis(_Map.XMin);
    _Map.XMax = AxisScale(AxisScale::eLog).ToAxis(_Map.XMax);
    Replace(_Map.XScaling, _XScaling, new Exp10Scaling(_Map.XScaling));
  }
  if (_Map.LogZ) {
    if (_Map.Z) Replace(_Map.Z, _Z, new Log10Vector(_Map.Z));
    _Map.ZMin = AxisScale(AxisScale::eLog).ToAxis(_Map.ZMin);
    _Map.ZMax = AxisScale(AxisScale::eLog).ToAxis(_Map.ZMax);
    Replace(_Map.ZScaling, _ZScaling, new Exp10Scaling(_Map.ZScaling));
  }
}

std::string MapSeries::Order(std::string& oWarning) {
  const SampleOrder lZOrder(_Map.Z);
  std::string lBreak = lZOrder.DescribeBreak("z");
  unsigned long long lNaN = lZOrder.GetNaNCount();
  if (NonHomogeneous()) {
    RefPtr<OrderedXRows> lRows(new OrderedXRows(_Map.XRows, lZOrder));
    if (!lRows) return "out of memory";
    RefPtr<OrderedValueRows> lValues(new OrderedValueRows(_Map.ValueRows, lRows.Get()));
    if (!lValues) return "out of memory";
    if (lBreak.empty() && !lRows->IsOrdered()) lBreak = SampleOrder::DescribeBreak(_Map.XRows, "x");
    lNaN += lRows->GetNaNCount();
    Replace(_Map.XRows, _XRows, lRows.Detach());
    Replace(_Map.ValueRows, _ValueRows, lValues.Detach());
  } else {
    const SampleOrder lXOrder(_Map.X);
    if (lBreak.empty()) lBreak = lXOrder.DescribeBreak("x");
    lNaN += lXOrder.GetNaNCount();
    if (!lXOrder.IsIdentity() || !lZOrder.IsIdentity()) {
      Replace(_Map.X, _X, _Map.X ? new OrderedVector(_Map.X, lXOrder) : nullptr);
      Replace(_Map.Values, _Values, _Map.Values ? new OrderedMatrix(_Map.Values, lXOrder, lZOrder) : nullptr);
    }
  }
  if (!lZOrder.IsIdentity()) Replace(_Map.Z, _Z, _Map.Z ? new OrderedVector(_Map.Z, lZOrder) : nullptr);
  if (lBreak.empty() && lNaN > 0)
    oWarning = "left out " + std::to_string(lNaN) + " samples whose x or z is NaN" +
               (_Map.LogX || _Map.LogZ ? " or, on a logarithmic axis, at or below zero" : "");
  return lBreak;
}

double MapSeries::CellHalfWidth(double iSample) {
  // Half a unit, as an image gives its pixels; where that is below the doubles' resolution, the
  // range an axis gives a single value.
  const double lHalf = 0.5;
  return iSample - lHalf < iSample && iSample + lHalf > iSample ? lHalf : 0.1 * std::fabs(iSample);
}

void MapSeries::WidenSingleSamples() {
  if (!_Map.Nearest || _Map.Order || NonHomogeneous() || !_Map.X || !_Map.Z || !_Map.Values) return;
  bool lSingle[2] = {false, false};
  CATSamIDoubleVector** lAxes[2] = {&_Map.X, &_Map.Z};
  RefPtr<CATSamIDoubleVector>* lHeld[2] = {&_X, &_Z};
  for (int a = 0; a < 2; ++a) {
    CATSamIDoubleVector* lAxis = *lAxes[a];
    const double lSample = lAxis->GetLength() == 1 ? lAxis->GetValue(0) : NAN;
    if (!std::isfinite(lSample)) continue;
    const double lHalf = CellHalfWidth(lSample);
    lSingle[a] = true;
    Replace(*lAxes[a], *lHeld[a], new MemoryDoubleVector(std::vector<double>{lSample - lHalf, lSample + lHalf}));
  }
  if (lSingle[0] || lSingle[1])
    Replace(_Map.Values, _Values, new DoubledSampleMatrix(_Map.Values, lSingle[0], lSingle[1]));
}

void MapSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  (void)iXAxis;
  (void)iYAxis;
  double mx0 = _Map.XMin, mx1 = _Map.XMax, mz0 = _Map.ZMin, mz1 = _Map.ZMax;
  if (!std::isfinite(mx0) || !std::isfinite(mx1)) {
    mx0 = mx1 = NAN;
    if (NonHomogeneous())
      DataRange::Add(_Map.XRows, mx0, mx1);
    else
      DataRange::Add(_Map.X, false, mx0, mx1);
  }
  if (!std::isfinite(mz0) || !std::isfinite(mz1)) {
    mz0 = mz1 = NAN;
    DataRange::Add(_Map.Z, false, mz0, mz1);
  }
  // A single X or Z value (a 1 x 1 map) is shown over the range around it, not over nothing.
  if (!(mx1 > mx0)) DataRange::Axis(mx0, mx1, 0.0, false, mx0, mx1);
  if (!(mz1 > mz0)) DataRange::Axis(mz0, mz1, 0.0, false, mz0, mz1);
  _Map.XMin = mx0;
  _Map.XMax = mx1;
  _Map.ZMin = mz0;
  _Map.ZMax = mz1;
  // The axes are told values: the limits of a logarithmic one are powers of ten.
  const AxisScale lX = AxisScale::Of(_Map.LogX), lZ = AxisScale::Of(_Map.LogZ);
  DataRange::Add(lX.FromAxis(mx0), ioExtent.XMin, ioExtent.XMax);
  DataRange::Add(lX.FromAxis(mx1), ioExtent.XMin, ioExtent.XMax);
  DataRange::Add(lZ.FromAxis(mz0), ioExtent.YMin, ioExtent.YMax);
  DataRange::Add(lZ.FromAxis(mz1), ioExtent.YMin, ioExtent.YMax);
}

void MapSeries::FitValues(double& ioMin, double& ioMax) const {
  if (NonHomogeneous())
    DataRange::Add(_Map.ValueRows, ioMin, ioMax);
  else
    DataRange::Add(_Map.Values, ioMin, ioMax);
}

void MapSeries::Show(CATViewer& ioViewer, const PlotFrame& iFrame, ColorScaleAxis* iColors,
                     const FigureStyle& iStyle) {
  (void)iStyle;
  _Tiles.clear();
  if (!iColors) return;
  const CATMathPoint2D lLow = iFrame.GetBox().GetLow(), lHigh = iFrame.GetBox().GetHigh();
  // Order interpolation needs both scalings; the identity stands in for a missing one.
  const RefPtr<QVTIFddScaling> lXScaling = _XScaling ? _XScaling : RefPtr<QVTIFddScaling>(new LinearScaling(1.0));
  const RefPtr<QVTIFddScaling> lZScaling = _ZScaling ? _ZScaling : RefPtr<QVTIFddScaling>(new LinearScaling(1.0));
  const int lInterpolate = _Map.Nearest ? 0 : 1;
  // The map is drawn with the axis ranges: its own limits may lie inside them.
  for (const ImageTiles::Tile& tx : ImageTiles::Cut(lLow.GetX(), lHigh.GetX(), _Map.XMin, _Map.XMax))
    for (const ImageTiles::Tile& tz : ImageTiles::Cut(lLow.GetY(), lHigh.GetY(), _Map.ZMin, _Map.ZMax)) {
      const CATMathBox2D lBox(tx.low, tx.high, tz.low, tz.high);
      RefPtr<QVTFddColormapRep> lRep(
          NonHomogeneous()
              ? new QVTFddColormapRep(lBox, _Map.XRows, tx.min, tx.max, lInterpolate, _Map.Z, tz.min, tz.max,
                                      lInterpolate, _Map.ValueRows,
                                      iColors, lXScaling.Get(), lZScaling.Get(), _Map.Order ? 1 : 0, _Map.Tolerance)
              : new QVTFddColormapRep(lBox, _Map.X, tx.min, tx.max, lInterpolate, _Map.Z, tz.min, tz.max,
                                      lInterpolate, _Map.Values,
                                      iColors, lXScaling.Get(), lZScaling.Get(), _Map.Order ? 1 : 0, _Map.Tolerance));
      if (!lRep) continue;
      ioViewer.AddRep(lRep.Get());
      _Tiles.push_back({std::move(lRep), tx.min, tx.max, tz.min, tz.max});
    }
}

long MapSeries::GetValue(double iX, double iZ, double& oValue) const {
  const double lX = AxisScale::Of(_Map.LogX).ToAxis(iX);
  const double lZ = AxisScale::Of(_Map.LogZ).ToAxis(iZ);
  for (const Tile& t : _Tiles)
    if (lX >= std::min(t.x0, t.x1) && lX <= std::max(t.x0, t.x1) && lZ >= std::min(t.z0, t.z1) &&
        lZ <= std::max(t.z0, t.z1) && t.rep->GetValue(lX, lZ, oValue) == 0)
      return 0;
  return 1;
}
