#include "PlotArea.h"

#include <algorithm>
#include <cmath>

#include "BarSeries.h"
#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "CATMathPoint2Df.h"
#include "CATViewer.h"
#include "ColorScaleBar.h"
#include "ContributionSeries.h"
#include "CurveSeries.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "FigureStyle.h"
#include "MapSeries.h"
#include "MirrorTicks.h"
#include "PlotFrame.h"
#include "QVTIFddTicks.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DBackgroundGP.h"
#include "Scene.h"

namespace {

// Layout rounds: each moves the data box's edges inward by what stuck out; two or three suffice.
const int kLayoutRounds = 8;
// The data box never shrinks below this, however small the page.
const double kMinBox = 16.0;

// A line in model units, in the given attributes.
void ShowLine(CATViewer& ioViewer, double x0, double y0, double x1, double y1, const CATGraphicAttributeSet& iColor) {
  const CATMathPoint2Df lPoints[2] = {CATMathPoint2Df(static_cast<float>(x0), static_cast<float>(y0)),
                                      CATMathPoint2Df(static_cast<float>(x1), static_cast<float>(y1))};
  Scene::Show(ioViewer, new CAT2DLineGP(lPoints, 2, 1, 0), iColor);
}

// The range an axis shows: its own when it has one, else the data's with the room kept around it.
void AxisRange(const PlotAxis& iAxis, double iLow, double iHigh, double iMargin, double& oMin, double& oMax) {
  if (iAxis.HasRange()) {
    oMin = iAxis.GetMin();
    oMax = iAxis.GetMax();
  } else {
    DataRange::Axis(iLow, iHigh, iMargin, iAxis.IsLog(), oMin, oMax);
  }
}

}  // namespace

PlotArea::PlotArea() = default;

PlotArea::~PlotArea() = default;

SeriesStyle PlotArea::GetNextStyle(bool iSymbols) const {
  return SeriesStyle::Next(static_cast<int>(_Styles.size()), _SymbolSeries, iSymbols);
}

void PlotArea::KeepStyle(const SeriesStyle& iStyle) {
  _Styles.push_back(iStyle);
  if (iStyle.Symbols) ++_SymbolSeries;
}

void PlotArea::ShowAxis(eSide iSide, bool iShown) {
  if (iSide >= Bottom && iSide <= Right) _Shown[iSide] = iShown;
}

void PlotArea::AddCurve(CATSamIVector* iX, CATSamIVector* iY, const std::string& iName, bool iSymbols,
                        std::shared_ptr<const CurveLevels> iLevels) {
  AddCurve(iX, iY, iName, GetNextStyle(iSymbols), false, std::move(iLevels));
}

void PlotArea::AddCurve(CATSamIVector* iX, CATSamIVector* iY, const std::string& iName, const SeriesStyle& iStyle,
                        bool iRight, std::shared_ptr<const CurveLevels> iLevels) {
  if (!iX || !iY) return;
  KeepStyle(iStyle);
  if (!iName.empty()) _Legend.Add(iName, iStyle, Legend::Line);
  auto lCurve = std::make_unique<CurveSeries>(iX, iY, iStyle);
  lCurve->SetLevels(std::move(iLevels));
  _Series.push_back(std::move(lCurve));
  _OnRight.push_back(iRight);
}

void PlotArea::AddBars(CATSamIVector* iX, CATSamIVector* iHeights, const std::string& iName) {
  if (!iX || !iHeights) return;
  const SeriesStyle lStyle = GetNextStyle(false);
  KeepStyle(lStyle);
  if (!iName.empty()) _Legend.Add(iName, lStyle, Legend::Bar);
  _Series.push_back(std::make_unique<BarSeries>(iX, iHeights, lStyle));
  _OnRight.push_back(false);
}

void PlotArea::SetColormap(const ColormapData& iData) {
  if (!_Map) _Map = MapSeries::Make(iData, _DataWarning);
}

void PlotArea::AddContributionBar(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes, bool iVertical) {
  const bool lLog = (iVertical ? _YAxis : _XAxis).IsLog();
  std::unique_ptr<ContributionSeries> lBar = ContributionSeries::Make(iArg, iRes, iVertical, _DataWarning, lLog);
  if (lBar) _Contributions.push_back(std::move(lBar));
}

