#include "PlotArea.h"

#include <algorithm>
#include <cmath>

#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "CATMathPoint2Df.h"
#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "CATSymbolType.h"
#include "CATViewer.h"
#include "ColorScaleBar.h"
#include "DataRange.h"
#include "FigureStyle.h"
#include "SampleOrder.h"
#include "Scene.h"
#include "Legend.h"
#include "LinearScaling.h"
#include "Log10Vector.h"
#include "MirrorTicks.h"
#include "OrderedMatrix.h"
#include "OrderedValueRows.h"
#include "OrderedVector.h"
#include "OrderedXRows.h"
#include "Palette.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFdd2DBarGP.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapRep.h"
#include "QVTFddContributionBarRep.h"

namespace {

// Room above and below curves and bars, as a fraction of the value range.
const double kValueMargin = 0.05;
// Layout rounds: each moves the data box's edges inward by what stuck out; two or three suffice.
const int kLayoutRounds = 8;
// The data box never shrinks below this, however small the page.
const double kMinBox = 16.0;

const int kSymbols[] = {CATSymbolFilledCircle, CATSymbolFilledSquare, CATSymbolFilledTriangle, CATSymbolDiamond,
                        CATSymbolCross, CATSymbolPlus};

void Hold(CATBaseUnknown* iObject) {
  if (iObject) iObject->AddRef();
}
// A piece of a plot box along one direction: model units low .. high showing the data min .. max.
struct Tile {
  double low, high, min, max;
};

// [iLow, iHigh] in model units (the picture's pixels) cut into equal pieces at whole units, each
// under the library's image limit, with the part of [iMin, iMax] each shows.
std::vector<Tile> Tiles(double iLow, double iHigh, double iMin, double iMax) {
  const double lLength = iHigh - iLow;
  const double lLimit = QVTFddColormapAlgoLineair::kMaxPixels - 1;
  if (!(lLength > lLimit)) return {{iLow, iHigh, iMin, iMax}};
  const double lCount = std::ceil(lLength / lLimit);
  const double lStep = std::ceil(lLength / lCount);
  std::vector<Tile> lTiles;
  for (double lStart = iLow; lStart < iHigh; lStart += lStep) {
    const double lEnd = std::min(lStart + lStep, iHigh);
    const double f0 = (lStart - iLow) / lLength, f1 = (lEnd - iLow) / lLength;
    lTiles.push_back({lStart, lEnd, lStart == iLow ? iMin : iMin + f0 * (iMax - iMin),
                      lEnd == iHigh ? iMax : iMin + f1 * (iMax - iMin)});
  }
  return lTiles;
}

void Drop(CATBaseUnknown* iObject) {
  if (iObject) iObject->Release();
}
// Puts iView (one reference, taken over) in place of the object ioHeld held.
template <class T, class V>
void Replace(T*& ioHeld, V* iView) {
  Drop(ioHeld);
  ioHeld = iView;
}

// A line in model units, in the given attributes.
void ShowLine(CATViewer& ioViewer, double x0, double y0, double x1, double y1, const CATGraphicAttributeSet& iColor) {
  const CATMathPoint2Df lPoints[2] = {CATMathPoint2Df(static_cast<float>(x0), static_cast<float>(y0)),
                                      CATMathPoint2Df(static_cast<float>(x1), static_cast<float>(y1))};
  Scene::Show(ioViewer, new CAT2DLineGP(lPoints, 2, 1, 0), iColor);
}

// The smallest distance between consecutive finite values of a vector; NaN when there is none.
double SmallestStep(CATSamIVector* iVector) {
  double lStep = NAN, lPrevious = NAN;
  const unsigned int n = iVector ? iVector->GetLength() : 0;
  for (unsigned int i = 0; i < n; ++i) {
    const double v = iVector->GetValue(i);
    if (!std::isfinite(v)) continue;
    const double d = std::fabs(v - lPrevious);
    if (d > 0.0 && !(d >= lStep)) lStep = d;
    lPrevious = v;
  }
  return lStep;
}

}  // namespace

void PlotArea::Decoration::Release() {
  for (QVTFdd2DAxisDrawing*& lAxis : axes) {
    Drop(lAxis);
    lAxis = nullptr;
  }
  Drop(scaleAxis);
  scaleAxis = nullptr;
}

PlotArea::PlotArea() = default;

