// Layout of figures over messy inputs: long texts, tiny pages, logarithmic axes without room for
// the data.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "CATFont.h"
#include "CATViewer.h"
#include "Figure.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "TextBoxRender.h"
#include "TextFit.h"

namespace {

const std::string kLong = std::string(3000, 'W') + " end";

struct Built {
  CATMathBox2D box;
  std::vector<TextBoxRender::Box> texts;
  std::vector<std::string> warnings;
  double yMin = NAN, yMax = NAN;
};

class FigureLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    _Font = CATFont::CreateDefault();
    ASSERT_NE(_Font, nullptr);
  }
  void TearDown() override {
    if (_Font) _Font->Release();
  }

  // A figure of two curves (0..1 rising and falling over 0..10), set up further by iSetUp.
  Built Build(int iWidth, int iHeight, const std::function<void(PlotArea&)>& iSetUp,
              std::vector<double> iY = {0.0, 0.5, 1.0}) {
    Built lBuilt;
    const RefPtr<MemoryDoubleVector> x(new MemoryDoubleVector({0.0, 5.0, 10.0}));
    const RefPtr<MemoryDoubleVector> y(new MemoryDoubleVector(iY));
    TextBoxRender lRender;
    {
      Figure lFigure(iWidth, iHeight);
      PlotArea& lPlot = lFigure.AddPlot();
      iSetUp(lPlot);
      lPlot.AddCurve(x.Get(), y.Get(), "rising", false);
      lPlot.AddCurve(x.Get(), y.Get(), "other", false);
      CATViewer lViewer(iWidth, iHeight);
      lFigure.Build(lViewer, *_Font);
      lViewer.Draw(lRender);
      lBuilt.box = lPlot.GetDataBox();
      lBuilt.warnings = lFigure.GetWarnings();
      lPlot.GetYRange(lBuilt.yMin, lBuilt.yMax);
    }
    lBuilt.texts = lRender.Boxes;
    return lBuilt;
  }
  CATFont* _Font = nullptr;
};

double Width(const CATMathBox2D& b) { return b.GetHigh().GetX() - b.GetLow().GetX(); }
double Height(const CATMathBox2D& b) { return b.GetHigh().GetY() - b.GetLow().GetY(); }

}  // namespace

// A long text is shortened to its room: the plot keeps the size it has with a short one, and every
// text stays on the page.
TEST_F(FigureLayoutTest, LongTextsNeverTakeThePlotsRoom) {
  const struct {
    const char* what;
    std::function<void(PlotArea&, const std::string&)> set;
  } lCases[] = {
      {"title", [](PlotArea& p, const std::string& t) { p.SetTitle(t); }},
      {"x label", [](PlotArea& p, const std::string& t) { p.GetXAxis().SetLabel(t); }},
      {"y label", [](PlotArea& p, const std::string& t) { p.GetYAxis().SetLabel(t); }},
      {"colour label",
       [](PlotArea& p, const std::string& t) {
         p.SetColorScale(ColorScaleAxis::Viridis, 0.0, 1.0, t);
         p.ShowColorScale();
       }},
  };
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.what);
    const Built lShort = Build(1000, 600, [&](PlotArea& p) { c.set(p, "Short\ntwo lines"); });
    const Built lLong = Build(1000, 600, [&](PlotArea& p) { c.set(p, kLong); });
    EXPECT_GE(Width(lLong.box), Width(lShort.box) - 1.0);
    EXPECT_GE(Height(lLong.box), Height(lShort.box) - 1.0);
    bool lShortened = false;
    for (const TextBoxRender::Box& b : lLong.texts) {
      EXPECT_TRUE(b.x0 >= -1e-3 && b.x1 <= 1000.001 && b.y0 >= -1e-3 && b.y1 <= 600.001) << b.text;
      lShortened = lShortened || b.text.find(TextFit::kEllipsis) != std::string::npos;
    }
    EXPECT_TRUE(lShortened);
  }
}

// A title's own line break draws two lines, not a missing glyph.
TEST_F(FigureLayoutTest, ATitleWithALineBreakDrawsTwoLines) {
  const Built b = Build(600, 400, [](PlotArea& p) { p.SetTitle("Run 12\nsecond try"); });
  int lFound = 0;
  for (const TextBoxRender::Box& t : b.texts) {
    EXPECT_EQ(t.text.find('\n'), std::string::npos);
    if (t.text == "Run 12" || t.text == "second try") ++lFound;
  }
  EXPECT_EQ(lFound, 2);
}

