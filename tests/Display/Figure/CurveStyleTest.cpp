// The look of curves: dashes cut from a line (the pattern running on across vertices and the clip
// box, starting again after a gap) and the style words people write.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CATSymbolType.h"
#include "DashedLine.h"
#include "StyleNames.h"

namespace {

// "x,y x,y | x,y": the dashes' points, a bar for each break.
std::string Points(const std::vector<CATMathPoint2Df>& iPoints) {
  std::string lText;
  for (const CATMathPoint2Df& p : iPoints) {
    if (!lText.empty()) lText += " ";
    lText += std::isnan(p.x) ? "|" : std::to_string(static_cast<int>(std::lround(p.x))) + "," +
                                              std::to_string(static_cast<int>(std::lround(p.y)));
  }
  return lText;
}

}  // namespace

TEST(DashedLine, CutsDashesAlongTheLine) {
  const double kNaN = NAN;
  const struct {
    const char* what;
    std::vector<double> pattern;
    CATMathBox2D clip;
    std::vector<std::pair<double, double>> points;
    const char* dashes;
  } kCases[] = {
      {"dashes of 2, gaps of 1", {2, 1}, CATMathBox2D(-50, 50, -50, 50), {{0, 0}, {10, 0}},
       "0,0 2,0 | 3,0 5,0 | 6,0 8,0 | 9,0 10,0"},
      {"the box cuts, the pattern runs on", {2, 1}, CATMathBox2D(4, 7, -1, 1), {{0, 0}, {10, 0}}, "4,0 5,0 | 6,0 7,0"},
      {"a dash goes round a corner", {2, 1}, CATMathBox2D(-50, 50, -50, 50), {{0, 0}, {1, 0}, {1, 3}},
       "0,0 1,0 1,1 | 1,2 1,3"},
      {"a gap starts the pattern again", {1, 1}, CATMathBox2D(-50, 50, -50, 50), {{0, 0}, {1.5, 0}, {kNaN, 0}, {5, 0}, {6, 0}},
       "0,0 1,0 | 5,0 6,0"},
      {"outside the box nothing", {2, 1}, CATMathBox2D(0, 10, 5, 10), {{0, 0}, {10, 0}}, ""},
      {"no pattern: the whole line", {}, CATMathBox2D(-50, 50, -50, 50), {{0, 0}, {4, 0}, {4, 4}}, "0,0 4,0 4,4"},
  };
  for (const auto& c : kCases) {
    DashedLine lLine(c.pattern, c.clip);
    for (const auto& p : c.points) lLine.Add(p.first, p.second);
    EXPECT_EQ(Points(lLine.GetPoints()), c.dashes) << c.what;
  }  // Samples closer than half a unit merge: a dense line keeps about two points a unit, and its ends.
  DashedLine lDense({}, CATMathBox2D(-50, 50, -50, 50));
  for (int i = 0; i <= 1000; ++i) lDense.Add(i / 100.0, 0.0);
  const std::vector<CATMathPoint2Df>& lPoints = lDense.GetPoints();
  ASSERT_FALSE(lPoints.empty());
  EXPECT_LE(lPoints.size(), 30u);
  EXPECT_EQ(lPoints.front().x, 0.0f);
  EXPECT_EQ(lPoints.back().x, 10.0f);  // Far points (a value far outside the range shown) cost no more than the box is long.
  DashedLine lFar({2, 1}, CATMathBox2D(0, 10, 0, 10));
  lFar.Add(-1e300, 5.0);
  lFar.Add(1e300, 5.0);
  lFar.Add(1e300, 1e300);
  EXPECT_LE(lFar.GetPoints().size(), 20u);
  for (const CATMathPoint2Df& p : lFar.GetPoints()) {
    EXPECT_TRUE(std::isnan(p.x) || (p.x >= 0 && p.x <= 10 && p.y == 5.0f)) << p.x << "," << p.y;
  }
}

TEST(StyleNames, CompactFormAndLongWords) {
  const struct {
    const char* text;
    bool known;
    int red, green, blue;
    bool line;
    SeriesStyle::eDash dash;
    int symbol;  // -1 without symbols
  } kCases[] = {
      {"r--o", true, 255, 0, 0, true, SeriesStyle::eDashed, CATSymbolFilledCircle},
      {"o", true, 1, 2, 3, false, SeriesStyle::eSolid, CATSymbolFilledCircle},
      {"k", true, 0, 0, 0, true, SeriesStyle::eSolid, -1},
      {"C1-.", true, 255, 127, 14, true, SeriesStyle::eDashDot, -1},
      {":^b", true, 0, 0, 255, true, SeriesStyle::eDotted, CATSymbolFilledTriangle},
      {"r-q", false, 1, 2, 3, true, SeriesStyle::eSolid, -1},
      {"", false, 1, 2, 3, true, SeriesStyle::eSolid, -1},
  };
  for (const auto& c : kCases) {
    SeriesStyle lStyle;
    lStyle.Red = 1;
    lStyle.Green = 2;
    lStyle.Blue = 3;
    EXPECT_EQ(StyleNames::Compact(c.text, lStyle), c.known) << c.text;
    EXPECT_EQ(lStyle.Red * 65536 + lStyle.Green * 256 + lStyle.Blue, c.red * 65536 + c.green * 256 + c.blue) << c.text;
    EXPECT_EQ(lStyle.Line, c.line) << c.text;
    EXPECT_EQ(lStyle.Dash, c.dash) << c.text;
    EXPECT_EQ(lStyle.Symbols ? lStyle.Symbol : -1, c.symbol) << c.text;
  }
  SeriesStyle lStyle;
  EXPECT_TRUE(StyleNames::Color("#0a0B0c", lStyle));
  EXPECT_EQ(lStyle.Red * 65536 + lStyle.Green * 256 + lStyle.Blue, 0x0a0b0c);
  for (const char* lBad : {"#0a0b0", "#0a0b0g", "C", "Red"}) EXPECT_FALSE(StyleNames::Color(lBad, lStyle)) << lBad;
  // No line and no symbol would draw nothing: "none" brings a symbol.
  EXPECT_TRUE(StyleNames::Dashes("none", lStyle));
  EXPECT_FALSE(lStyle.Line);
  EXPECT_TRUE(lStyle.Symbols);
}