PlotArea::~PlotArea() {
  for (Series& s : _Series) {
    Drop(s.x);
    Drop(s.y);
  }
  for (Contribution& c : _Contributions) {
    Drop(c.arg);
    Drop(c.res);
  }
  if (_HasMap)
    for (CATBaseUnknown* lObject : MapObjects()) Drop(lObject);
  for (MapTile& t : _MapTiles) Drop(t.rep);
  Drop(_Colors);
}

std::array<CATBaseUnknown*, 7> PlotArea::MapObjects() const {
  return {_Map.X, _Map.Values, _Map.XRows, _Map.ValueRows, _Map.Z, _Map.XScaling, _Map.ZScaling};
}

Legend PlotArea::MakeLegend() const {
  Legend lLegend;
  int lColor = 0, lSymbol = 0;
  for (const Series& s : _Series) {
    int r = 0, g = 0, b = 0;
    Palette::Color(lColor++, r, g, b);
    const Legend::eSample lSample = s.bars ? Legend::Bar : (s.symbols ? Legend::LineAndMarker : Legend::Line);
    const int lSymbolType = s.symbols ? kSymbols[lSymbol++ % 6] : 0;
    if (!s.name.empty()) lLegend.Add(s.name, r, g, b, lSample, lSymbolType);
  }
  return lLegend;
}

void PlotArea::ShowAxis(eSide iSide, bool iShown) {
  if (iSide >= Bottom && iSide <= Right) _Shown[iSide] = iShown;
}

void PlotArea::AddCurve(CATSamIVector* iX, CATSamIVector* iY, const std::string& iName, bool iSymbols) {
  if (!iX || !iY) return;
  Hold(iX);
  Hold(iY);
  _Series.push_back({iX, iY, iName, iSymbols, false});
}

void PlotArea::AddBars(CATSamIVector* iX, CATSamIVector* iHeights, const std::string& iName) {
  if (!iX || !iHeights) return;
  Hold(iX);
  Hold(iHeights);
  _Series.push_back({iX, iHeights, iName, false, true});
}

void PlotArea::SetColormap(const ColormapData& iData) {
  if (_HasMap) return;
  _Map = iData;
  _HasMap = true;
  for (CATBaseUnknown* lObject : MapObjects()) Hold(lObject);
  OrderMap();
}

void PlotArea::OrderMap() {
  // The library maps ascending samples only: descending X or Z (a sweep downwards, a run-down) is
  // shown through reversed views, NaN samples are left out, any other order is not drawn.
  const SampleOrder lZOrder(_Map.Z);
  std::string lBreak = lZOrder.DescribeBreak("z");
  unsigned long long lNaN = lZOrder.GetNaNCount();
  if (NonHomogeneous()) {
    OrderedXRows* lRows = new OrderedXRows(_Map.XRows, lZOrder);
    OrderedValueRows* lValues = new OrderedValueRows(_Map.ValueRows, lRows);
    if (lBreak.empty() && !lRows->IsOrdered()) lBreak = SampleOrder::DescribeBreak(_Map.XRows, "x");
    lNaN += lRows->GetNaNCount();
    Replace(_Map.XRows, lRows);
    Replace(_Map.ValueRows, lValues);
  } else {
    const SampleOrder lXOrder(_Map.X);
    if (lBreak.empty()) lBreak = lXOrder.DescribeBreak("x");
    lNaN += lXOrder.GetNaNCount();
    if (!lXOrder.IsIdentity() || !lZOrder.IsIdentity()) {
      Replace(_Map.X, _Map.X ? new OrderedVector(_Map.X, lXOrder) : nullptr);
      Replace(_Map.Values, _Map.Values ? new OrderedMatrix(_Map.Values, lXOrder, lZOrder) : nullptr);
    }
  }
  if (!lZOrder.IsIdentity()) Replace(_Map.Z, _Map.Z ? new OrderedVector(_Map.Z, lZOrder) : nullptr);
  if (!lBreak.empty()) {
    _DataWarning = "the colour map is not drawn: " + lBreak;
    for (CATBaseUnknown* lObject : MapObjects()) Drop(lObject);
    _Map = ColormapData();
    _HasMap = false;
  } else if (lNaN > 0) {
    _DataWarning = "left out " + std::to_string(lNaN) + " samples whose x or z is NaN";
  }
}

