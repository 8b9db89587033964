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
#include "TextFit.h"

namespace {

// Layout rounds: each moves the data box's edges inward by what stuck out; two or three suffice.
const int kLayoutRounds = 8;
// The data box never shrinks below this, however small the page.
const double kMinBox = 16.0;
// A room narrower or lower than this is small: there the decorations must fit beside a box of
// kMinBox, or the page leaves some out; on a larger page the box may shrink to kMinBox.
const double kSmallRoom = 64.0;
// The padding takes at most this share of a small page's width or height.
const double kPaddingShare = 0.125;
// A long title wraps onto this many lines at most, then is shortened.
const int kTitleLines = 2;

// A line in model units, in the given attributes.
void ShowLine(CATViewer& ioViewer, double x0, double y0, double x1, double y1, const CATGraphicAttributeSet& iColor) {
  const CATMathPoint2Df lPoints[2] = {CATMathPoint2Df(static_cast<float>(x0), static_cast<float>(y0)),
                                      CATMathPoint2Df(static_cast<float>(x1), static_cast<float>(y1))};
  Scene::Show(ioViewer, new CAT2DLineGP(lPoints, 2, 1, 0), iColor);
}

// iWarning after the warnings of ioWarnings.
void AddWarning(std::string& ioWarnings, const std::string& iWarning) {
  if (iWarning.empty()) return;
  ioWarnings += (ioWarnings.empty() ? "" : "; ") + iWarning;
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
  std::string lWarning;
  if (!_Map) _Map = MapSeries::Make(iData, lWarning);
  AddWarning(_DataWarning, lWarning);
}

void PlotArea::AddContributionBar(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes, bool iVertical) {
  std::string lWarning;
  std::unique_ptr<ContributionSeries> lBar =
      ContributionSeries::Make(iArg, iRes, iVertical, lWarning, (iVertical ? _YAxis : _XAxis).GetScale());
  AddWarning(_DataWarning, lWarning);
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
  // Automatic: for two series or more, even when some of them have no name.
  return _Legend.GetNbrEntries() >= 1 && (_LegendPlace != Legend::eAuto || _Styles.size() >= 2);
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
  const bool lLeftData = _Map || !_Contributions.empty() || std::find(_OnRight.begin(), _OnRight.end(), false) != _OnRight.end();
  std::string lWarning;
  _XAxis.ShownRange(lExtent.XMin, lExtent.XMax, lExtent.XMargin, lLeftData || HasY2(), "x", _XMin, _XMax, lWarning);
  AddWarning(_DataWarning, lWarning);
  _YAxis.ShownRange(lExtent.YMin, lExtent.YMax, lExtent.YMargin, lLeftData, "y", _YMin, _YMax, lWarning);
  AddWarning(_DataWarning, lWarning);
  _Y2Axis.ShownRange(lRight.YMin, lRight.YMax, lRight.YMargin, HasY2(), "right y", _Y2Min, _Y2Max, lWarning);
  if (HasY2()) AddWarning(_DataWarning, lWarning);
}

void PlotArea::SetCursors(double iA, double iB, std::vector<std::string> iLines) {
  _Cursors[0] = iA;
  _Cursors[1] = iB;
  _CursorLines = std::move(iLines);
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
  const bool lAxes = _Detail < eNoAxes;
  auto lLabel = [this](const PlotAxis& iAxis) { return _Detail < eNoLabels ? iAxis.GetLabel() : std::string(); };
  for (int lSide = Bottom; lSide <= Left; ++lSide) {
    if (!_Shown[lSide] || !lAxes) continue;
    const PlotAxis& lAxis = lSide == Bottom ? _XAxis : _YAxis;
    oDecoration.axes[lSide] = PlotAxis::MakeDrawing(lEdges[lSide].start, lEdges[lSide].end, lEdges[lSide].side,
                                                    lTicks[2 * lSide].Get(), lTicks[2 * lSide + 1].Get(), lLabel(lAxis), iStyle,
                                                    iFont);
  }
  if (HasY2() && lAxes) {
    RefPtr<QVTIFddTicks> lMajor, lMinor;
    _Y2Axis.MakeTicks(_Y2Min, _Y2Max, y1 - y0, false, iStyle, lMajor, lMinor);
    oDecoration.axes[Right] = PlotAxis::MakeDrawing(lEdges[Right].start, lEdges[Right].end, lEdges[Right].side,
                                                    lMajor.Get(), lMinor.Get(), lLabel(_Y2Axis), iStyle, iFont);
  }
  // Top and right repeat the ticks of the level their opposite axis chose, without values.
  for (int lSide = Top; lSide <= Right; ++lSide) {
    if (!_Shown[lSide] || oDecoration.axes[lSide] || !lAxes) continue;
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
  if (iColors && _Detail < eDataOnly) {
    const double lBar0 = x1 + iStyle.ScaleGap + (oDecoration.axes[Right] ? lRight - x1 : 0.0);
    oDecoration.scaleBar = CATMathBox2D(lBar0, lBar0 + iStyle.ScaleWidth, y0, y1);
    oDecoration.scaleShown = true;
    if (lAxes)
      oDecoration.scaleAxis = ColorScaleBar::MakeAxis(oDecoration.scaleBar, *iColors,
                                                      _Detail < eNoLabels ? _ColorLabel : std::string(), iStyle, iFont);
    lExtent += CAT2DBoundingBox(static_cast<float>(lBar0 - 1), static_cast<float>(lBar0 + iStyle.ScaleWidth + 1),
                                static_cast<float>(y0 - 1), static_cast<float>(y1 + 1));
    if (oDecoration.scaleAxis) lExtent += oDecoration.scaleAxis->GetBoundingElement();
    lRight = lExtent.GetXMax();
  }
  if (ShowsLegend()) {
    const bool lOutside = _LegendPlace == Legend::eOutside || (_LegendPlace == Legend::eAuto && !_LegendInside);
    oDecoration.legendMax = LegendRoom(!lOutside, iBox, iRoom);
    _Legend.GetSize(iStyle, iFont, oDecoration.legendMax, oDecoration.legendWidth, oDecoration.legendHeight);
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
  if (!_CursorLines.empty() && _Detail < eNoLegend) {
    // Right of everything else, from the data box's top down; lines below its bottom are left
    // out rather than the box made smaller for them.
    const double lLine = (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TextHeight;
    const size_t lRows = std::min(_CursorLines.size(), static_cast<size_t>(std::max(0.0, (y1 - y0) / lLine)));
    const double lMax = LegendRoom(false, iBox, iRoom);
    double lWidth = 0.0;
    for (size_t i = 0; i < lRows; ++i) {
      oDecoration.noteLines.push_back(TextFit::Line(_CursorLines[i], iFont, iStyle.TextHeight, lMax));
      lWidth = std::max(lWidth, iFont.GetAdvance(oDecoration.noteLines.back()) * iStyle.TextHeight);
    }
    oDecoration.noteLeft = lExtent.GetXMax() + iStyle.ScaleGap;
    oDecoration.noteTop = y1;
    if (lRows)
      lExtent += CAT2DBoundingBox(static_cast<float>(oDecoration.noteLeft), static_cast<float>(oDecoration.noteLeft + lWidth),
                                  static_cast<float>(y1 - lLine * static_cast<double>(lRows)), static_cast<float>(y1));
  }
  if (!_Title.empty() && _Detail < eNoTitle) {
    // At most two lines as wide as the room: a long title never takes the plot's height or width.
    const double lRoom0 = iRoom.GetLow().GetX(), lRoom1 = iRoom.GetHigh().GetX();
    oDecoration.titleLines = TextFit::Lines(_Title, iFont, iStyle.TitleHeight, lRoom1 - lRoom0, kTitleLines);
    const double lLine = (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TitleHeight;
    oDecoration.titleY = std::max<double>(lExtent.GetYMax(), y1) + 0.6 * iStyle.TitleHeight;
    const double lTop = oDecoration.titleY + lLine * static_cast<double>(oDecoration.titleLines.size());
    for (const std::string& lText : oDecoration.titleLines) {
      const double lWidth = iFont.GetAdvance(lText) * iStyle.TitleHeight;
      // Centred over the data box, but never beyond the room's sides.
      const double lX = std::max(lRoom0, std::min((x0 + x1) / 2 - lWidth / 2, lRoom1 - lWidth));
      oDecoration.titleX.push_back(lX);
      lExtent += CAT2DBoundingBox(static_cast<float>(lX), static_cast<float>(lX + lWidth),
                                  static_cast<float>(oDecoration.titleY), static_cast<float>(lTop));
    }
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
  if (_LegendPlace != Legend::eAuto && _LegendPlace != Legend::eBest && _LegendPlace != Legend::eOutside)
    _LegendCorner = _LegendPlace;
  const double lRoomWidth = lRoom.GetHigh().GetX() - lRoom.GetLow().GetX();
  // The most the page has room for: each step leaves out one more kind of decoration.
  for (_Detail = eAll;; ++_Detail) {
    SetMargins(lStart);
    _LegendInside = false;
    bool lFits = Fit(iFont, lRoom, iStyle);
    // A legend beside a box it would crowd out goes into the box's corner instead.
    if (ShowsLegend() && _LegendPlace == Legend::eAuto &&
        _DataBox.GetHigh().GetX() - _DataBox.GetLow().GetX() < 0.5 * lRoomWidth) {
      SetMargins(lStart);
      _LegendInside = true;
      lFits = Fit(iFont, lRoom, iStyle);
    }
    if (lFits || _Detail >= eDataOnly) break;
  }
}

bool PlotArea::Fit(CATFont& iFont, const CATMathBox2D& iRoom, const FigureStyle& iStyle) {
  const double p0 = iRoom.GetLow().GetX(), p1 = iRoom.GetHigh().GetX();
  const double q0 = iRoom.GetLow().GetY(), q1 = iRoom.GetHigh().GetY();
  const bool lSmall = p1 - p0 < kSmallRoom || q1 - q0 < kSmallRoom;
  const double lSmallestX = std::min(kMinBox, p1 - p0), lSmallestY = std::min(kMinBox, q1 - q0);
  bool lFits = false;
  for (int lRound = 0; lRound < kLayoutRounds; ++lRound) {
    // Whole units, so that images of maps and bars fall on whole pixels; inside the room.
    double x0 = std::ceil(p0 + _Margins[Left]), x1 = std::floor(p1 - _Margins[Right]);
    double y0 = std::ceil(q0 + _Margins[Bottom]), y1 = std::floor(q1 - _Margins[Top]);
    if (x1 - x0 < lSmallestX) {
      x0 = std::max(p0, std::min(x0, p1 - lSmallestX));
      x1 = x0 + lSmallestX;
    }
    if (y1 - y0 < lSmallestY) {
      y0 = std::max(q0, std::min(y0, q1 - lSmallestY));
      y1 = y0 + lSmallestY;
    }
    _DataBox = CATMathBox2D(x0, x1, y0, y1);
    Decoration lDecoration;
    const CAT2DBoundingBox lExtent = Decorate(_DataBox, iStyle, iFont, _Colors.Get(), iRoom, lDecoration);
    const double lOver[4] = {q0 - lExtent.GetYMin(), p0 - lExtent.GetXMin(), lExtent.GetYMax() - q1,
                             lExtent.GetXMax() - p1};
    bool lInside = true;
    for (int s = 0; s < 4; ++s)
      if (lOver[s] > 0.01) {
        _Margins[s] += lOver[s];
        lInside = false;
      }
    lFits = lInside || !lSmall;
    if (lInside || x1 - x0 <= lSmallestX || y1 - y0 <= lSmallestY) break;
  }
  return lFits;
}

CATMathBox2D PlotArea::Room(const CATMathBox2D& iPage, const FigureStyle& iStyle) {
  // A tiny page keeps most of itself for the data.
  const double lWidth = iPage.GetHigh().GetX() - iPage.GetLow().GetX();
  const double lHeight = iPage.GetHigh().GetY() - iPage.GetLow().GetY();
  const double p = std::max(0.0, std::min(iStyle.Padding, kPaddingShare * std::min(lWidth, lHeight)));
  return CATMathBox2D(iPage.GetLow().GetX() + p, iPage.GetHigh().GetX() - p, iPage.GetLow().GetY() + p,
                      iPage.GetHigh().GetY() - p);
}

void PlotArea::GetMargins(double oMargins[4]) const {
  for (int s = 0; s < 4; ++s) oMargins[s] = _Margins[s];
}

void PlotArea::SetMargins(const double iMargins[4]) {
  for (int s = 0; s < 4; ++s) _Margins[s] = std::isfinite(iMargins[s]) && iMargins[s] > 0.0 ? iMargins[s] : 0.0;
}

void PlotArea::Build(CATViewer& ioViewer, CATFont& iFont, const CATMathBox2D& iPage, const FigureStyle& iStyle) {
  Layout(iFont, iPage, iStyle);
  if (_LegendPlace == Legend::eBest && ShowsLegend()) _LegendCorner = BestCorner(iStyle, iFont);
  _Warning.clear();
  Decoration lDecoration;
  Decorate(_DataBox, iStyle, iFont, _Colors.Get(), Room(iPage, iStyle), lDecoration);
  ShowData(ioViewer, lDecoration, _Colors.Get(), iStyle);
  ShowCursors(ioViewer, iFont, PlotFrame(_XAxis, _YAxis, _XMin, _XMax, _YMin, _YMax, _DataBox), iStyle);
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

void PlotArea::ShowCursors(CATViewer& ioViewer, CATFont& iFont, const PlotFrame& iFrame, const FigureStyle& iStyle) const {
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  const char* const lNames[2] = {"A", "B"};
  for (int i = 0; i < 2; ++i) {
    const double m = iFrame.ModelX(_Cursors[i]);
    if (!(m >= lLow.GetX() && m <= lHigh.GetX())) continue;
    ShowLine(ioViewer, m, lLow.GetY(), m, lHigh.GetY(), Scene::Color(200, 30, 30));
    Scene::Caption(ioViewer, iFont, m + 0.25 * iStyle.TextHeight, lHigh.GetY() - (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TextHeight,
                   iStyle.TextHeight, lNames[i]);
  }
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

double PlotArea::LegendRoom(bool iInside, const CATMathBox2D& iBox, const CATMathBox2D& iRoom) {
  // Beside the box a third of the room, so that the box keeps the most of it; inside, half the
  // box, so that the data shows beside the legend.
  const CATMathBox2D& lOf = iInside ? iBox : iRoom;
  return (iInside ? 0.5 : 1.0 / 3.0) * (lOf.GetHigh().GetX() - lOf.GetLow().GetX());
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
  _Legend.GetSize(iStyle, iFont, LegendRoom(true, _DataBox, _DataBox), lBox.legendWidth, lBox.legendHeight);
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
  if (!iDecoration.axes[Top]) ShowLine(ioViewer, lLow.GetX(), lHigh.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!iDecoration.axes[Right]) ShowLine(ioViewer, lHigh.GetX(), lLow.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!iDecoration.axes[Bottom]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lHigh.GetX(), lLow.GetY(), Scene::Color(f, f, f));
  if (!iDecoration.axes[Left]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lLow.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  for (const RefPtr<QVTFdd2DAxisDrawing>& lAxis : iDecoration.axes)
    if (lAxis) Scene::Show(ioViewer, new QVTFdd2DAxisGP(lAxis.Get(), 0), Scene::Color(a, a, a));
  if (iColors && iDecoration.scaleShown) ColorScaleBar::Show(ioViewer, iDecoration.scaleBar, *iColors, iDecoration.scaleAxis.Get(), iStyle);
  if (ShowsLegend())
    _Legend.Show(ioViewer, iDecoration.legendLeft, iDecoration.legendTop, iDecoration.legendMax, iStyle, iFont);
  const double lNoteLine = (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TextHeight;
  for (size_t i = 0; i < iDecoration.noteLines.size(); ++i)
    Scene::Caption(ioViewer, iFont, iDecoration.noteLeft, iDecoration.noteTop - lNoteLine * static_cast<double>(i + 1),
                   iStyle.TextHeight, iDecoration.noteLines[i].c_str());
  const double lLine = (iFont.GetAscent() + iFont.GetDescent()) * iStyle.TitleHeight;
  const size_t lTitleLines = iDecoration.titleLines.size();
  for (size_t i = 0; i < lTitleLines; ++i)
    Scene::Caption(ioViewer, iFont, iDecoration.titleX[i],
                   iDecoration.titleY + lLine * static_cast<double>(lTitleLines - 1 - i), iStyle.TitleHeight,
                   iDecoration.titleLines[i].c_str());
}