void PlotArea::SetColorScale(ColorScaleAxis::eTable iTable, double iMin, double iMax, const std::string& iLabel,
                             bool iReversed, bool iLog) {
  _Table = iTable;
  _Reversed = iReversed;
  _LogColors = iLog;
  _ColorMin = iMin;
  _ColorMax = iMax;
  _ColorLabel = iLabel;
}

void PlotArea::GetXRange(double& oMin, double& oMax) const {
  oMin = _XMin;
  oMax = _XMax;
}

void PlotArea::GetYRange(double& oMin, double& oMax) const {
  oMin = _YMin;
  oMax = _YMax;
}

void PlotArea::GetY2Range(double& oMin, double& oMax) const {
  oMin = _Y2Min;
  oMax = _Y2Max;
}

bool PlotArea::HasLegend() const {
  if (_LegendPlace == Legend::eNone) return false;
  return _Legend.GetNbrEntries() >= (_LegendPlace == Legend::eAuto ? 2 : 1);
}

bool PlotArea::HasY2() const { return std::find(_OnRight.begin(), _OnRight.end(), true) != _OnRight.end(); }

void PlotArea::ComputeRanges() {
  DataExtent lExtent, lRight;
  // Curves and bars given ranges for all their axes need no pass over their samples: a window's
  // view of them costs none per frame. (A map's fit also fixes the limits it is drawn with.)
  if (!(_XAxis.HasRange() && _YAxis.HasRange() && (!HasY2() || _Y2Axis.HasRange())))
    for (size_t i = 0; i < _Series.size(); ++i)
      _Series[i]->Fit(_XAxis, _OnRight[i] ? _Y2Axis : _YAxis, _OnRight[i] ? lRight : lExtent);
  if (_Map) _Map->Fit(_XAxis, _YAxis, lExtent);
  for (const std::unique_ptr<ContributionSeries>& lBar : _Contributions) lBar->Fit(_XAxis, _YAxis, lExtent);
  // Both value axes share x.
  lExtent.XMin = std::fmin(lExtent.XMin, lRight.XMin);
  lExtent.XMax = std::fmax(lExtent.XMax, lRight.XMax);
  lExtent.XMargin = std::max(lExtent.XMargin, lRight.XMargin);
  AxisRange(_XAxis, lExtent.XMin, lExtent.XMax, lExtent.XMargin, _XMin, _XMax);
  AxisRange(_YAxis, lExtent.YMin, lExtent.YMax, lExtent.YMargin, _YMin, _YMax);
  AxisRange(_Y2Axis, lRight.YMin, lRight.YMax, lRight.YMargin, _Y2Min, _Y2Max);
}

RefPtr<ColorScaleAxis> PlotArea::MakeColors() const {
  if (!_Map && _Contributions.empty() && !_ScaleAlone) return {};
  double lMin = _ColorMin, lMax = _ColorMax;
  if (!std::isfinite(lMin) || !std::isfinite(lMax) || !(lMax > lMin) || (_LogColors && !(lMin > 0.0))) {
    lMin = lMax = NAN;
    if (_Map) _Map->FitValues(lMin, lMax);
    for (const std::unique_ptr<ContributionSeries>& lBar : _Contributions) lBar->FitValues(lMin, lMax);
    if (_LogColors && lMax > 0.0 && !(lMin > 0.0)) lMin = lMax / 1000.0;
    DataRange::Axis(lMin, lMax, 0.0, _LogColors, lMin, lMax);
  }
  RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(lMin, lMax, _Table, _Reversed));
  if (lAxis) lAxis->SetLog(_LogColors);
  return lAxis;
}

long PlotArea::GetMapValue(double iX, double iZ, double& oValue) const {
  return _Map ? _Map->GetValue(iX, iZ, oValue) : 1;
}

