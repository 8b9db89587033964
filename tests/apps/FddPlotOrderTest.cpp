// fdd-plot end to end on data in awkward order and at the ends of the double range: descending
// X and Z draw the picture of the same data ascending, NaN samples are left out with a warning,
// any other order is refused naming where it breaks; ranges of +-1e308 and logarithmic axes within
// a decade get ticks with values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "FddPlotRun.h"

namespace {

const double n = NAN;

std::vector<double> Reversed(std::vector<double> iValues) {
  std::reverse(iValues.begin(), iValues.end());
  return iValues;
}

// values[i_x, i_z] of an nx x nz map (read with --transpose), with X and/or Z reversed.
std::vector<double> MapValues(int nx, int nz, bool iReverseX, bool iReverseZ) {
  std::vector<double> v;
  for (int i = 0; i < nx; ++i)
    for (int k = 0; k < nz; ++k) v.push_back((iReverseX ? nx - 1 - i : i) + 0.3 * (iReverseZ ? nz - 1 - k : k));
  return v;
}

// The pixels of a picture written by fdd-plot (empty when it was not).
std::vector<unsigned char> Picture(const std::string& iCommand, const std::string& iOut) {
  const Result r = RunFddPlot(iCommand + " -o " + Dir() + iOut);
  EXPECT_EQ(r.status, 0) << iCommand << "\n" << r.output;
  PngPixels lPng;
  return lPng.Load(Dir() + iOut) ? lPng.rgba : std::vector<unsigned char>();
}

// Texts below the data box: runs of columns with dark pixels in the band under the tick marks,
// runs closer than 5 columns counted as one text.
int TextsBelow(const PngPixels& iPng, const Box& iBox) {
  int lTexts = 0, lGap = 1000;
  for (int x = 0; x < iPng.width; ++x) {
    bool lDark = false;
    for (int y = iBox.bottom + 7; y < iBox.bottom + 22 && !lDark; ++y) {
      unsigned char p[4];
      lDark = iPng.Pixel(x, y, p) && p[0] < 140 && p[1] < 140 && p[2] < 140;
    }
    if (lDark && lGap >= 5) ++lTexts;
    lGap = lDark ? 0 : lGap + 1;
  }
  return lTexts;
}

}  // namespace

TEST(FddPlotOrder, DescendingDataDrawsThePictureOfTheSameDataAscending) {
  const std::vector<double> x = Range(10, 0, 9), z = Range(8, 10, 80), bx = {1, 2, 3, 4}, by = {4, 1, 3, 2};
  const std::string lAscending = "--x " + Npy("o_xa.npy", x) + " --z " + Npy("o_za.npy", z) + " --values " +
                                 Npy("o_va.npy", MapValues(10, 8, false, false), {10, 8}) + " --transpose";
  // Non-homogeneous rows, the second descending, then Z descending as well.
  const std::string lRowsUp = "--x-rows " + Npy("o_ra.npy", {0, 1, 2, 3, 0, 2, 4, n}, {2, 4}) + " --z " +
                              Npy("o_rza.npy", {10, 20}) + " --values " +
                              Npy("o_rva.npy", {1, 2, 3, 4, 5, 6, 7, n}, {2, 4});
  const std::vector<unsigned char> lMap = Picture("map " + lAscending, "o_a.png"),
                                   lRows = Picture("map " + lRowsUp, "o_ra.png"),
                                   lBar = Picture(
                                       "contribution --x " + Npy("o_bx.npy", bx) + " --y " + Npy("o_by.npy", by),
                                       "o_ba.png");
  ASSERT_FALSE(lMap.empty() || lRows.empty() || lBar.empty());
  const struct {
    std::string command;
    const std::vector<unsigned char>* expected;
  } lCases[] = {
      {"map --x " + Npy("o_xd.npy", Reversed(x)) + " --z " + Dir() + "o_za.npy --values " +
           Npy("o_vx.npy", MapValues(10, 8, true, false), {10, 8}) + " --transpose",
       &lMap},
      {"map --x " + Dir() + "o_xa.npy --z " + Npy("o_zd.npy", Reversed(z)) + " --values " +
           Npy("o_vz.npy", MapValues(10, 8, false, true), {10, 8}) + " --transpose",
       &lMap},
      {"map --x " + Dir() + "o_xd.npy --z " + Dir() + "o_zd.npy --values " +
           Npy("o_vxz.npy", MapValues(10, 8, true, true), {10, 8}) + " --transpose",
       &lMap},
      {"map --x-rows " + Npy("o_rd.npy", {0, 1, 2, 3, 4, 2, 0, n}, {2, 4}) + " --z " + Dir() + "o_rza.npy --values " +
           Npy("o_rvd.npy", {1, 2, 3, 4, 7, 6, 5, n}, {2, 4}),
       &lRows},
      {"map --x-rows " + Npy("o_rdz.npy", {4, 2, 0, n, 0, 1, 2, 3}, {2, 4}) + " --z " + Npy("o_rzd.npy", {20, 10}) +
           " --values " + Npy("o_rvdz.npy", {7, 6, 5, n, 1, 2, 3, 4}, {2, 4}),
       &lRows},
      {"contribution --x " + Npy("o_bxd.npy", Reversed(bx)) + " --y " + Npy("o_byd.npy", Reversed(by)), &lBar},
  };
  int lCase = 0;
  for (const auto& c : lCases)
    EXPECT_TRUE(Picture(c.command, "o_d.png") == *c.expected) << lCase++ << ": " << c.command;

  // The probe reads a sample of a descending map exactly where it lies, and the one sample of a 1 x 1 map.
  Result r =
      RunFddPlot("probe --x " + Dir() + "o_xd.npy --z " + Dir() + "o_zd.npy --values " + Dir() + "o_vxz.npy --transpose --at 3,20");
  EXPECT_NE(r.output.find("value at X=3, Z=20: 3.3"), std::string::npos) << r.output;
  r = RunFddPlot("probe --x " + Npy("o_1.npy", {3}) + " --z " + Dir() + "o_1.npy --values " +
                 Npy("o_11.npy", {7}, {1, 1}) + " --at 3,3");
  EXPECT_NE(r.output.find("value at X=3, Z=3: 7"), std::string::npos) << r.output;
}

