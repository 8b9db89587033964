// Figures of the function display: every text stays on the page and no two texts meet, across
// axes, titles, legends and colour scales, for short and long texts on small and large pages;
// margins follow the texts' lengths; plot areas release what they hold.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CATFont.h"
#include "CATViewer.h"
#include "ColormapData.h"
#include "CairoRender.h"
#include "Figure.h"
#include "ImageCompare.h"
#include "MapFigurePage.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "Palette.h"
#include "PlotArea.h"
#include "RecordingRender.h"
#include "TextBoxRender.h"

namespace {

struct Config {
  int width, height;
  double y0, y1;  // the values' range
  bool logY;
  const char* label;
  bool map;
};

MemoryDoubleVector* Linear(int n, double a, double b) {
  std::vector<double> v;
  for (int i = 0; i < n; ++i) v.push_back(a + (b - a) * i / (n - 1));
  return new MemoryDoubleVector(v);
}

// A figure of one plot area with two named curves (legend), or a colour map, and a title.
void Fill(Figure& ioFigure, PlotArea& ioPlot, const Config& c, std::vector<CATBaseUnknown*>& ioHeld) {
  (void)ioFigure;
  ioPlot.SetTitle("A title that is rather long for a small page");
  ioPlot.GetXAxis().SetLabel(c.label);
  ioPlot.GetYAxis().SetLabel(c.label);
  ioPlot.GetYAxis().SetLog(c.logY);
  ioPlot.ShowAxis(PlotArea::Top, true);
  ioPlot.ShowAxis(PlotArea::Right, !c.map);
  MemoryDoubleVector* x = Linear(200, -3.5, 1234.5);
  ioHeld.push_back(x);
  if (c.map) {
    MemoryDoubleVector* z = Linear(30, c.y0, c.y1);
    std::vector<double> v(200 * 30);
    for (size_t i = 0; i < v.size(); ++i) v[i] = std::sin(0.01 * static_cast<double>(i)) * c.y1;
    MemoryDoubleMatrix* m = new MemoryDoubleMatrix(200, 30, v);
    ioHeld.push_back(z);
    ioHeld.push_back(m);
    ColormapData d;
    d.X = x;
    d.Z = z;
    d.Values = m;
    ioPlot.SetColormap(d);
    ioPlot.SetColorScale(ColorScaleAxis::Viridis, NAN, NAN, c.label);
  } else {
    MemoryDoubleVector* y1 = Linear(200, c.y0, c.y1);
    MemoryDoubleVector* y2 = Linear(200, c.y1, c.y0);
    ioHeld.push_back(y1);
    ioHeld.push_back(y2);
    ioPlot.AddCurve(x, y1, "rising", true);
    ioPlot.AddCurve(x, y2, "falling with a long name", false);
  }
}

class FigureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    _Font = CATFont::CreateDefault();
    ASSERT_NE(_Font, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  }
  void TearDown() override {
    if (_Font) _Font->Release();
  }
  CATFont* _Font = nullptr;
};

}  // namespace

TEST_F(FigureTest, TextsStayOnThePageAndNeverMeet) {
  const Config lConfigs[] = {
      {1000, 600, 0.0, 1.0, false, "Time [s]", false},
      {400, 300, 1234500.0, 1234550.0, false, "Pressure at the inlet [kPa]", false},
      {1600, 400, -2e-7, 3e-7, false, "Current [A]", false},
      {640, 480, 1e-3, 1e5, true, "Gain", false},
      {700, 500, 600.0, 6000.0, false, "Speed [rpm]", true},
      {320, 240, -40.0, 120.0, false, "T", true},
  };
  for (const Config& c : lConfigs) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " " + c.label);
    std::vector<CATBaseUnknown*> lHeld;
    TextBoxRender lRender;
    {
      Figure lFigure(c.width, c.height);
      Fill(lFigure, lFigure.AddPlot(), c, lHeld);
      CATViewer lViewer(c.width, c.height);
      lFigure.Build(lViewer, *_Font);
      lViewer.Draw(lRender);
    }
    const std::vector<TextBoxRender::Box>& b = lRender.Boxes;
    EXPECT_GT(b.size(), 8u);
    for (size_t i = 0; i < b.size(); ++i) {
      EXPECT_TRUE(b[i].x0 >= -1e-3 && b[i].x1 <= c.width + 1e-3 && b[i].y0 >= -1e-3 && b[i].y1 <= c.height + 1e-3)
          << "\"" << b[i].text << "\" leaves the page: x " << b[i].x0 << " .. " << b[i].x1 << ", y " << b[i].y0
          << " .. " << b[i].y1;
      for (size_t j = i + 1; j < b.size(); ++j)
        EXPECT_FALSE(TextBoxRender::Overlap(b[i], b[j])) << "\"" << b[i].text << "\" and \"" << b[j].text << "\"";
    }
    // The figure's objects are gone with the viewer: every data object is back to its creator's reference.
    for (CATBaseUnknown* lObject : lHeld) {
      EXPECT_EQ(lObject->GetRefCount(), 1u);
      lObject->Release();
    }
  }
}