void PlotArea::AddContributionBar(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes, bool iVertical) {
  if (!iArg || !iRes) return;
  // As for colour maps: descending arguments through reversed views, NaN arguments left out.
  const SampleOrder lOrder(iArg);
  if (!lOrder.IsOrdered()) {
    _DataWarning = "a contribution bar is not drawn: " + lOrder.DescribeBreak("x");
    return;
  }
  if (lOrder.GetNaNCount() > 0)
    _DataWarning = "left out " + std::to_string(lOrder.GetNaNCount()) + " samples whose x is NaN";
  if (lOrder.IsIdentity()) {
    Hold(iArg);
    Hold(iRes);
    _Contributions.push_back({iArg, iRes, iVertical});
  } else {
    _Contributions.push_back({new OrderedVector(iArg, lOrder), new OrderedVector(iRes, lOrder), iVertical});
  }
}

void PlotArea::SetColorScale(ColorScaleAxis::eTable iTable, double iMin, double iMax, const std::string& iLabel) {
  _Table = iTable;
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

bool PlotArea::HasLegend() const {
  int lNamed = 0;
  for (const Series& s : _Series) lNamed += s.name.empty() ? 0 : 1;
  return lNamed >= 2;
}

bool PlotArea::NonHomogeneous() const { return _Map.XRows && _Map.ValueRows; }

void PlotArea::ComputeRanges() {
  double x0 = NAN, x1 = NAN, y0 = NAN, y1 = NAN;
  double lXMargin = 0.0, lYMargin = 0.0;
  for (const Series& s : _Series) {
    DataRange::Add(s.x, _XAxis.IsLog(), x0, x1);
    DataRange::Add(s.y, _YAxis.IsLog(), y0, y1);
    lYMargin = kValueMargin;
    if (s.bars) {
      if (!_YAxis.IsLog()) DataRange::Add(0.0, y0, y1);
      // Room for half a bar at both ends.
      const double lStep = SmallestStep(s.x);
      if (std::isfinite(lStep) && std::isfinite(x1 - x0) && x1 > x0) lXMargin = std::max(lXMargin, 0.5 * lStep / (x1 - x0));
    }
  }
  if (_HasMap) {
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
    DataRange::Add(mx0, x0, x1);
    DataRange::Add(mx1, x0, x1);
    DataRange::Add(mz0, y0, y1);
    DataRange::Add(mz1, y0, y1);
  }
  for (const Contribution& c : _Contributions) {
    if (c.vertical)
      DataRange::Add(c.arg, false, y0, y1);
    else
      DataRange::Add(c.arg, false, x0, x1);
  }
  if (_XAxis.HasRange()) {
    _XMin = _XAxis.GetMin();
    _XMax = _XAxis.GetMax();
  } else {
    DataRange::Axis(x0, x1, lXMargin, _XAxis.IsLog(), _XMin, _XMax);
  }
  if (_YAxis.HasRange()) {
    _YMin = _YAxis.GetMin();
    _YMax = _YAxis.GetMax();
  } else {
    DataRange::Axis(y0, y1, lYMargin, _YAxis.IsLog(), _YMin, _YMax);
  }
}

ColorScaleAxis* PlotArea::MakeColors() const {
  if (!_HasMap && _Contributions.empty()) return nullptr;
  double lMin = _ColorMin, lMax = _ColorMax;
  if (!std::isfinite(lMin) || !std::isfinite(lMax) || !(lMax > lMin)) {
    lMin = lMax = NAN;
    if (_HasMap) {
      if (NonHomogeneous())
        DataRange::Add(_Map.ValueRows, lMin, lMax);
      else
        DataRange::Add(_Map.Values, lMin, lMax);
    }
    for (const Contribution& c : _Contributions) DataRange::Add(c.res, false, lMin, lMax);
    DataRange::Axis(lMin, lMax, 0.0, false, lMin, lMax);
  }
  return new ColorScaleAxis(lMin, lMax, _Table);
}

long PlotArea::GetMapValue(double iX, double iZ, double& oValue) const {
  for (const MapTile& t : _MapTiles)
    if (iX >= std::min(t.x0, t.x1) && iX <= std::max(t.x0, t.x1) && iZ >= std::min(t.z0, t.z1) &&
        iZ <= std::max(t.z0, t.z1) && t.rep->GetValue(iX, iZ, oValue) == 0)
      return 0;
  return 1;
}

double PlotArea::ModelX(double iValue) const {
  const double a0 = _XAxis.ToAxis(_XMin), a1 = _XAxis.ToAxis(_XMax);
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  return lLow.GetX() + (lHigh.GetX() - lLow.GetX()) * (_XAxis.ToAxis(iValue) - a0) / (a1 - a0);
}

double PlotArea::ModelY(double iValue) const {
  const double a0 = _YAxis.ToAxis(_YMin), a1 = _YAxis.ToAxis(_YMax);
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  return lLow.GetY() + (lHigh.GetY() - lLow.GetY()) * (_YAxis.ToAxis(iValue) - a0) / (a1 - a0);
}

CAT2DBoundingBox PlotArea::Decorate(const CATMathBox2D& iBox, const FigureStyle& iStyle, CATFont& iFont,
                                    ColorScaleAxis* iColors, const CATMathBox2D& iRoom,
                                    Decoration& oDecoration) const {
  const double x0 = iBox.GetLow().GetX(), y0 = iBox.GetLow().GetY();
  const double x1 = iBox.GetHigh().GetX(), y1 = iBox.GetHigh().GetY();
  CAT2DBoundingBox lExtent(static_cast<float>(x0), static_cast<float>(x1), static_cast<float>(y0),
                           static_cast<float>(y1));
  // Major and minor ticks of x, then of y, for the lengths of this box.
  QVTIFddTicks* lTicks[4] = {nullptr, nullptr, nullptr, nullptr};
  _XAxis.MakeTicks(_XMin, _XMax, x1 - x0, true, iStyle, lTicks[0], lTicks[1]);
  _YAxis.MakeTicks(_YMin, _YMax, y1 - y0, false, iStyle, lTicks[2], lTicks[3]);
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
                                                    lTicks[2 * lSide], lTicks[2 * lSide + 1], lAxis.GetLabel(), iStyle,
                                                    iFont);
  }
  // Top and right repeat the ticks of the level their opposite axis chose, without values.
  for (int lSide = Top; lSide <= Right; ++lSide) {
    if (!_Shown[lSide]) continue;
    const int lOpposite = lSide - 2;
    const int lLevel = oDecoration.axes[lOpposite] ? oDecoration.axes[lOpposite]->GetDetailLevel() : 0;
    MirrorTicks* lMajor = new MirrorTicks(lTicks[2 * lOpposite], lLevel, iStyle.MajorTickLength);
    MirrorTicks* lMinor = new MirrorTicks(lTicks[2 * lOpposite + 1], lLevel, iStyle.MinorTickLength);
    oDecoration.axes[lSide] = PlotAxis::MakeDrawing(lEdges[lSide].start, lEdges[lSide].end, lEdges[lSide].side,
                                                    lMajor, lMinor, "", iStyle, iFont);
    Drop(lMajor);
    Drop(lMinor);
  }
  for (QVTIFddTicks* t : lTicks) Drop(t);
  for (QVTFdd2DAxisDrawing* lAxis : oDecoration.axes)
    if (lAxis) lExtent += lAxis->GetBoundingElement();

  double lRight = lExtent.GetXMax();
  if (iColors) {
    const double lBar0 = x1 + iStyle.ScaleGap + (_Shown[Right] ? lRight - x1 : 0.0);
    oDecoration.scaleBar = CATMathBox2D(lBar0, lBar0 + iStyle.ScaleWidth, y0, y1);
    oDecoration.scaleAxis = ColorScaleBar::MakeAxis(oDecoration.scaleBar, *iColors, _ColorLabel, iStyle, iFont);
    lExtent += CAT2DBoundingBox(static_cast<float>(lBar0 - 1), static_cast<float>(lBar0 + iStyle.ScaleWidth + 1),
                                static_cast<float>(y0 - 1), static_cast<float>(y1 + 1));
    if (oDecoration.scaleAxis) lExtent += oDecoration.scaleAxis->GetBoundingElement();
    lRight = lExtent.GetXMax();
  }
  if (HasLegend()) {
    const Legend lLegend = MakeLegend();
    lLegend.GetSize(iStyle, iFont, oDecoration.legendWidth, oDecoration.legendHeight);
    if (_LegendInside) {
      const double lInset = 0.5 * iStyle.TextHeight;
      oDecoration.legendLeft = x1 - lInset - oDecoration.legendWidth;
      oDecoration.legendTop = y1 - lInset;
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
  Fit(iFont, lRoom, iStyle);
  // A legend beside a box it would crowd out goes into the box's corner instead.
  const double lRoomWidth = lRoom.GetHigh().GetX() - lRoom.GetLow().GetX();
  if (HasLegend() && _DataBox.GetHigh().GetX() - _DataBox.GetLow().GetX() < 0.5 * lRoomWidth) {
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
    const CAT2DBoundingBox lExtent = Decorate(_DataBox, iStyle, iFont, _Colors, iRoom, lDecoration);
    lDecoration.Release();
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
  _Warning.clear();
  Decoration lDecoration;
  Decorate(_DataBox, iStyle, iFont, _Colors, Room(iPage, iStyle), lDecoration);
  ShowData(ioViewer, _Colors, iStyle);
  ShowDecoration(ioViewer, iFont, lDecoration, _Colors, iStyle);
  lDecoration.Release();
  if (!_DataWarning.empty()) _Warning = _Warning.empty() ? _DataWarning : _DataWarning + "; " + _Warning;
}

void PlotArea::ShowData(CATViewer& ioViewer, ColorScaleAxis* iColors, const FigureStyle& iStyle) {
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  const int g = iStyle.GroundGrey;
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lLow, lHigh, 0), Scene::Color(g, g, g));

  for (MapTile& t : _MapTiles) Drop(t.rep);
  _MapTiles.clear();
  if (_HasMap && iColors) {
    // Order interpolation needs both scalings; the identity stands in for a missing one.
    QVTIFddScaling* lXScaling = _Map.XScaling ? _Map.XScaling : new LinearScaling(1.0);
    QVTIFddScaling* lZScaling = _Map.ZScaling ? _Map.ZScaling : new LinearScaling(1.0);
    // The map is drawn with the axis ranges: its own limits may lie inside them.
    for (const Tile& tx : Tiles(lLow.GetX(), lHigh.GetX(), _Map.XMin, _Map.XMax))
      for (const Tile& tz : Tiles(lLow.GetY(), lHigh.GetY(), _Map.ZMin, _Map.ZMax)) {
        const CATMathBox2D lBox(tx.low, tx.high, tz.low, tz.high);
        QVTFddColormapRep* lRep =
            NonHomogeneous()
                ? new QVTFddColormapRep(lBox, _Map.XRows, tx.min, tx.max, 1, _Map.Z, tz.min, tz.max, 1, _Map.ValueRows,
                                        iColors, lXScaling, lZScaling, _Map.Order ? 1 : 0, _Map.Tolerance)
                : new QVTFddColormapRep(lBox, _Map.X, tx.min, tx.max, 1, _Map.Z, tz.min, tz.max, 1, _Map.Values,
                                        iColors, lXScaling, lZScaling, _Map.Order ? 1 : 0, _Map.Tolerance);
        if (!lRep) continue;
        _MapTiles.push_back({lRep, tx.min, tx.max, tz.min, tz.max});
        ioViewer.AddRep(lRep);
      }
    if (!_Map.XScaling) Drop(lXScaling);
    if (!_Map.ZScaling) Drop(lZScaling);
  }

  const double lBand = _Contributions.empty() ? 0.0 : 1.0 / static_cast<double>(_Contributions.size());
  for (size_t i = 0; i < _Contributions.size() && iColors; ++i) {
    const Contribution& c = _Contributions[i];
    const double f0 = lBand * static_cast<double>(i), f1 = f0 + lBand;
    // The bar's band across, and its argument range along.
    const double lAlong0 = c.vertical ? lLow.GetY() : lLow.GetX(), lAlong1 = c.vertical ? lHigh.GetY() : lHigh.GetX();
    const double lAcross0 = c.vertical ? lLow.GetX() + f0 * (lHigh.GetX() - lLow.GetX())
                                       : lHigh.GetY() - f1 * (lHigh.GetY() - lLow.GetY());
    const double lAcross1 = c.vertical ? lLow.GetX() + f1 * (lHigh.GetX() - lLow.GetX())
                                       : lHigh.GetY() - f0 * (lHigh.GetY() - lLow.GetY());
    for (const Tile& ta : Tiles(lAlong0, lAlong1, c.vertical ? _YMin : _XMin, c.vertical ? _YMax : _XMax))
      for (const Tile& tc : Tiles(lAcross0, lAcross1, 0.0, 1.0)) {
        const CATMathBox2D lBox = c.vertical ? CATMathBox2D(tc.low, tc.high, ta.low, ta.high)
                                             : CATMathBox2D(ta.low, ta.high, tc.low, tc.high);
        QVTFddContributionBarRep* lRep = new QVTFddContributionBarRep(
            lBox, c.vertical ? QVTFddContributionAlgoLineair::VerticalBar : QVTFddContributionAlgoLineair::HorizontalBar,
            c.arg, ta.min, ta.max, c.res, iColors);
        if (lRep) {
          ioViewer.AddRep(lRep);
          lRep->Release();
        }
      }
  }

  const double lWidth = lHigh.GetX() - lLow.GetX();
  const CATMathBox2D lAxisBox(_XAxis.ToAxis(_XMin), _XAxis.ToAxis(_XMax), _YAxis.ToAxis(_YMin), _YAxis.ToAxis(_YMax));
  int lColor = 0, lSymbol = 0;
  for (const Series& s : _Series) {
    int r = 0, gr = 0, b = 0;
    Palette::Color(lColor++, r, gr, b);
    if (s.bars) {
      const double lStep = SmallestStep(s.x);
      const double lHalf = std::isfinite(lStep) ? 0.4 * lStep : 0.4 * (_XMax - _XMin) / 10;
      const double lBase = ModelY(_YAxis.IsLog() ? _YMin : std::min(std::max(0.0, _YMin), _YMax));
      const unsigned int n = std::min(s.x->GetLength(), s.y->GetLength());
      for (unsigned int i = 0; i < n; ++i) {
        const double x = s.x->GetValue(i), h = s.y->GetValue(i);
        const double m0 = ModelX(x - lHalf), m1 = ModelX(x + lHalf), mh = ModelY(std::min(std::max(h, _YMin), _YMax));
        if (!std::isfinite(m0) || !std::isfinite(m1) || !std::isfinite(mh)) continue;
        const float c1[2] = {static_cast<float>(std::max(m0, lLow.GetX())), static_cast<float>(lBase)};
        const float c2[2] = {static_cast<float>(std::min(m1, lHigh.GetX())), static_cast<float>(mh)};
        if (c2[0] <= c1[0]) continue;
        Scene::Show(ioViewer, new QVTFdd2DBarGP(c1, c2, QVTFdd2DBarGP::Vertical), Scene::Color(r, gr, b));
      }
      continue;
    }
    CATSamIVector* x = _XAxis.IsLog() ? new Log10Vector(s.x) : s.x;
    CATSamIVector* y = _YAxis.IsLog() ? new Log10Vector(s.y) : s.y;
    if (x && y) {
      // Dense curves thin: a 2-pixel line over a sample a pixel is a blur.
      const int lThickness = s.y->GetLength() > 2 * lWidth ? 1 : iStyle.CurveThickness;
      Scene::Show(ioViewer, new QVTFdd2DCurveGP(lAxisBox, _DataBox, QVTFdd2DCurveGP::ReduceAlongX, x, y),
                  Scene::Color(r, gr, b, 255, lThickness));
      if (s.symbols)
        Scene::Show(ioViewer,
                    new QVTFdd2DCurveSymbolsGP(kSymbols[lSymbol++ % 6], lAxisBox, _DataBox, x, y),
                    Scene::Color(r, gr, b));
    }
    if (x && x != s.x) Drop(x);
    if (y && y != s.y) Drop(y);
  }
}