TEST(FddPlotOrder, NaNSamplesAreLeftOutWithOneWarning) {
  // X with a NaN sample, and a row with a NaN inside: the picture of the data without them.
  const std::vector<unsigned char> lWithout =
      Picture("map --x " + Npy("n_x.npy", {0, 1, 3, 4}) + " --z " + Npy("n_z.npy", {1, 2, 3}) + " --values " +
                  Npy("n_v.npy", {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}, {4, 3}) + " --transpose",
              "n_a.png");
  const std::string lWith = "map --x " + Npy("n_xn.npy", {0, 1, n, 3, 4}) + " --z " + Dir() + "n_z.npy --values " +
                            Npy("n_vn.npy", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, {5, 3}) + " --transpose";
  Result r = RunFddPlot(lWith + " -o " + Dir() + "n_b.png");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("warning: left out 1 samples whose x or z is NaN"), std::string::npos) << r.output;
  PngPixels lPng;
  ASSERT_TRUE(lPng.Load(Dir() + "n_b.png"));
  EXPECT_TRUE(lPng.rgba == lWithout);

  const std::vector<unsigned char> lRow =
      Picture("map --x-rows " + Npy("n_r.npy", {0, 2, 3, 0, 1, 2}, {2, 3}) + " --z " + Npy("n_rz.npy", {1, 2}) +
                  " --values " + Npy("n_rv.npy", {1, 3, 4, 5, 6, 7}, {2, 3}),
              "n_ra.png");
  r = RunFddPlot("map --x-rows " + Npy("n_rn.npy", {0, n, 2, 3, 0, 1, 2, n}, {2, 4}) + " --z " + Dir() +
                 "n_rz.npy --values " + Npy("n_rvn.npy", {1, 2, 3, 4, 5, 6, 7, n}, {2, 4}) + " -o " + Dir() +
                 "n_rb.png");
  EXPECT_NE(r.output.find("left out 1 samples"), std::string::npos) << r.output;
  ASSERT_TRUE(lPng.Load(Dir() + "n_rb.png"));
  EXPECT_TRUE(lPng.rgba == lRow);
}

