// fdd-plot map and contribution, the everyday options end to end: logarithmic axes that put the
// data where it belongs, a logarithmic colour scale, and the colour tables with their ends.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "FddPlotRun.h"

namespace {

int Grey(const PngPixels& iPng, int x, int y) {
  unsigned char p[4];
  return iPng.Pixel(x, y, p) ? (p[0] + p[1] + p[2]) / 3 : -1;
}

// A contribution strip along row y: from the first pixel that is not page white to the last
// before white again (the colour scale lies beyond).
void Strip(const PngPixels& iPng, int y, int& oX0, int& oX1) {
  oX0 = oX1 = -1;
  for (int x = 0; x < iPng.width; ++x) {
    unsigned char p[4];
    iPng.Pixel(x, y, p);
    const bool lWhite = p[0] == 255 && p[1] == 255 && p[2] == 255;
    if (!lWhite && oX0 < 0) oX0 = x;
    if (lWhite && oX0 >= 0 && x > oX0 + 3) break;
    oX1 = x;
  }
}

}  // namespace

TEST(FddPlotMapOptions, LogAxesPutOrderLinesWhereTheDataDoes) {
  // Order 2 of a run-up (f = 2 * rpm / 60) as the only bright line, on a log axis of 10 .. 1000 Hz,
  // the speed on a linear or a logarithmic axis (600 .. 6000 rpm: one decade).
  std::vector<double> f, rpm, v;
  for (int i = 0; i <= 2000; ++i) f.push_back(i);
  for (int j = 0; j <= 90; ++j) rpm.push_back(600 + 60 * j);
  for (double r : rpm)
    for (double x : f) v.push_back(std::fabs(x - 2 * r / 60) < 1.5 ? 1.0 : 0.0);
  const std::string lX = Npy("logx_f.npy", f), lZ = Npy("logx_rpm.npy", rpm);
  const std::string lV = Npy("logx_v.npy", v, {rpm.size(), f.size()});
  for (const char* lMode : {"", " --order --z-factor 0.0166667", " --log-z", " --order --z-factor 0.0166667 --log-z"}) {
    const bool lLogZ = std::string(lMode).find("--log-z") != std::string::npos;
    const std::string lOut = Dir() + "logx.png";
    const Result r = RunFddPlot("map --x " + lX + " --z " + lZ + " --values " + lV + lMode +
                                " --log-x --x-limits 10,1000 --colors grey --size 500x400 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    // The box: the map's black ground along a row near its bottom and a column near its left.
    int x0 = -1, x1 = -1, y0 = -1, y1 = -1;
    for (int x = 0; x < 400; ++x)
      if (Grey(lPng, x, 380 - 60) == 0 && Grey(lPng, x + 1, 380 - 60) == 0) (x0 < 0 ? x0 : x1) = x;
    for (int y = 0; y < 400; ++y)
      if (Grey(lPng, x0 + 2, y) == 0) (y0 < 0 ? y0 : y1) = y;
    ASSERT_GT(x1 - x0, 200) << lMode;
    ASSERT_GT(y1 - y0, 200) << lMode;
    for (const double lRpm : {1200.0, 3000.0, 5400.0}) {
      const double lPlace = lLogZ ? std::log10(lRpm / 600) : (lRpm - 600) / 5400;
      const int y = y1 - static_cast<int>(std::lround(lPlace * (y1 - y0)));
      int lBright = -1;
      for (int x = x0; x <= x1 + 2; ++x)
        if (lBright < 0 || Grey(lPng, x, y) > Grey(lPng, lBright, y)) lBright = x;
      const double lExpected = x0 + (std::log10(2 * lRpm / 60) - 1) / 2 * (x1 - x0);
      EXPECT_NEAR(lBright, lExpected, 0.03 * (x1 - x0)) << lMode << " rpm " << lRpm;
    }
  }
}

TEST(FddPlotMapOptions, ColourTablesAndLogValues) {
  // A contribution bar of 1 .. 1000 over 0 .. 1, growing by a decade every third: its colours at
  // the ends and in the middle.
  std::vector<double> x = Range(301, 0, 1), y;
  for (double a : x) y.push_back(std::pow(10.0, 3 * a));
  const std::string lX = Npy("tab_x.npy", x), lY = Npy("tab_y.npy", y);
  const struct {
    const char* options;
    int low[3], middle[3], high[3];  // -1: not checked
  } kCases[] = {
      {"--colors grey", {0, 0, 0}, {8, 8, 8}, {255, 255, 255}},
      {"--colors grey --log-values", {0, 0, 0}, {128, 128, 128}, {255, 255, 255}},
      {"--colors grey_r --log-values", {255, 255, 255}, {127, 127, 127}, {0, 0, 0}},
      {"--colors magma", {0, 0, 4}, {-1, -1, -1}, {252, 253, 191}},
      {"--colors inferno_r", {252, 255, 164}, {-1, -1, -1}, {0, 0, 4}},
      {"--colors plasma --log-values", {13, 8, 135}, {204, 71, 120}, {240, 249, 33}},
      {"--colors cividis --log-values", {0, 34, 78}, {125, 124, 120}, {254, 232, 56}},
      {"--colors turbo_r --log-values", {122, 4, 3}, {164, 252, 60}, {-1, -1, -1}},
  };
  for (const auto& c : kCases) {
    const std::string lOut = Dir() + "table.png";
    const Result r = RunFddPlot("contribution --x " + lX + " --y " + lY + " " + c.options + " --size 700x200 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    const int y = 60;
    int x0 = -1, x1 = -1;
    Strip(lPng, y, x0, x1);
    ASSERT_GT(x1 - x0, 300) << c.options;
    const int* lWant[3] = {c.low, c.middle, c.high};
    const int lAt[3] = {x0 + 2, (x0 + x1) / 2, x1 - 2};
    for (int k = 0; k < 3; ++k) {
      if (lWant[k][0] < 0) continue;
      unsigned char p[4];
      ASSERT_TRUE(lPng.Pixel(lAt[k], y, p));
      for (int ch = 0; ch < 3; ++ch) EXPECT_NEAR(p[ch], lWant[k][ch], 6) << c.options << " place " << k << " channel " << ch;
    }
  }
  const Result r = RunFddPlot("contribution --x " + lX + " --y " + lY + " --colors jet -o " + Dir() + "jet.png");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("--colors jet: choose viridis, magma, inferno, plasma, cividis, turbo, rainbow or grey"),
            std::string::npos)
      << r.output;
}

TEST(FddPlotMapOptions, NearestShadingShowsEachSampleAsAFlatCell) {
  // Four X samples, three Z samples: the middle row of the map is the samples 3, 2, 1, 0.
  const std::string lX = Npy("cell_x.npy", {0, 1, 2, 3}), lZ = Npy("cell_z.npy", {0, 1, 2});
  const std::string lV = Npy("cell_v.npy", {0, 1, 2, 3, 3, 2, 1, 0, 1, 3, 0, 2}, {3, 4});
  const struct {
    const char* shading;
    // Distinct colours along a row through the middle samples: all, and those wider than the
    // blend of a box edge (2 pixels).
    size_t minAll, minWide, maxWide;
  } kCases[] = {{"linear", 40, 0, 1000}, {"nearest", 4, 4, 4}};
  for (const auto& c : kCases) {
    const std::string lOut = Dir() + "cells.png";
    const Result r = RunFddPlot("map --x " + lX + " --z " + lZ + " --values " + lV + " --shading " + c.shading +
                                " --size 400x300 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    // A row in the middle third of the box, clear of the tick value "1": the first run of colours
    // (no grey, no white) is the map, the colour scale comes after a gap.
    const int y = lPng.height / 2 - 30;
    std::map<unsigned int, int> lCount;
    bool lStarted = false;
    for (int x = 0; x < lPng.width; ++x) {
      unsigned char p[4];
      lPng.Pixel(x, y, p);
      const bool lColour = !(p[0] == p[1] && p[1] == p[2]);
      if (!lColour && lStarted) break;
      if (!lColour) continue;
      lStarted = true;
      const unsigned int lRgb = (p[0] << 16) | (p[1] << 8) | p[2];
      ++lCount[lRgb];
    }
    size_t lWide = 0;
    for (const auto& e : lCount) lWide += e.second > 2 ? 1 : 0;
    EXPECT_GE(lCount.size(), c.minAll) << c.shading;
    EXPECT_GE(lWide, c.minWide) << c.shading;
    EXPECT_LE(lWide, c.maxWide) << c.shading;
  }
}

TEST(FddPlotMapOptions, LogXContributionSpacesDecadesEvenly) {
  // Values log10(x) over x = 1 .. 1000 in grey: on a logarithmic axis the grey grows evenly along
  // the strip, on a linear one it is nearly white from a fifth of the way on.
  std::vector<double> x, y;
  for (int i = 0; i <= 600; ++i) {
    x.push_back(std::pow(10.0, 3.0 * i / 600));
    y.push_back(3.0 * i / 600);
  }
  const std::string lX = Npy("logbar_x.npy", x), lY = Npy("logbar_y.npy", y);
  for (const bool lLog : {false, true}) {
    const std::string lOut = Dir() + "logbar.png";
    const Result r = RunFddPlot("contribution --x " + lX + " --y " + lY + " --colors grey --x-limits 1,1000" +
                                (lLog ? " --log-x" : "") + " --size 700x200 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    int x0 = -1, x1 = -1;
    Strip(lPng, 60, x0, x1);
    ASSERT_GT(x1 - x0, 300);
    for (const double f : {0.25, 0.5, 0.75}) {
      const int lGrey = Grey(lPng, x0 + static_cast<int>(f * (x1 - x0)), 60);
      // Linear axis: x = 1 + 999 f, grey = 255 log10(x) / 3.
      const double lExpected = lLog ? 255 * f : 255 * std::log10(1 + 999 * f) / 3;
      EXPECT_NEAR(lGrey, lExpected, 8) << (lLog ? "log " : "linear ") << f;
    }
  }
}
