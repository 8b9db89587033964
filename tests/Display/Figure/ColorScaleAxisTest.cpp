#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ColorScaleAxis.h"

namespace {

std::string ColorOf(ColorScaleAxis& iAxis, double iValue, double iShift = 0.0) {
  int r = -1, g = -1, b = -1;
  iAxis.GetColor(iValue, iShift, r, g, b);
  return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::string kNaNColor = std::to_string(ColorScaleAxis::kNaNRed) + "," +
                              std::to_string(ColorScaleAxis::kNaNGreen) + "," + std::to_string(ColorScaleAxis::kNaNBlue);

}  // namespace

TEST(ColorScaleAxis, ViridisAlongTheRange) {
  ColorScaleAxis* lAxis = new ColorScaleAxis(-2.0, 2.0);
  EXPECT_EQ(lAxis->GetTable(), ColorScaleAxis::Viridis);
  // The well-known points of viridis: dark purple, blue, teal, green, yellow (the 256-entry table,
  // interpolated between its entries).
  EXPECT_EQ(ColorOf(*lAxis, -2.0), "68,1,84");
  EXPECT_EQ(ColorOf(*lAxis, -1.0), "59,82,139");
  EXPECT_EQ(ColorOf(*lAxis, 0.0), "33,145,141");
  EXPECT_EQ(ColorOf(*lAxis, 1.0), "93,200,99");
  EXPECT_EQ(ColorOf(*lAxis, 2.0), "253,231,37");
  // Outside the range the nearer end; infinities too.
  EXPECT_EQ(ColorOf(*lAxis, -50.0), "68,1,84");
  EXPECT_EQ(ColorOf(*lAxis, 1e300), "253,231,37");
  EXPECT_EQ(ColorOf(*lAxis, -kInf), "68,1,84");
  EXPECT_EQ(ColorOf(*lAxis, kInf), "253,231,37");
  EXPECT_EQ(lAxis->GetRefCount(), 1u);
  lAxis->Release();
}

TEST(ColorScaleAxis, ViridisIsMonotoneInLightness) {
  // Perceptual uniformity shows as a lightness that never falls along the table.
  ColorScaleAxis lAxis(0.0, 1.0);
  double lPrevious = -1.0;
  for (int k = 0; k <= 1000; ++k) {
    int r = 0, g = 0, b = 0;
    lAxis.GetColor(k / 1000.0, 0.0, r, g, b);
    const double lLuma = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    EXPECT_GE(lLuma, lPrevious - 0.75) << k;
    lPrevious = lLuma;
  }
}

TEST(ColorScaleAxis, RainbowAndGrey) {
  ColorScaleAxis lRainbow(0.0, 8.0, ColorScaleAxis::Rainbow);
  EXPECT_EQ(ColorOf(lRainbow, 0.0), "0,0,128");
  EXPECT_EQ(ColorOf(lRainbow, 3.0), "0,255,255");
  EXPECT_EQ(ColorOf(lRainbow, 4.0), "128,255,128");
  EXPECT_EQ(ColorOf(lRainbow, 5.0), "255,255,0");
  EXPECT_EQ(ColorOf(lRainbow, 7.0), "255,0,0");
  EXPECT_EQ(ColorOf(lRainbow, 8.0), "128,0,0");
  EXPECT_EQ(ColorOf(lRainbow, 6.5), "255,64,0");

  ColorScaleAxis lGrey(0.0, 255.0, ColorScaleAxis::Grey);
  for (int v = 0; v <= 255; ++v) EXPECT_EQ(ColorOf(lGrey, v), std::to_string(v) + "," + std::to_string(v) + "," + std::to_string(v));
}

TEST(ColorScaleAxis, ReversedRangeShiftAndEqualLimits) {
  ColorScaleAxis lReversed(10.0, 0.0, ColorScaleAxis::Grey);
  EXPECT_EQ(ColorOf(lReversed, 10.0), "0,0,0");
  EXPECT_EQ(ColorOf(lReversed, 0.0), "255,255,255");

  ColorScaleAxis lGrey(0.0, 1.0, ColorScaleAxis::Grey);
  EXPECT_EQ(ColorOf(lGrey, 0.25, 0.5), ColorOf(lGrey, 0.75));
  EXPECT_EQ(ColorOf(lGrey, 0.25, kInf), "255,255,255");

  ColorScaleAxis lEqual(3.0, 3.0, ColorScaleAxis::Grey);
  EXPECT_EQ(ColorOf(lEqual, 2.0), "0,0,0");
  EXPECT_EQ(ColorOf(lEqual, 3.0), "128,128,128");
  EXPECT_EQ(ColorOf(lEqual, 4.0), "255,255,255");
}

TEST(ColorScaleAxis, NaNTakesTheFixedColour) {
  // Whatever the table and limits, also when the place in the table is NaN for other reasons.
  ColorScaleAxis lViridis(0.0, 1.0);
  ColorScaleAxis lEqual(3.0, 3.0, ColorScaleAxis::Rainbow);
  ColorScaleAxis lNaNLimits(kNaN, 1.0, ColorScaleAxis::Grey);
  ColorScaleAxis lInfiniteLimits(-kInf, kInf);
  EXPECT_EQ(ColorOf(lViridis, kNaN), kNaNColor);
  EXPECT_EQ(ColorOf(lEqual, kNaN), kNaNColor);
  EXPECT_EQ(ColorOf(lNaNLimits, 0.5), kNaNColor);
  EXPECT_EQ(ColorOf(lInfiniteLimits, 0.5), kNaNColor);
  EXPECT_EQ(ColorOf(lViridis, 0.5, kNaN), kNaNColor);
  EXPECT_EQ(ColorOf(lViridis, kInf, -kInf), kNaNColor);
}

TEST(ColorScaleAxis, TableNames) {
  ColorScaleAxis::eTable lTable = ColorScaleAxis::Grey;
  EXPECT_TRUE(ColorScaleAxis::TableFromName("viridis", lTable));
  EXPECT_EQ(lTable, ColorScaleAxis::Viridis);
  EXPECT_TRUE(ColorScaleAxis::TableFromName("rainbow", lTable));
  EXPECT_EQ(lTable, ColorScaleAxis::Rainbow);
  EXPECT_TRUE(ColorScaleAxis::TableFromName("gray", lTable));
  EXPECT_EQ(lTable, ColorScaleAxis::Grey);
  EXPECT_FALSE(ColorScaleAxis::TableFromName("jet", lTable));
  EXPECT_EQ(lTable, ColorScaleAxis::Grey);
  for (ColorScaleAxis::eTable t : {ColorScaleAxis::Viridis, ColorScaleAxis::Rainbow, ColorScaleAxis::Grey}) {
    ColorScaleAxis::eTable lBack = ColorScaleAxis::Viridis;
    EXPECT_TRUE(ColorScaleAxis::TableFromName(ColorScaleAxis::TableName(t), lBack));
    EXPECT_EQ(lBack, t);
  }
}

// The pixels of many values at once are the colours of each value, with NaN transparent: every
// kind of scale, values outside the range, at its ends and densely across it (so that a large
// image's shortcuts are taken), on pixels 8 bytes apart.
TEST(ColorScaleAxis, PixelColorsAreTheColoursOfEachValue) {
  struct Case {
    double min, max;
    ColorScaleAxis::eTable table;
    bool reversed, log;
  };
  const Case kCases[] = {{-2.0, 2.0, ColorScaleAxis::Viridis, false, false},
                         {0.0, 70.0, ColorScaleAxis::Rainbow, true, false},
                         {1.0, 1.0, ColorScaleAxis::Grey, false, false},
                         {1e-3, 1e3, ColorScaleAxis::Magma, false, true},
                         {5.0, -5.0, ColorScaleAxis::Turbo, true, false},
                         {1e9, 1e9 + 1.0, ColorScaleAxis::Plasma, false, false}};
  for (const Case& c : kCases) {
    std::vector<double> lValues = {kNaN, kInf, -kInf, 0.0, -0.0, 1.0, -1e300, 1e300, c.min, c.max};
    const double lWidth = c.max - c.min;
    for (int k = -10000; k <= 310000; ++k) lValues.push_back(c.min + lWidth * (k / 300000.0));
    const int n = static_cast<int>(lValues.size());
    ColorScaleAxis lAxis(c.min, c.max, c.table, c.reversed);
    lAxis.SetLog(c.log);
    // Twice: the second call may take shortcuts that the first prepared.
    for (int lPass = 0; lPass < 2; ++lPass) {
      std::vector<unsigned char> lPixels(8 * size_t(n), 7);
      lAxis.GetPixelColors(lValues.data(), n, lPixels.data(), 8);
      int lWrong = 0;
      for (int i = 0; i < n; ++i) {
        const unsigned char* p = &lPixels[8 * size_t(i)];
        const std::string lExpected = std::isnan(lValues[i]) ? "0,0,0,0" : ColorOf(lAxis, lValues[i]) + ",255";
        const std::string lGot = std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + "," +
                                 std::to_string(p[3]);
        if (lGot != lExpected || p[4] + p[5] + p[6] + p[7] != 4 * 7)
          ADD_FAILURE() << c.table << " " << lValues[i] << ": " << lGot << " for " << lExpected << " (" << ++lWrong
                        << ")";
        if (lWrong > 5) break;
      }
    }
  }
}