TEST(FddPlotOrder, DataInNoOrderIsRefusedWhereItBreaks) {
  const std::string lX = Npy("u_x.npy", {0, 1, 2, 3}), lZ = Npy("u_z.npy", {1, 2, 3});
  const std::string lV = Npy("u_v.npy", std::vector<double>(12, 1.0), {4, 3}) + " --transpose";
  const std::string lUnsorted = Npy("u_xu.npy", {4.1, 5, 4.1, 3.2}), lRows = Npy("u_r.npy", {0, 1, 2, 3, 5, 4}, {2, 3});
  const struct {
    std::string command, message;
  } lCases[] = {
      {"map --x " + lUnsorted + " --z " + lZ + " --values " + lV + " -o " + Dir() + "u.png",
       lUnsorted + ": values must be ascending or descending: x[2] = 4.1 follows x[1] = 5"},
      {"probe --x " + lX + " --z " + Npy("u_zu.npy", {3, n, 2, 2.5}) + " --values " +
           Npy("u_v4.npy", std::vector<double>(16, 1.0), {4, 4}) + " --at 1,2",
       Dir() + "u_zu.npy: values must be ascending or descending: z[3] = 2.5 follows z[2] = 2"},
      {"map --x-rows " + lRows + " --z " + Npy("u_rz.npy", {1, 2}) + " --values " + lRows + " -o " + Dir() + "u.png",
       lRows + ": values must be ascending or descending: x[1, 2] = 4 follows x[1, 1] = 5"},
      {"contribution --x " + lUnsorted + " --y " + lX + " -o " + Dir() + "u.png",
       lUnsorted + ": values must be ascending or descending: x[2] = 4.1 follows x[1] = 5"},
  };
  for (const auto& c : lCases) {
    const Result r = RunFddPlot(c.command);
    EXPECT_EQ(r.status, 1) << c.command;
    EXPECT_EQ(r.output, "fdd-plot: " + c.message + "\n");
  }
}

TEST(FddPlotOrder, ExtremeRangesAndLogarithmicAxesWithinADecadeShowValues) {
  // A curve over +-1e308, one over a span of 1e-307, and a logarithmic x over 40 .. 60: a line in
  // the data box, and at least two value texts under it.
  const struct {
    std::string options;
    int texts;
  } lCases[] = {
      {"--x " + Npy("e_x.npy", {-1e308, 0, 1e308}) + " --y " + Npy("e_y.npy", {-1e308, 1e308, -1e308}), 2},
      {"--x " + Npy("t_x.npy", Range(11, 1e-307, 2e-307)) + " --y " + Npy("t_y.npy", Range(11, 0, 1e-307)), 2},
      {"--x " + Npy("l_x.npy", Range(21, 40, 60)) + " --y " + Npy("l_y.npy", Range(21, 1, 2)) + " --log-x", 2},
  };
  for (const auto& c : lCases) {
    const std::string lOut = Dir() + "extreme.png";
    const Result r = RunFddPlot("curve " + c.options + " --size 600x400 -o " + lOut);
    ASSERT_EQ(r.status, 0) << r.output;
    PngPixels lPng;
    ASSERT_TRUE(lPng.Load(lOut));
    const Box b = GroundBox(lPng, 200, 300);
    ASSERT_GT(b.bottom - b.top, 100) << c.options;
    int lBlue = 0;
    for (int y = b.top; y <= b.bottom; ++y)
      for (int x = b.left; x <= b.right; ++x) {
        unsigned char p[4];
        lBlue += lPng.Pixel(x, y, p) && IsBlue(p) ? 1 : 0;
      }
    EXPECT_GT(lBlue, 200) << c.options;
    EXPECT_GE(TextsBelow(lPng, b), c.texts) << c.options;
  }

  // Value limits of +-1e308: the map shows its values in several colours along its middle row.
  const std::string lOut = Dir() + "e_map.png";
  const Result r = RunFddPlot("map --x " + Npy("e_mx.npy", {0, 1}) + " --z " + Npy("e_mz.npy", {0, 1}) + " --values " +
                              Npy("e_mv.npy", {-9e307, -3e307, 3e307, 9e307}, {2, 2}) +
                              " --transpose --value-limits -1e308,1e308 --colors grey --size 500x400 -o " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  PngPixels lPng;
  ASSERT_TRUE(lPng.Load(lOut));
  unsigned char lLeft[4], lRight[4];
  ASSERT_TRUE(lPng.Pixel(150, 200, lLeft) && lPng.Pixel(300, 200, lRight));
  EXPECT_GT(lRight[0] - lLeft[0], 60) << int(lLeft[0]) << " " << int(lRight[0]);
}