// Legend names are shortened to the legend's room; an empty name leaves out only its entry.
TEST_F(FigureLayoutTest, LegendNamesAreShortenedAndEmptyOnesLeftOut) {
  const RefPtr<MemoryDoubleVector> x(new MemoryDoubleVector({0.0, 1.0}));
  for (Legend::ePlace lPlace : {Legend::eAuto, Legend::eUpperLeft, Legend::eOutside}) {
    const Built b = Build(800, 500, [&](PlotArea& p) {
      p.SetLegendPlace(lPlace);
      p.AddCurve(x.Get(), x.Get(), kLong, false);
      p.AddCurve(x.Get(), x.Get(), "", false);
    });
    bool lLong = false, lOther = false;
    for (const TextBoxRender::Box& t : b.texts) {
      EXPECT_TRUE(t.x0 >= -1e-3 && t.x1 <= 800.001) << t.text;
      if (t.text.find(TextFit::kEllipsis) != std::string::npos) {
        lLong = true;
        // Never wider than half the data box (inside) or a third of the page (beside it).
        EXPECT_LE(t.x1 - t.x0, 800.0 / 2);
      }
      lOther = lOther || t.text == "other";
    }
    EXPECT_TRUE(lLong) << lPlace;
    EXPECT_TRUE(lOther) << lPlace;
  }
}

// A two-curve legend of which one name is empty still shows the other.
TEST_F(FigureLayoutTest, AnEmptyNameKeepsTheLegend) {
  const RefPtr<MemoryDoubleVector> x(new MemoryDoubleVector({0.0, 1.0}));
  TextBoxRender lRender;
  {
    Figure lFigure(600, 400);
    PlotArea& lPlot = lFigure.AddPlot();
    lPlot.AddCurve(x.Get(), x.Get(), "named", false);
    lPlot.AddCurve(x.Get(), x.Get(), "", false);
    CATViewer lViewer(600, 400);
    lFigure.Build(lViewer, *_Font);
    lViewer.Draw(lRender);
  }
  bool lNamed = false;
  for (const TextBoxRender::Box& t : lRender.Boxes) lNamed = lNamed || t.text == "named";
  EXPECT_TRUE(lNamed);
}

// A tiny page still shows the data, in a box on the page, leaving out what has no room.
TEST_F(FigureLayoutTest, TinyPagesShowTheData) {
  const int lSizes[][2] = {{16, 16}, {30, 20}, {60, 45}, {79, 59}};
  for (const auto& s : lSizes) {
    SCOPED_TRACE(std::to_string(s[0]) + "x" + std::to_string(s[1]));
    const Built b = Build(s[0], s[1], [](PlotArea& p) {
      p.SetTitle("Title");
      p.GetXAxis().SetLabel("Time [s]");
      p.GetYAxis().SetLabel("Level");
    });
    EXPECT_GE(b.box.GetLow().GetX(), 0.0);
    EXPECT_GE(b.box.GetLow().GetY(), 0.0);
    EXPECT_LE(b.box.GetHigh().GetX(), s[0]);
    EXPECT_LE(b.box.GetHigh().GetY(), s[1]);
    EXPECT_GE(Width(b.box), 0.5 * s[0]);
    EXPECT_GE(Height(b.box), 0.5 * s[1]);
    for (const TextBoxRender::Box& t : b.texts)
      EXPECT_TRUE(t.x0 >= -1e-3 && t.x1 <= s[0] + 1e-3 && t.y0 >= -1e-3 && t.y1 <= s[1] + 1e-3) << t.text;
  }
}

// A logarithmic axis says what it cannot show instead of inventing a range in silence.
TEST_F(FigureLayoutTest, LogarithmicAxesWarnAboutValuesAtOrBelowZero) {
  const struct {
    const char* what;
    std::vector<double> y;
    double min, max;
    const char* warning;
    double shownMax;  // NaN: not checked
  } lCases[] = {
      {"no value above zero", {-1.0, 0.0, -3.0}, NAN, NAN, "the logarithmic y axis has no value above 0", NAN},
      {"range from below zero", {1.0, 10.0, 100.0}, -5.0, 1000.0, "the logarithmic y axis cannot start at -5", 1000.0},
      {"range wholly below zero", {1.0, 10.0, 100.0}, -5.0, -1.0, "the logarithmic y axis cannot show the range", NAN},
  };
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.what);
    const Built b = Build(
        600, 400,
        [&](PlotArea& p) {
          p.GetYAxis().SetLog(true);
          p.GetYAxis().SetRange(c.min, c.max);
        },
        c.y);
    std::string lAll;
    for (const std::string& w : b.warnings) lAll += w + "\n";
    EXPECT_NE(lAll.find(c.warning), std::string::npos) << lAll;
    if (!std::isnan(c.shownMax)) {
      EXPECT_DOUBLE_EQ(b.yMax, c.shownMax);
    }
    EXPECT_GT(b.yMin, 0.0);
  }
}
