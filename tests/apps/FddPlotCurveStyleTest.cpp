// fdd-plot curve, the everyday options end to end: limits that cut the curve at the box, the
// pixels of styled lines, grid lines at the ticks, legend places and a second value axis.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FddPlotRun.h"

namespace {

const int kW = 500, kH = 320;

// Runs "curve <iArguments> --size 500x320 -o <iName>.png" and loads the picture.
void Plot(const std::string& iArguments, const std::string& iName, PngPixels& oPng) {
  const std::string lOut = Dir() + iName + ".png";
  const Result r = RunFddPlot("curve " + iArguments + " --size 500x320 -o " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  ASSERT_TRUE(oPng.Load(lOut));
}

bool Is(const PngPixels& iPng, int x, int y, int r, int g, int b) {
  unsigned char p[4];
  return iPng.Pixel(x, y, p) && p[0] == r && p[1] == g && p[2] == b;
}

bool IsDark(const PngPixels& iPng, int x, int y) {
  unsigned char p[4];
  return iPng.Pixel(x, y, p) && p[0] < 120 && p[1] < 120 && p[2] < 120;
}

// The data box: the ground's extent along a row and a column near the box's lower left (where the
// tests' curves and legends are not).
Box DataBox(const PngPixels& iPng) { return GroundBox(iPng, kH - 70, 90); }

}  // namespace

TEST(FddPlotCurveStyle, LimitsCutTheCurveAtTheBox) {
  // y = x over [0, 10] shown over [2, 8] x [2, 8]: the line runs corner to corner, nothing outside.
  const std::string x = Npy("cut_x.npy", Range(101, 0, 10));
  PngPixels lPng;
  ASSERT_NO_FATAL_FAILURE(Plot("--x " + x + " --y " + x + " --x-limits 2,8 --y-limits 2,8", "cut", lPng));
  const Box b = GroundBox(lPng, kH / 2 + 40, kW / 2 - 60);
  ASSERT_GT(b.right - b.left, 200);
  int lInside = 0, lOutside = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      unsigned char p[4];
      if (!lPng.Pixel(x, y, p) || !IsBlue(p)) continue;
      (x >= b.left - 1 && x <= b.right + 1 && y >= b.top - 1 && y <= b.bottom + 1 ? lInside : lOutside)++;
    }
  EXPECT_GT(lInside, 200);
  EXPECT_EQ(lOutside, 0);
  // The curve reaches both corners.
  unsigned char p[4];
  bool lLowLeft = false, lHighRight = false;
  for (int d = 0; d < 4; ++d) {
    lLowLeft |= lPng.Pixel(b.left + d, b.bottom - d, p) && IsBlue(p);
    lHighRight |= lPng.Pixel(b.right - d, b.top + d, p) && IsBlue(p);
  }
  EXPECT_TRUE(lLowLeft && lHighRight);
}

TEST(FddPlotCurveStyle, LinesShowTheirColourAndDashes) {
  // A level line through the middle of the box; along its row, the runs of its colour.
  const std::string y = Npy("level_y.npy", std::vector<double>(9, 1.0));
  const struct {
    const char* options;
    int red, green, blue;
    int minRuns, maxRuns;  // runs of the colour along the row
    int width;             // the line's width across it, in pixels (-1: not checked)
  } kCases[] = {
      {"--color '#00c000'", 0, 192, 0, 1, 1, 2},
      {"--color '#00c000' --line-width 5", 0, 192, 0, 1, 1, 5},
      {"--color '#00c000' --dashes dashed", 0, 192, 0, 12, 200, -1},
      {"--style 'r:'", 255, 0, 0, 30, 300, -1},
      {"--style 'k--' --dashes dotted --line-width 3", 0, 0, 0, 30, 300, -1},
      {"--style 'mo'", 191, 0, 191, 9, 9, -1},  // symbols only: one run per sample
  };
  int lCase = 0;
  for (const auto& c : kCases) {
    PngPixels lPng;
    ASSERT_NO_FATAL_FAILURE(Plot("--y " + y + " " + c.options, "level" + std::to_string(lCase++), lPng));
    const Box b = DataBox(lPng);
    ASSERT_GT(b.bottom - b.top, 100) << c.options;
    const int lRow = (b.top + b.bottom) / 2;
    int lBest = 0;
    for (int dy = -2; dy <= 2; ++dy) {
      int lRuns = 0;
      bool lIn = false;
      for (int x = b.left; x <= b.right; ++x) {
        const bool lColour = Is(lPng, x, lRow + dy, c.red, c.green, c.blue);
        if (lColour && !lIn) ++lRuns;
        lIn = lColour;
      }
      lBest = std::max(lBest, lRuns);
    }
    EXPECT_GE(lBest, c.minRuns) << c.options;
    EXPECT_LE(lBest, c.maxRuns) << c.options;
    if (c.width < 0) continue;
    // The coverage of the pixels of a column, from the red channel: ground 250, the line 0.
    double lWidth = 0.0;
    for (int y = b.top + 2; y <= b.bottom - 2; ++y) {
      unsigned char p[4];
      if (lPng.Pixel((b.left + b.right) / 2, y, p)) lWidth += (250.0 - p[0]) / 250.0;
    }
    EXPECT_NEAR(lWidth, c.width, 0.3) << c.options;
  }
}