CAT2DBoundingBox PlotArea::Decorate(const CATMathBox2D& iBox, const FigureStyle& iStyle, CATFont& iFont,
                                    ColorScaleAxis* iColors, const CATMathBox2D& iRoom,
                                    Decoration& oDecoration) const {
  const double x0 = iBox.GetLow().GetX(), y0 = iBox.GetLow().GetY();
  const double x1 = iBox.GetHigh().GetX(), y1 = iBox.GetHigh().GetY();
  CAT2DBoundingBox lExtent(static_cast<float>(x0), static_cast<float>(x1), static_cast<float>(y0),
                           static_cast<float>(y1));
  // Major and minor ticks of x, then of y, for the lengths of this box.
  RefPtr<QVTIFddTicks> lTicks[4];
  _XAxis.MakeTicks(_XMin, _XMax, x1 - x0, true, iStyle, lTicks[0], lTicks[1]);
  _YAxis.MakeTicks(_YMin, _YMax, y1 - y0, false, iStyle, lTicks[2], lTicks[3]);
  oDecoration.majors[0] = lTicks[0];
  oDecoration.majors[1] = lTicks[2];
  const struct {
    CATMathPoint2D start, end;
    CATMathDirection2D side;
  } lEdges[4] = {{CATMathPoint2D(x0, y0), CATMathPoint2D(x1, y0), CATMathDirection2D(0, -1)},
                 {CATMathPoint2D(x0, y0), CATMathPoint2D(x0, y1), CATMathDirection2D(-1, 0)},
                 {CATMathPoint2D(x0, y1), CATMathPoint2D(x1, y1), CATMathDirection2D(0, 1)},
                 {CATMathPoint2D(x1, y0), CATMathPoint2D(x1, y1), CATMathDirection2D(1, 0)}};
  for (int lSide = Bottom; lSide <= Left; ++lSide) {
    if (!_Shown[lSide]) continue;
    const PlotAxis& lAxis = lSide == Bottom ? _XAxis : _YAxis;
    oDecoration.axes[lSide] = PlotAxis::MakeDrawing(lEdges[lSide].start, lEdges[lSide].end, lEdges[lSide].side,
                                                    lTicks[2 * lSide].Get(), lTicks[2 * lSide + 1].Get(), lAxis.GetLabel(), iStyle,
                                                    iFont);
  }
  if (HasY2()) {
    RefPtr<QVTIFddTicks> lMajor, lMinor;
    _Y2Axis.MakeTicks(_Y2Min, _Y2Max, y1 - y0, false, iStyle, lMajor, lMinor);
    oDecoration.axes[Right] = PlotAxis::MakeDrawing(lEdges[Right].start, lEdges[Right].end, lEdges[Right].side,
                                                    lMajor.Get(), lMinor.Get(), _Y2Axis.GetLabel(), iStyle, iFont);
  }
  // Top and right repeat the ticks of the level their opposite axis chose, without values.
  for (int lSide = Top; lSide <= Right; ++lSide) {
    if (!_Shown[lSide] || oDecoration.axes[lSide]) continue;
    const int lOpposite = lSide - 2;
    const int lLevel = oDecoration.axes[lOpposite] ? oDecoration.axes[lOpposite]->GetDetailLevel() : 0;
    const RefPtr<MirrorTicks> lMajor(new MirrorTicks(lTicks[2 * lOpposite].Get(), lLevel, iStyle.MajorTickLength));
    const RefPtr<MirrorTicks> lMinor(new MirrorTicks(lTicks[2 * lOpposite + 1].Get(), lLevel, iStyle.MinorTickLength));
    oDecoration.axes[lSide] = PlotAxis::MakeDrawing(lEdges[lSide].start, lEdges[lSide].end, lEdges[lSide].side,
                                                    lMajor.Get(), lMinor.Get(), "", iStyle, iFont);
  }
  for (const RefPtr<QVTFdd2DAxisDrawing>& lAxis : oDecoration.axes)
    if (lAxis) lExtent += lAxis->GetBoundingElement();

  double lRight = lExtent.GetXMax();
  if (iColors) {
    const double lBar0 = x1 + iStyle.ScaleGap + (oDecoration.axes[Right] ? lRight - x1 : 0.0);
    oDecoration.scaleBar = CATMathBox2D(lBar0, lBar0 + iStyle.ScaleWidth, y0, y1);
    oDecoration.scaleAxis = ColorScaleBar::MakeAxis(oDecoration.scaleBar, *iColors, _ColorLabel, iStyle, iFont);
    lExtent += CAT2DBoundingBox(static_cast<float>(lBar0 - 1), static_cast<float>(lBar0 + iStyle.ScaleWidth + 1),
                                static_cast<float>(y0 - 1), static_cast<float>(y1 + 1));
    if (oDecoration.scaleAxis) lExtent += oDecoration.scaleAxis->GetBoundingElement();
    lRight = lExtent.GetXMax();
  }
  if (HasLegend()) {
    _Legend.GetSize(iStyle, iFont, oDecoration.legendWidth, oDecoration.legendHeight);
    const bool lOutside = _LegendPlace == Legend::eOutside || (_LegendPlace == Legend::eAuto && !_LegendInside);
    if (!lOutside) {
      CornerBox(_LegendCorner, iBox, iStyle, oDecoration);
    } else {
      oDecoration.legendLeft = lRight + iStyle.ScaleGap;
      oDecoration.legendTop = y1;
      lExtent += CAT2DBoundingBox(static_cast<float>(oDecoration.legendLeft),
                                  static_cast<float>(oDecoration.legendLeft + oDecoration.legendWidth),
                                  static_cast<float>(y1 - oDecoration.legendHeight), static_cast<float>(y1));
    }
  }
  if (!_Title.empty()) {
    const double lHeight = (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TitleHeight;
    const double lWidth = iFont.GetAdvance(_Title) * iStyle.TitleHeight;
    // Centred over the data box, but never beyond the room's sides.
    const double lRoom0 = iRoom.GetLow().GetX(), lRoom1 = iRoom.GetHigh().GetX();
    oDecoration.titleX = std::max(lRoom0, std::min((x0 + x1) / 2 - lWidth / 2, lRoom1 - lWidth));
    oDecoration.titleY = std::max<double>(lExtent.GetYMax(), y1) + 0.6 * iStyle.TitleHeight;
    lExtent += CAT2DBoundingBox(static_cast<float>(oDecoration.titleX), static_cast<float>(oDecoration.titleX + lWidth),
                                static_cast<float>(oDecoration.titleY), static_cast<float>(oDecoration.titleY + lHeight));
  }
  return lExtent;
}

void PlotArea::Layout(CATFont& iFont, const CATMathBox2D& iPage, const FigureStyle& iStyle) {
  if (!_Prepared) {
    ComputeRanges();
    _Colors = MakeColors();
    _Prepared = true;
  }
  const CATMathBox2D lRoom = Room(iPage, iStyle);
  double lStart[4];
  GetMargins(lStart);
  _LegendInside = false;
  if (_LegendPlace != Legend::eAuto && _LegendPlace != Legend::eBest && _LegendPlace != Legend::eOutside)
    _LegendCorner = _LegendPlace;
  Fit(iFont, lRoom, iStyle);
  // A legend beside a box it would crowd out goes into the box's corner instead.
  const double lRoomWidth = lRoom.GetHigh().GetX() - lRoom.GetLow().GetX();
  if (HasLegend() && _LegendPlace == Legend::eAuto && _DataBox.GetHigh().GetX() - _DataBox.GetLow().GetX() < 0.5 * lRoomWidth) {
    SetMargins(lStart);
    _LegendInside = true;
    Fit(iFont, lRoom, iStyle);
  }
}

void PlotArea::Fit(CATFont& iFont, const CATMathBox2D& iRoom, const FigureStyle& iStyle) {
  const double p0 = iRoom.GetLow().GetX(), p1 = iRoom.GetHigh().GetX();
  const double q0 = iRoom.GetLow().GetY(), q1 = iRoom.GetHigh().GetY();
  for (int lRound = 0; lRound < kLayoutRounds; ++lRound) {
    // Whole units, so that images of maps and bars fall on whole pixels.
    double x0 = std::ceil(p0 + _Margins[Left]), x1 = std::floor(p1 - _Margins[Right]);
    double y0 = std::ceil(q0 + _Margins[Bottom]), y1 = std::floor(q1 - _Margins[Top]);
    if (x1 - x0 < kMinBox) x1 = x0 + kMinBox;
    if (y1 - y0 < kMinBox) y1 = y0 + kMinBox;
    _DataBox = CATMathBox2D(x0, x1, y0, y1);
    Decoration lDecoration;
    const CAT2DBoundingBox lExtent = Decorate(_DataBox, iStyle, iFont, _Colors.Get(), iRoom, lDecoration);
    const double lOver[4] = {q0 - lExtent.GetYMin(), p0 - lExtent.GetXMin(), lExtent.GetYMax() - q1,
                             lExtent.GetXMax() - p1};
    bool lFits = true;
    for (int s = 0; s < 4; ++s)
      if (lOver[s] > 0.01) {
        _Margins[s] += lOver[s];
        lFits = false;
      }
    if (lFits || x1 - x0 <= kMinBox || y1 - y0 <= kMinBox) break;
  }
}

CATMathBox2D PlotArea::Room(const CATMathBox2D& iPage, const FigureStyle& iStyle) {
  return CATMathBox2D(iPage.GetLow().GetX() + iStyle.Padding, iPage.GetHigh().GetX() - iStyle.Padding,
                      iPage.GetLow().GetY() + iStyle.Padding, iPage.GetHigh().GetY() - iStyle.Padding);
}

void PlotArea::GetMargins(double oMargins[4]) const {
  for (int s = 0; s < 4; ++s) oMargins[s] = _Margins[s];
}

void PlotArea::SetMargins(const double iMargins[4]) {
  for (int s = 0; s < 4; ++s) _Margins[s] = std::isfinite(iMargins[s]) && iMargins[s] > 0.0 ? iMargins[s] : 0.0;
}

void PlotArea::Build(CATViewer& ioViewer, CATFont& iFont, const CATMathBox2D& iPage, const FigureStyle& iStyle) {
  Layout(iFont, iPage, iStyle);
  if (_LegendPlace == Legend::eBest && HasLegend()) _LegendCorner = BestCorner(iStyle, iFont);
  _Warning.clear();
  Decoration lDecoration;
  Decorate(_DataBox, iStyle, iFont, _Colors.Get(), Room(iPage, iStyle), lDecoration);
  ShowData(ioViewer, lDecoration, _Colors.Get(), iStyle);
  ShowDecoration(ioViewer, iFont, lDecoration, _Colors.Get(), iStyle);
  if (!_DataWarning.empty()) _Warning = _Warning.empty() ? _DataWarning : _DataWarning + "; " + _Warning;
}

void PlotArea::ShowData(CATViewer& ioViewer, const Decoration& iDecoration, ColorScaleAxis* iColors,
                        const FigureStyle& iStyle) {
  const int g = iStyle.GroundGrey;
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(_DataBox.GetLow(), _DataBox.GetHigh(), 0), Scene::Color(g, g, g));
  const PlotFrame lFrame(_XAxis, _YAxis, _XMin, _XMax, _YMin, _YMax, _DataBox);
  const PlotFrame lRightFrame(_XAxis, _Y2Axis, _XMin, _XMax, _Y2Min, _Y2Max, _DataBox);
  if (_Grid) ShowGrid(ioViewer, iDecoration, lFrame, iStyle);
  // Images first, curves and bars over them.
  if (_Map) _Map->Show(ioViewer, lFrame, iColors, iStyle);
  const double lBand = _Contributions.empty() ? 0.0 : 1.0 / static_cast<double>(_Contributions.size());
  for (size_t i = 0; i < _Contributions.size(); ++i) {
    const double f0 = lBand * static_cast<double>(i), f1 = f0 + lBand;
    _Contributions[i]->SetBand(f0, f1);
    _Contributions[i]->Show(ioViewer, lFrame, iColors, iStyle);
  }
  for (size_t i = 0; i < _Series.size(); ++i)
    _Series[i]->Show(ioViewer, _OnRight[i] ? lRightFrame : lFrame, iColors, iStyle);
}