TEST_F(FigureTest, MarginsFollowTheTextsAndStackedPlotsLineUp) {
  auto lLeftEdge = [this](double y0, double y1) {
    Figure lFigure(800, 500);
    PlotArea& lPlot = lFigure.AddPlot();
    MemoryDoubleVector* x = Linear(10, 0, 1);
    MemoryDoubleVector* y = Linear(10, y0, y1);
    lPlot.AddCurve(x, y, "", false);
    CATViewer lViewer(800, 500);
    lFigure.Build(lViewer, *_Font);
    x->Release();
    y->Release();
    return lPlot.GetDataBox().GetLow().GetX();
  };
  EXPECT_GT(lLeftEdge(1234500.0, 1234550.0), lLeftEdge(0, 1) + 20);

  // Two plots stacked: the lower one has long value texts, the upper one none on the left; both
  // data boxes start at the same x.
  Figure lFigure(800, 500);
  PlotArea& lTop = lFigure.AddPlot(0, 0.5, 1, 1);
  PlotArea& lBottom = lFigure.AddPlot(0, 0, 1, 0.5);
  MemoryDoubleVector* x = Linear(10, 0, 1);
  MemoryDoubleVector* y = Linear(10, 1234500.0, 1234550.0);
  lTop.AddContributionBar(x, y, false);
  lTop.ShowAxis(PlotArea::Left, false);
  lBottom.AddCurve(x, y, "", false);
  CATViewer lViewer(800, 500);
  lFigure.Build(lViewer, *_Font);
  EXPECT_DOUBLE_EQ(lTop.GetDataBox().GetLow().GetX(), lBottom.GetDataBox().GetLow().GetX());
  EXPECT_DOUBLE_EQ(lTop.GetDataBox().GetHigh().GetX(), lBottom.GetDataBox().GetHigh().GetX());
  x->Release();
  y->Release();
}

TEST_F(FigureTest, RangesComeFromTheDataWithRoomAroundCurves) {
  Figure lFigure(600, 400);
  PlotArea& lPlot = lFigure.AddPlot();
  MemoryDoubleVector* x = new MemoryDoubleVector({2.0, NAN, 4.0, 6.0});
  MemoryDoubleVector* y = new MemoryDoubleVector({-1.0, 1e308 * 10, 3.0, NAN});
  lPlot.AddCurve(x, y, "", false);
  CATViewer lViewer(600, 400);
  lFigure.Build(lViewer, *_Font);
  double a = 0, b = 0;
  lPlot.GetXRange(a, b);
  EXPECT_DOUBLE_EQ(a, 2.0);
  EXPECT_DOUBLE_EQ(b, 6.0);
  lPlot.GetYRange(a, b);  // [-1, 3] and 5 % of its span each side; the infinity is left out
  EXPECT_DOUBLE_EQ(a, -1.2);
  EXPECT_DOUBLE_EQ(b, 3.2);
  x->Release();
  y->Release();

  // Nothing to show, or one value, still gives a usable range; a log axis ignores values <= 0.
  Figure lEmpty(300, 200);
  PlotArea& lNone = lEmpty.AddPlot();
  MemoryDoubleVector* lOne = new MemoryDoubleVector({5.0, -2.0});
  lNone.AddCurve(lOne, lOne, "", false);
  lNone.GetXAxis().SetLog(true);
  CATViewer lSmall(300, 200);
  lEmpty.Build(lSmall, *_Font);
  lNone.GetXRange(a, b);
  EXPECT_NEAR(a, 5.0 / std::sqrt(10.0), 1e-12);
  EXPECT_NEAR(b, 5.0 * std::sqrt(10.0), 1e-12);
  lNone.GetYRange(a, b);
  EXPECT_LT(a, -2.0);
  EXPECT_GT(b, 5.0);
  lOne->Release();
}