TEST(FddPlotCurveStyle, LabelsNameTheCurvesInTheLegend) {
  // The legend's white box grows with the name given to the curve.
  const std::string y = Npy("label_y.npy", {0, 1, 2});
  int lWhite[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    PngPixels lPng;
    ASSERT_NO_FATAL_FAILURE(Plot("--y " + y + " --legend upper-left --label " + (i ? "'a much longer name'" : "a"),
                                 "label" + std::to_string(i), lPng));
    for (int y2 = 0; y2 < kH / 2; ++y2)
      for (int x = 0; x < kW; ++x) lWhite[i] += Is(lPng, x, y2, 255, 255, 255) && x > 60 && x < kW - 60;
  }
  EXPECT_GT(lWhite[1], lWhite[0] + 1000);
}

TEST(FddPlotCurveStyle, GridLinesMeetTheMajorTicks) {
  const std::string x = Npy("grid_x.npy", Range(11, 0, 10));
  for (const bool lGrid : {false, true}) {
    PngPixels lPng;
    ASSERT_NO_FATAL_FAILURE(Plot("--x " + x + " --y " + x + (lGrid ? " --grid" : ""), lGrid ? "grid" : "nogrid", lPng));
    const Box b = DataBox(lPng);
    ASSERT_GT(b.right - b.left, 200);
    // Major ticks reach 6 pixels below the box, minor ones 3: the columns dark 5 pixels below.
    std::vector<int> lTicks;
    for (int x = b.left + 2; x <= b.right - 2; ++x)
      if (IsDark(lPng, x, b.bottom + 5) && (lTicks.empty() || x > lTicks.back() + 1)) lTicks.push_back(x);
    ASSERT_GE(lTicks.size(), 3u);
    // The grid's light grey in a row: the row between horizontal grid lines has it just at the
    // tick columns.
    auto lGridColumns = [&](int iRow, bool iCheck) {
      int n = 0;
      for (int x = b.left + 2; x <= b.right - 2; ++x) {
        unsigned char p[4];
        if (!lPng.Pixel(x, iRow, p) || !(p[0] < 240 && p[0] > 200 && p[0] == p[1] && p[1] == p[2])) continue;
        ++n;
        bool lAtTick = false;
        for (int t : lTicks) lAtTick |= x >= t - 1 && x <= t + 1;
        if (iCheck) {
          EXPECT_TRUE(lAtTick) << x;
        }
      }
      return n;
    };
    int lRow = b.bottom - 5;
    for (int y = b.bottom - 5; y > (b.top + b.bottom) / 2; --y)
      if (lGridColumns(y, false) < lGridColumns(lRow, false)) lRow = y;
    const int n = lGridColumns(lRow, true);
    EXPECT_EQ(n > 0, lGrid);
    if (lGrid) {
      EXPECT_LE(n, 2 * static_cast<int>(lTicks.size()));
    }
  }
}