void PlotArea::ShowGrid(CATViewer& ioViewer, const Decoration& iDecoration, const PlotFrame& iFrame,
                        const FigureStyle& iStyle) const {
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  std::vector<CATMathPoint2Df> lSegments;
  for (int lAxis = 0; lAxis < 2; ++lAxis) {
    QVTIFddTicks* lTicks = iDecoration.majors[lAxis].Get();
    // The level the axis drawing chose: the grid meets the ticks the reader sees.
    QVTFdd2DAxisDrawing* lDrawing = iDecoration.axes[lAxis == 0 ? Bottom : Left].Get();
    if (!lTicks || !lDrawing) continue;
    const int lLevel = lDrawing->GetDetailLevel();
    for (int i = 0; i < lTicks->GetNbrTicks(lLevel); ++i) {
      const double v = lTicks->GetTickValue(i, lLevel);
      const double m = lAxis == 0 ? iFrame.ModelX(v) : iFrame.ModelY(v);
      if (!std::isfinite(m)) continue;
      if (lAxis == 0 && m > lLow.GetX() && m < lHigh.GetX()) {
        lSegments.emplace_back(static_cast<float>(m), static_cast<float>(lLow.GetY()));
        lSegments.emplace_back(static_cast<float>(m), static_cast<float>(lHigh.GetY()));
      } else if (lAxis == 1 && m > lLow.GetY() && m < lHigh.GetY()) {
        lSegments.emplace_back(static_cast<float>(lLow.GetX()), static_cast<float>(m));
        lSegments.emplace_back(static_cast<float>(lHigh.GetX()), static_cast<float>(m));
      }
    }
  }
  const int g = iStyle.GridGrey;
  if (!lSegments.empty())
    Scene::Show(ioViewer, new CAT2DLineGP(lSegments.data(), static_cast<int>(lSegments.size()), 1, 1),
                Scene::Color(g, g, g));
}