void PlotArea::ShowDecoration(CATViewer& ioViewer, CATFont& iFont, const Decoration& iDecoration,
                              ColorScaleAxis* iColors, const FigureStyle& iStyle) const {
  const CATMathPoint2D lLow = _DataBox.GetLow(), lHigh = _DataBox.GetHigh();
  const int f = iStyle.FrameGrey, a = iStyle.AxisGrey;
  // Edges without an axis get a light frame line.
  if (!_Shown[Top]) ShowLine(ioViewer, lLow.GetX(), lHigh.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!_Shown[Right]) ShowLine(ioViewer, lHigh.GetX(), lLow.GetY(), lHigh.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  if (!_Shown[Bottom]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lHigh.GetX(), lLow.GetY(), Scene::Color(f, f, f));
  if (!_Shown[Left]) ShowLine(ioViewer, lLow.GetX(), lLow.GetY(), lLow.GetX(), lHigh.GetY(), Scene::Color(f, f, f));
  for (QVTFdd2DAxisDrawing* lAxis : iDecoration.axes)
    if (lAxis) Scene::Show(ioViewer, new QVTFdd2DAxisGP(lAxis, 0), Scene::Color(a, a, a));
  if (iColors) ColorScaleBar::Show(ioViewer, iDecoration.scaleBar, *iColors, iDecoration.scaleAxis, iStyle);
  if (HasLegend()) {
    const Legend lLegend = MakeLegend();
    lLegend.Show(ioViewer, iDecoration.legendLeft, iDecoration.legendTop, iStyle, iFont);
  }
  if (!_Title.empty()) {
    Scene::Caption(ioViewer, iFont, iDecoration.titleX, iDecoration.titleY, iStyle.TitleHeight, _Title.c_str());
  }
}