TEST_F(FigureTest, DataInNoOrderIsNotDrawnAndTheWarningSaysWhere) {
  // The plot area takes data from any caller: X, Z, an X row or a bar's arguments in no order.
  MemoryDoubleVector* lUp = new MemoryDoubleVector({1, 2, 3});
  MemoryDoubleVector* lZigzag = new MemoryDoubleVector({1, 3, 2});
  MemoryDoubleMatrix* lValues = new MemoryDoubleMatrix(3, 3, std::vector<double>(9, 1.0));
  MemoryDouble1p5D* lRows = new MemoryDouble1p5D({{1, 2, 3}, {3, 2, 2.5}, {1, 2, 3}});
  MemoryDouble2DDim2NH* lRowValues = new MemoryDouble2DDim2NH({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
  const struct {
    ColormapData map;
    bool bar;
    const char* warning;
  } lCases[] = {
      {{lZigzag, lValues, nullptr, nullptr, lUp}, false,
       "the colour map is not drawn: values must be ascending or descending: x[2] = 2 follows x[1] = 3"},
      {{lUp, lValues, nullptr, nullptr, lZigzag}, false,
       "the colour map is not drawn: values must be ascending or descending: z[2] = 2 follows z[1] = 3"},
      {{nullptr, nullptr, lRows, lRowValues, lUp}, false,
       "the colour map is not drawn: values must be ascending or descending: x[1, 2] = 2.5 follows x[1, 1] = 2"},
      {{}, true, "a contribution bar is not drawn: values must be ascending or descending: x[2] = 2 follows x[1] = 3"},
  };
  for (const auto& c : lCases) {
    Figure lFigure(300, 200);
    PlotArea& lPlot = lFigure.AddPlot();
    if (c.bar)
      lPlot.AddContributionBar(lZigzag, lUp, false);
    else
      lPlot.SetColormap(c.map);
    CATViewer lViewer(300, 200);
    lFigure.Build(lViewer, *_Font);
    double lValue = 0.0;
    EXPECT_NE(lPlot.GetMapValue(2.0, 2.0, lValue), 0);
    EXPECT_EQ(lFigure.GetWarnings(), std::vector<std::string>{c.warning});
  }
  for (CATBaseUnknown* lObject : std::vector<CATBaseUnknown*>{lUp, lZigzag, lValues, lRows, lRowValues}) {
    EXPECT_EQ(lObject->GetRefCount(), 1u);
    lObject->Release();
  }
}

// A series' style is fixed when it is added: the palette colour of its place, the next symbol kind
// for a curve with symbols (a curve without takes none), and the legend marks each series as its
// drawing does.
TEST_F(FigureTest, SeriesStylesAreFixedWhenAddedAndTheLegendShowsThem) {
  Figure lFigure(900, 500);
  PlotArea& lPlot = lFigure.AddPlot();
  MemoryDoubleVector* x = Linear(5, 0, 1);
  const bool lSymbols[] = {true, true, false, true, true, true, true, true, true};
  std::vector<MemoryDoubleVector*> lYs;
  for (size_t i = 0; i < std::size(lSymbols); ++i) {
    lYs.push_back(Linear(5, static_cast<double>(i), static_cast<double>(i) + 0.5));
    lPlot.AddCurve(x, lYs.back(), "curve " + std::to_string(i), lSymbols[i]);
  }
  std::vector<int> lKinds;
  for (size_t i = 0; i < std::size(lSymbols); ++i) {
    const SeriesStyle& s = lPlot.GetSeriesStyle(static_cast<int>(i));
    int r = 0, g = 0, b = 0;
    Palette::Color(static_cast<int>(i), r, g, b);
    EXPECT_EQ(std::vector<int>({s.Red, s.Green, s.Blue}), std::vector<int>({r, g, b})) << i;
    EXPECT_EQ(s.Symbols, lSymbols[i]) << i;
    if (lSymbols[i]) {
      lKinds.push_back(s.Symbol);
    } else {
      EXPECT_EQ(s.Symbol, 0) << i;
    }
  }
  // The first six symbol curves each have a kind of their own, and the cycle goes on from there
  // as if the curve without symbols were not there.
  EXPECT_EQ(std::set<int>(lKinds.begin(), lKinds.begin() + 6).size(), 6u);
  Figure lOnlySymbols(300, 200);
  PlotArea& lOther = lOnlySymbols.AddPlot();
  for (size_t k = 0; k < lKinds.size(); ++k) {
    lOther.AddCurve(x, x, "", true);
    EXPECT_EQ(lOther.GetSeriesStyle(static_cast<int>(k)).Symbol, lKinds[k]) << k;
  }

  // Drawn: every marker of a colour, the curve's and the legend's, has that series' kind.
  CATViewer lViewer(900, 500);
  lFigure.Build(lViewer, *_Font);
  RecordingRender lRender(900, 500);
  lViewer.Draw(lRender);
  std::map<std::vector<long long>, std::set<long long>> lMarkers;
  std::map<std::vector<long long>, int> lLegendMarkers;
  std::vector<long long> lColor;
  for (const RecordedCall& c : lRender.Calls()) {
    if (c.Op == "SetCurrentAttribute") lColor = {c.Ints[1], c.Ints[2], c.Ints[3]};
    if (c.Op != "ImmediateDraw2DMarker") continue;
    lMarkers[lColor].insert(c.Ints[1]);
    if (c.Ints[0] == 1) ++lLegendMarkers[lColor];
  }
  for (size_t i = 0; i < std::size(lSymbols); ++i) {
    const SeriesStyle& s = lPlot.GetSeriesStyle(static_cast<int>(i));
    const std::vector<long long> lKey = {s.Red, s.Green, s.Blue};
    EXPECT_EQ(lMarkers[lKey], lSymbols[i] ? std::set<long long>{s.Symbol} : std::set<long long>{}) << i;
    EXPECT_EQ(lLegendMarkers[lKey], lSymbols[i] ? 1 : 0) << i;
  }
  x->Release();
  for (MemoryDoubleVector* y : lYs) y->Release();
}

// One whole figure as a picture: two plot areas lined up, a contribution bar with its colour scale,
// a curve, their axes and labels.
TEST_F(FigureTest, WholeFigureMatchesItsGoldenImage) {
  CATViewer lViewer(1000, 480);
  MapFigurePage::BuildContribution(lViewer, *_Font);
  const std::string lPath = TestOutputPath("figure-contribution.png");
  CairoRender lRender(1000, 480, CairoRender::PNG, lPath);
  lViewer.Draw(lRender);
  ASSERT_EQ(lRender.Finish(), S_OK);
  const ImageDiff lDiff = CompareWithGolden(lPath, "figure-contribution.png", 2.0, 200);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}

TEST_F(FigureTest, AColourScaleShownWithoutItsMapLaysThePlotOutAsWithIt) {
  const Config lConfigs[] = {{700, 500, 600.0, 6000.0, false, "Speed [rpm]", true},
                             {320, 240, -40.0, 120.0, false, "T", true}};
  for (const Config& c : lConfigs) {
    SCOPED_TRACE(c.label);
    // The map's plot, its frame alone with the scale shown, and without: the last one differs.
    CATMathBox2D lBoxes[3];
    for (int k = 0; k < 3; ++k) {
      std::vector<CATBaseUnknown*> lHeld;
      {
        Figure lFigure(c.width, c.height);
        PlotArea& lPlot = lFigure.AddPlot();
        Config lFrame = c;
        lFrame.map = k == 0;
        if (k == 0) {
          Fill(lFigure, lPlot, lFrame, lHeld);
        } else {
          lPlot.SetTitle("A title that is rather long for a small page");
          lPlot.GetXAxis().SetLabel(c.label);
          lPlot.GetYAxis().SetLabel(c.label);
          lPlot.ShowAxis(PlotArea::Top, true);
          if (k == 1) lPlot.ShowColorScale();
        }
        lPlot.SetColorScale(ColorScaleAxis::Viridis, -2.0, 2.0, c.label);
        lPlot.GetXAxis().SetRange(0.0, 1000.0);
        lPlot.GetYAxis().SetRange(c.y0, c.y1);
        CATViewer lViewer(c.width, c.height);
        lFigure.Build(lViewer, *_Font);
        lBoxes[k] = lPlot.GetDataBox();
      }
      for (CATBaseUnknown* lObject : lHeld) lObject->Release();
    }
    EXPECT_EQ(lBoxes[1].GetLow().GetX(), lBoxes[0].GetLow().GetX());
    EXPECT_EQ(lBoxes[1].GetHigh().GetX(), lBoxes[0].GetHigh().GetX());
    EXPECT_EQ(lBoxes[1].GetLow().GetY(), lBoxes[0].GetLow().GetY());
    EXPECT_EQ(lBoxes[1].GetHigh().GetY(), lBoxes[0].GetHigh().GetY());
    EXPECT_GT(lBoxes[2].GetHigh().GetX(), lBoxes[0].GetHigh().GetX());
  }
}