void PlotArea::CornerBox(Legend::ePlace iPlace, const CATMathBox2D& iBox, const FigureStyle& iStyle,
                         Decoration& ioDecoration) const {
  const double lInset = 0.5 * iStyle.TextHeight;
  const bool lLeft = iPlace == Legend::eUpperLeft || iPlace == Legend::eLowerLeft;
  const bool lLower = iPlace == Legend::eLowerLeft || iPlace == Legend::eLowerRight;
  ioDecoration.legendLeft =
      lLeft ? iBox.GetLow().GetX() + lInset : iBox.GetHigh().GetX() - lInset - ioDecoration.legendWidth;
  ioDecoration.legendTop =
      lLower ? iBox.GetLow().GetY() + lInset + ioDecoration.legendHeight : iBox.GetHigh().GetY() - lInset;
}

Legend::ePlace PlotArea::BestCorner(const FigureStyle& iStyle, CATFont& iFont) const {
  Decoration lBox;
  _Legend.GetSize(iStyle, iFont, lBox.legendWidth, lBox.legendHeight);
  const PlotFrame lFrame(_XAxis, _YAxis, _XMin, _XMax, _YMin, _YMax, _DataBox);
  const PlotFrame lRightFrame(_XAxis, _Y2Axis, _XMin, _XMax, _Y2Min, _Y2Max, _DataBox);
  Legend::ePlace lBest = Legend::eUpperRight;
  double lFewest = HUGE_VAL;
  for (Legend::ePlace lCorner : {Legend::eUpperRight, Legend::eUpperLeft, Legend::eLowerLeft, Legend::eLowerRight}) {
    CornerBox(lCorner, _DataBox, iStyle, lBox);
    const CATMathBox2D lArea(lBox.legendLeft, lBox.legendLeft + lBox.legendWidth, lBox.legendTop - lBox.legendHeight,
                             lBox.legendTop);
    double lCount = 0.0;
    for (size_t i = 0; i < _Series.size(); ++i) lCount += _Series[i]->CountIn(_OnRight[i] ? lRightFrame : lFrame, lArea);
    if (lCount < lFewest) {
      lFewest = lCount;
      lBest = lCorner;
    }
  }
  return lBest;
}