TEST(FddPlotCurveStyle, LegendGoesWhereItIsSent) {
  // A curve high along the box leaves the lower corners free; the legend's white box shows where.
  const std::string y = Npy("high_y.npy", {0, 10, 10, 10, 10, 10, 10, 10, 10}), z = Npy("low_y.npy", {0, 0, 9, 0, 0});
  const struct {
    const char* place;
    int quadrant;  // 0 upper left, 1 upper right, 2 lower left, 3 lower right, -1 none inside
  } kCases[] = {{"upper-left", 0}, {"upper-right", 1}, {"lower-left", 2}, {"lower-right", 3},
                {"best", 3},       {"none", -1},       {"outside", -1}};
  for (const auto& c : kCases) {
    PngPixels lPng;
    ASSERT_NO_FATAL_FAILURE(
        Plot("--y " + y + " --y " + z + " --legend " + c.place + " --label high", std::string("legend-") + c.place, lPng));
    const Box b = GroundBox(lPng, (kH) / 2, 70);
    ASSERT_GT(b.right - b.left, 100) << c.place;
    int lWhite[4] = {0, 0, 0, 0};
    for (int y2 = b.top; y2 <= b.bottom; ++y2)
      for (int x = b.left; x <= b.right; ++x)
        if (Is(lPng, x, y2, 255, 255, 255))
          ++lWhite[(x > (b.left + b.right) / 2 ? 1 : 0) + (y2 > (b.top + b.bottom) / 2 ? 2 : 0)];
    for (int q = 0; q < 4; ++q) EXPECT_EQ(lWhite[q] > 100, q == c.quadrant) << c.place << " " << q;
  }
}

TEST(FddPlotCurveStyle, SecondAxisHasItsOwnRangeAndTextsOnTheRight) {
  // Values 0..1 on the left, 1000..2000 on the right: each curve spans the whole box height.
  const std::string y = Npy("left_y.npy", Range(50, 0, 1)), y2 = Npy("right_y.npy", Range(50, 2000, 1000));
  for (const char* lSize : {"", " --size 150x200"}) {
    const std::string lOut = Dir() + "y2" + std::to_string(lSize[0] != 0) + ".png";
    const Result r = RunFddPlot("curve --y " + y + " --y2 " + y2 + " --ylabel Left --y2-label 'Speed [rpm]' -o " +
                                lOut + (lSize[0] ? lSize : " --size 500x320"));
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    const Box b = GroundBox(lPng, lPng.height / 2, lPng.width / 2);
    ASSERT_GT(b.right - b.left, 10) << lSize;
    // Texts of the left axis end left of the box, those of the right one start right of it: dark
    // pixels on both sides, none of either axis's texts inside the box.
    int lLeft = 0, lRight = 0;
    for (int y2 = b.top; y2 <= b.bottom; ++y2)
      for (int x = 0; x < lPng.width; ++x)
        if (IsDark(lPng, x, y2) && (x < b.left || x > b.right)) {
          (x < b.left ? lLeft : lRight)++;
        }
    EXPECT_GT(lLeft, 20) << lSize;
    EXPECT_GT(lRight, 20) << lSize;
    for (int y2 = b.top + 3; y2 <= b.bottom - 3; ++y2)
      for (int x = b.left + 8; x <= b.right - 8; ++x) EXPECT_FALSE(IsDark(lPng, x, y2)) << x << "," << y2 << lSize;
    if (lSize[0]) continue;
    // The falling right curve (orange) starts at the top and ends at the bottom of the box.
    auto lOrange = [&](int x, int yy) {
      unsigned char p[4];
      return lPng.Pixel(x, yy, p) && p[0] > 200 && p[1] > 90 && p[1] < 160 && p[2] < 80;
    };
    bool lTop = false, lBottom = false;
    for (int x = b.left; x < b.left + 30; ++x)
      for (int d = 0; d < 25; ++d) lTop |= lOrange(x, b.top + d);
    for (int x = b.right - 30; x <= b.right; ++x)
      for (int d = 0; d < 25; ++d) lBottom |= lOrange(x, b.bottom - d);
    EXPECT_TRUE(lTop && lBottom);
  }
}

TEST(FddPlotCurveStyle, BadStylesAreUsageErrors) {
  const std::string y = Npy("style_y.npy", {1, 2, 3});
  const struct {
    const char* options;
    const char* message;
  } kCases[] = {
      {"--color nocolour", "--color 'nocolour': name a colour"},
      {"--color '#12345'", "--color '#12345'"},
      {"--style 'r-q'", "--style 'r-q'"},
      {"--dashes wavy", "--dashes 'wavy': choose solid"},
      {"--marker star", "--marker 'star': choose circle"},
      {"--line-width 0", "--line-width 0"},
      {"--color red --color blue", "--color is given 2 times for 1 curve"},
      {"--label a --label b", "--label is given 2 times for 1 curve"},
      {"--legend middle", "--legend 'middle': choose auto"},
      {"--y-limits 3,1", "--y-limits 3,1: the limits A,B need A < B"},
  };
  for (const auto& c : kCases) {
    const Result r = RunFddPlot("curve --y " + y + " " + c.options + " -o " + Dir() + "bad-style.png");
    EXPECT_EQ(r.status, 2) << c.options << "\n" << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.options << "\n" << r.output;
  }
}
