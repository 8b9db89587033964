// fdd-plot map with one sample along X or Z and flat cells: the sample is a cell of width 1 around
// it that the map fills and the axis range covers, in the picture and in the probe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FddPlotRun.h"

namespace {

// Pixels along a row (iAlongRow) or a column through iAt that are coloured (not grey or white).
int Coloured(const PngPixels& iPng, bool iAlongRow, int iAt) {
  int lCount = 0;
  const int n = iAlongRow ? iPng.width : iPng.height;
  for (int k = 0; k < n; ++k) {
    unsigned char p[4];
    if (!iPng.Pixel(iAlongRow ? k : iAt, iAlongRow ? iAt : k, p)) continue;
    lCount += p[0] == p[1] && p[1] == p[2] ? 0 : 1;
  }
  return lCount;
}

}  // namespace

TEST(FddPlotSingleSampleMap, NearestShadingFillsTheCellOfASingleSample) {
  const std::string lFive = Npy("single_five.npy", {0, 1, 2, 3, 4}), lOne = Npy("single_one.npy", {3});
  const struct {
    std::string data, at, value;
  } kCases[] = {
      {"--x " + lFive + " --z " + lOne + " --values " + Npy("single_v15.npy", {0, 1, 2, 3, 4}, {1, 5}), "2,3.4",
       "value at X=2, Z=3.4: 2"},
      {"--x " + lOne + " --z " + lFive + " --values " + Npy("single_v51.npy", {0, 1, 2, 3, 4}, {5, 1}), "2.6,2",
       "value at X=2.6, Z=2: 2"},
      {"--x " + lOne + " --z " + lOne + " --values " + Npy("single_v11.npy", {7}, {1, 1}), "3.4,2.6",
       "value at X=3.4, Z=2.6: 7"},
  };
  for (const auto& c : kCases) {
    const std::string lOut = Dir() + "single.png";
    const Result r = RunFddPlot("map " + c.data + " --shading nearest --size 400x300 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    // The map fills its box both ways (a line of one pixel did before): a row and a column
    // through the middle of the box cross more than a hundred coloured pixels of it.
    EXPECT_GT(Coloured(lPng, true, lPng.height / 2), 100) << c.data;
    EXPECT_GT(Coloured(lPng, false, lPng.width / 3), 100) << c.data;
    const Result q = RunFddPlot("probe " + c.data + " --shading nearest --at " + c.at);
    EXPECT_NE(q.output.find(c.value), std::string::npos) << c.data << ": " << q.output;
  }
}