void PlotArea::ShowDecoration(CATViewer& ioViewer, CATFont& iFont, const Decoration& iDecoration,
                              ColorScaleAxis* iColors, const FigureStyle& iStyle) const {
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  const int f = iStyle.FrameGrey, a = iStyle.AxisGrey;
  // Edges without an axis get a light frame line.
  if (!_Shown[Top]) ShowLine(ioViewer, lLow.GetX(), lHigh.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!iDecoration.axes[Right]) ShowLine(ioViewer, lHigh.GetX(), lLow.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!_Shown[Bottom]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lHigh.GetX(), lLow.GetY(), Scene::Color(f, f, f));
  if (!_Shown[Left]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lLow.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  for (const RefPtr<QVTFdd2DAxisDrawing>& lAxis : iDecoration.axes)
    if (lAxis) Scene::Show(ioViewer, new QVTFdd2DAxisGP(lAxis.Get(), 0), Scene::Color(a, a, a));
  if (iColors) ColorScaleBar::Show(ioViewer, iDecoration.scaleBar, *iColors, iDecoration.scaleAxis.Get(), iStyle);
  if (HasLegend()) _Legend.Show(ioViewer, iDecoration.legendLeft, iDecoration.legendTop, iStyle, iFont);
  if (!_Title.empty()) {
    Scene::Caption(ioViewer, iFont, iDecoration.titleX, iDecoration.titleY, iStyle.TitleHeight, _Title.c_str());
  }
}
