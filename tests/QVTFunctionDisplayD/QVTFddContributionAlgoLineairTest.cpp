#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "ColorScaleAxis.h"
#include "MemoryDoubleVector.h"
#include "QVTFddContributionAlgoLineair.h"
#include "QVTFddModule.h"
#include "QVTFddTestLog.h"
#include "QVTFddTestRelease.h"

namespace {

typedef QVTFddContributionAlgoLineair Algo;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The grey table over [0, 255] shows a value v as the colour (v, v, v): the test reads values
// back from the bitmap.
ColorScaleAxis* NewGreyAxis() { return new ColorScaleAxis(0.0, 255.0, ColorScaleAxis::Grey); }

std::vector<double> Ramp(int n, double iStep = 1.0) {
  std::vector<double> lValues(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) lValues[static_cast<size_t>(i)] = i * iStep;
  return lValues;
}

// Arguments, results and the axis of a test, released at the end of the test; reference
// counts are checked to be back at one.
struct Data {
  Data(const std::vector<double>& iArgs, const std::vector<double>& iRes)
      : Args(new MemoryDoubleVector(iArgs)), Res(new MemoryDoubleVector(iRes)), Axis(NewGreyAxis()) {}
  ~Data() { ExpectLastAndRelease({Args, Res, Axis}); }
  Data(const Data&) = delete;
  Data& operator=(const Data&) = delete;

  MemoryDoubleVector* Args;
  MemoryDoubleVector* Res;
  ColorScaleAxis* Axis;
};

const unsigned char* PixelAt(const CATPixelImage& iImage, int iX, int iY) {
  int lWidth = 0, lHeight = 0;
  iImage.GetSize(lWidth, lHeight);
  return iImage.GetPixels() + (size_t(iY) * size_t(lWidth) + size_t(iX)) * 4;
}

std::string Rgba(const unsigned char* p) {
  return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + "," + std::to_string(p[3]);
}

std::string Grey(int v) { return std::to_string(v) + "," + std::to_string(v) + "," + std::to_string(v) + ",255"; }
const std::string kTransparent = "0,0,0,0";

}  // namespace

TEST(QVTFddContributionAlgoLineair, HorizontalBarRepeatsOneRowFromMinimumToMaximum) {
  Data d(Ramp(100), Ramp(100, 2.0));
  Algo lAlgo(d.Args, 0, 99, 1, d.Res, 100, 10, d.Axis, Algo::HorizontalBar);
  EXPECT_EQ(lAlgo.GetWidth(), 100);
  EXPECT_EQ(lAlgo.GetHeight(), 10);
  CATPixelImage lImage = lAlgo.MakeBitmap();
  int lWidth = 0, lHeight = 0;
  lImage.GetSize(lWidth, lHeight);
  ASSERT_EQ(lWidth, 100);
  ASSERT_EQ(lHeight, 10);
  EXPECT_EQ(lImage.GetFormat(), 3);
  EXPECT_EQ(Rgba(PixelAt(lImage, 0, 0)), Grey(0));       // the value at the minimum
  EXPECT_EQ(Rgba(PixelAt(lImage, 50, 0)), Grey(100));
  EXPECT_EQ(Rgba(PixelAt(lImage, 99, 0)), Grey(198));    // the value at the maximum
  for (int y = 1; y < 10; ++y) EXPECT_EQ(std::memcmp(PixelAt(lImage, 0, y), PixelAt(lImage, 0, 0), 400), 0) << y;
}

TEST(QVTFddContributionAlgoLineair, VerticalBarRepeatsOneColumnFromBottomToTop) {
  Data d(Ramp(50), Ramp(50, 3.0));
  // Any direction other than horizontal is vertical.
  for (int lDirection : {0, 7}) {
    Algo lAlgo(d.Args, 0, 49, 1, d.Res, 4, 50, d.Axis, static_cast<Algo::eBarDirection>(lDirection));
    CATPixelImage lImage = lAlgo.MakeBitmap();
    int lWidth = 0, lHeight = 0;
    lImage.GetSize(lWidth, lHeight);
    ASSERT_EQ(lWidth, 4);
    ASSERT_EQ(lHeight, 50);
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, y)), Grey(3 * y)) << x << " " << y;
  }
}

TEST(QVTFddContributionAlgoLineair, ManySamplesPerPixelShowTheirMaximum) {
  // 1000 samples on 10 pixels; one sample of 200 among values of 10 in the fourth pixel.
  std::vector<double> lRes(1000, 10.0);
  lRes[345] = 200.0;
  lRes[346] = 40.0;
  Data d(Ramp(1000), lRes);
  Algo lAlgo(d.Args, 0, 999, 1, d.Res, 10, 1, d.Axis, Algo::HorizontalBar);
  CATPixelImage lImage = lAlgo.MakeBitmap();
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, 0)), Grey(x == 3 ? 200 : 10)) << x;
  double lValue = 0.0;
  EXPECT_EQ(lAlgo.GetValue(345.0, lValue), S_OK);
  EXPECT_EQ(lValue, 200.0);
  EXPECT_EQ(lAlgo.GetValue(700.0, lValue), S_OK);
  EXPECT_EQ(lValue, 10.0);
}

TEST(QVTFddContributionAlgoLineair, FewSamplesAreInterpolated) {
  Data d({0, 10}, {0, 100});
  Algo lAlgo(d.Args, 0, 10, 1, d.Res, 11, 2, d.Axis, Algo::HorizontalBar);
  CATPixelImage lImage = lAlgo.MakeBitmap();
  for (int x = 0; x <= 10; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, 1)), Grey(10 * x)) << x;
  double lValue = 0.0;
  EXPECT_EQ(lAlgo.GetValue(3.3, lValue), S_OK);
  EXPECT_DOUBLE_EQ(lValue, 30.0);  // the value of the pixel, not of the argument itself

  // Without interpolation the nearer sample.
  Algo lNearest(d.Args, 0, 10, 0, d.Res, 11, 2, d.Axis, Algo::HorizontalBar);
  lImage = lNearest.MakeBitmap();
  for (int x = 0; x <= 10; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, 0)), Grey(x <= 5 ? 0 : 100)) << x;
}

TEST(QVTFddContributionAlgoLineair, PixelsWithoutDataAreTransparent) {
  Data d({2, 4, 6}, {20, 40, 60});
  // The range reaches beyond the samples on both sides: transparent ends.
  Algo lWide(d.Args, 0, 10, 1, d.Res, 11, 1, d.Axis, Algo::HorizontalBar);
  CATPixelImage lImage = lWide.MakeBitmap();
  const std::string lExpected[] = {kTransparent, kTransparent, Grey(20), Grey(30), Grey(40), Grey(50),
                                   Grey(60),     kTransparent, kTransparent, kTransparent, kTransparent};
  for (int x = 0; x <= 10; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, 0)), lExpected[x]) << x;
  double lValue = -1.0;
  EXPECT_EQ(lWide.GetValue(0.0, lValue), E_FAIL);
  EXPECT_EQ(lValue, -1.0);

  // A range entirely beyond the samples: all transparent, no value anywhere.
  Algo lBeyond(d.Args, 20, 30, 1, d.Res, 3, 8, d.Axis, Algo::VerticalBar);
  lImage = lBeyond.MakeBitmap();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Rgba(PixelAt(lImage, x, y)), kTransparent);
  EXPECT_EQ(lBeyond.GetValue(25.0, lValue), E_FAIL);
}

TEST(QVTFddContributionAlgoLineair, NaNResultsAreTransparentAndSkippedInMaxima) {
  // Pixel 1 is one NaN sample; pixel 2 a range with a NaN among numbers; pixel 3 a range of
  // NaN only.
  Data d({0, 1, 2, 2.1, 2.2, 3, 3.1}, {5, kNaN, kNaN, 30, 20, kNaN, kNaN});
  for (Algo::eBarDirection lDirection : {Algo::HorizontalBar, Algo::VerticalBar}) {
    const bool lHorizontal = lDirection == Algo::HorizontalBar;
    Algo lAlgo(d.Args, 0, 3, 1, d.Res, lHorizontal ? 4 : 2, lHorizontal ? 2 : 4, d.Axis, lDirection);
    CATPixelImage lImage = lAlgo.MakeBitmap();
    const std::string lExpected[] = {Grey(5), kTransparent, Grey(30), kTransparent};
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(Rgba(PixelAt(lImage, lHorizontal ? k : 1, lHorizontal ? 1 : k)), lExpected[k]) << k;
  }
  Algo lAlgo(d.Args, 0, 3, 1, d.Res, 4, 1, d.Axis, Algo::HorizontalBar);
  double lValue = 0.0;
  EXPECT_EQ(lAlgo.GetValue(2.0, lValue), S_OK);
  EXPECT_EQ(lValue, 30.0);
}

TEST(QVTFddContributionAlgoLineair, GetValueAtAndBeyondTheLimits) {
  Data d(Ramp(21), Ramp(21, 5.0));
  Algo lAlgo(d.Args, 0, 20, 1, d.Res, 21, 3, d.Axis, Algo::HorizontalBar);
  double lValue = -1.0;
  EXPECT_EQ(lAlgo.GetValue(0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 0.0);
  EXPECT_EQ(lAlgo.GetValue(20.0, lValue), S_OK);
  EXPECT_EQ(lValue, 100.0);
  EXPECT_EQ(lAlgo.GetValue(7.4, lValue), S_OK);
  EXPECT_EQ(lValue, 35.0);
  lValue = -1.0;
  EXPECT_EQ(lAlgo.GetValue(-1e-9, lValue), E_FAIL);
  EXPECT_EQ(lAlgo.GetValue(20.000001, lValue), E_FAIL);
  EXPECT_EQ(lAlgo.GetValue(kNaN, lValue), E_FAIL);
  EXPECT_EQ(lAlgo.GetValue(std::numeric_limits<double>::infinity(), lValue), E_FAIL);
  EXPECT_EQ(lValue, -1.0);

  // Equal limits put the argument on no pixel: a failure, not a read outside the jobs.
  Algo lEqual(d.Args, 5, 5, 1, d.Res, 21, 3, d.Axis, Algo::HorizontalBar);
  EXPECT_EQ(lEqual.GetValue(5.0, lValue), E_FAIL);
  EXPECT_EQ(lValue, -1.0);
}

TEST(QVTFddContributionAlgoLineair, ValuesAtTheEndsOfTheDoublesInterpolate) {
  // Between -1.5e308 and 1.5e308 (a difference beyond the doubles) lies 0 at the middle.
  Data d({0, 10}, {-1.5e308, 1.5e308});
  Algo lAlgo(d.Args, 0, 10, 1, d.Res, 11, 1, d.Axis, Algo::HorizontalBar);
  double lValue = -1.0;
  EXPECT_EQ(lAlgo.GetValue(5.0, lValue), S_OK);
  EXPECT_NEAR(lValue, 0.0, 1e293);
  EXPECT_EQ(lAlgo.GetValue(2.0, lValue), S_OK);
  EXPECT_NEAR(lValue, -0.9e308, 1e293);
}

TEST(QVTFddContributionAlgoLineair, AnInfinityTakesItsEndColourOnBothSides) {
  // An infinite result between finite ones: every pixel interpolated next to it, on either side,
  // shows the end of the scale of its sign, and the probe says the infinity; between opposite
  // infinities there is no value.
  const double lInf = std::numeric_limits<double>::infinity();
  struct Case {
    std::vector<double> results;
    std::vector<std::string> colours;  // pixels 0 .. 8 over arguments 0 .. 4
  };
  const std::string kTop = Grey(255), kBottom = Grey(0), kMid = Grey(100);
  const Case kCases[] = {
      {{100, 100, lInf, 100, 100}, {kMid, kMid, kMid, kTop, kTop, kTop, kMid, kMid, kMid}},
      {{100, 100, -lInf, 100, 100}, {kMid, kMid, kMid, kBottom, kBottom, kBottom, kMid, kMid, kMid}},
      {{100, 100, lInf, -lInf, 100}, {kMid, kMid, kMid, kTop, kTop, kTransparent, kBottom, kBottom, kMid}},
  };
  for (const Case& c : kCases) {
    Data d({0, 1, 2, 3, 4}, c.results);
    Algo lAlgo(d.Args, 0, 4, 1, d.Res, 9, 1, d.Axis, Algo::HorizontalBar);
    const CATPixelImage lImage = lAlgo.MakeBitmap();
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(Rgba(PixelAt(lImage, x, 0)), c.colours[size_t(x)]) << c.results[2] << " pixel " << x;
      double lValue = 0.0;
      ASSERT_EQ(lAlgo.GetValue(x * 0.5, lValue), S_OK);
      const std::string lProbe = std::isnan(lValue)   ? kTransparent
                                 : std::isinf(lValue) ? (lValue > 0 ? kTop : kBottom)
                                                      : Grey(static_cast<int>(lValue));
      EXPECT_EQ(lProbe, c.colours[size_t(x)]) << c.results[2] << " pixel " << x;
    }
  }
}

TEST(QVTFddContributionAlgoLineair, VectorsOfDifferentLengthsAreRefused) {
  Data d(Ramp(5), Ramp(6));
  Algo lAlgo(d.Args, 0, 4, 1, d.Res, 10, 10, d.Axis, Algo::HorizontalBar);
  unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(lAlgo.MakeBitmap().IsEmpty());
  double lValue = 0.0;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(lAlgo.GetValue(2.0, lValue), E_FAIL);
  // Logged by every call: each refusal says why.
  const std::string lText = testlog::kContributionResultNotArgument;
  EXPECT_EQ(testlog::Since(lBefore), std::vector<std::string>(4, lText));
  EXPECT_EQ(QVTFddModuleLog().Records().back().Source,
            testlog::Source("QVTFddContributionAlgoLineair"));
}

TEST(QVTFddContributionAlgoLineair, SizesAndMissingInputsGiveNoBitmap) {
  Data d(Ramp(10), Ramp(10));
  const int lSizes[][2] = {{0, 10}, {10, 0}, {-3, 10}, {2000, 10}, {10, 2000}, {1999, 1999}};
  for (const auto& lSize : lSizes) {
    Algo lAlgo(d.Args, 0, 9, 1, d.Res, lSize[0], lSize[1], d.Axis, Algo::HorizontalBar);
    const bool lDrawable = lSize[0] == 1999;
    EXPECT_EQ(lAlgo.MakeBitmap().IsEmpty(), !lDrawable) << lSize[0] << "x" << lSize[1];
    double lValue = 0.0;
    EXPECT_EQ(lAlgo.GetValue(3.0, lValue), lDrawable ? S_OK : E_FAIL) << lSize[0] << "x" << lSize[1];
  }
  unsigned long long lBefore = QVTFddModuleLog().Count();
  Algo lNoArgs(nullptr, 0, 9, 1, d.Res, 10, 10, d.Axis, Algo::HorizontalBar);
  Algo lNoRes(d.Args, 0, 9, 1, nullptr, 10, 10, d.Axis, Algo::HorizontalBar);
  Algo lNoAxis(d.Args, 0, 9, 1, d.Res, 10, 10, nullptr, Algo::HorizontalBar);
  for (Algo* lAlgo : {&lNoArgs, &lNoRes, &lNoAxis}) {
    EXPECT_TRUE(lAlgo->MakeBitmap().IsEmpty());
    double lValue = 0.0;
    EXPECT_EQ(lAlgo->GetValue(3.0, lValue), E_FAIL);
  }
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore);
}

TEST(QVTFddContributionAlgoLineair, ReferencesOfCopiesAndAssignments) {
  Data d(Ramp(10), Ramp(10));
  Data e(Ramp(4), Ramp(4));
  {
    Algo lAlgo(d.Args, 0, 9, 1, d.Res, 10, 2, d.Axis, Algo::HorizontalBar);
    EXPECT_EQ(d.Args->GetRefCount(), 2u);
    EXPECT_EQ(d.Res->GetRefCount(), 2u);
    EXPECT_EQ(d.Axis->GetRefCount(), 2u);
    Algo lCopy(lAlgo);
    EXPECT_EQ(d.Args->GetRefCount(), 3u);
    EXPECT_EQ(d.Axis->GetRefCount(), 3u);
    EXPECT_EQ(lCopy.GetWidth(), 10);

    Algo lOther(e.Args, 0, 3, 1, e.Res, 4, 4, e.Axis, Algo::VerticalBar);
    lOther = lAlgo;
    EXPECT_EQ(e.Args->GetRefCount(), 1u);
    EXPECT_EQ(e.Axis->GetRefCount(), 1u);
    EXPECT_EQ(d.Args->GetRefCount(), 4u);
    EXPECT_EQ(lOther.GetHeight(), 2);
    EXPECT_EQ(std::memcmp(lOther.MakeBitmap().GetPixels(), lAlgo.MakeBitmap().GetPixels(), 10 * 2 * 4), 0);

    // Assigning objects that hold the last references on the same vectors keeps them alive.
    const Algo& lSame = lOther;
    lOther = lSame;
    lOther = lCopy;
    EXPECT_EQ(d.Args->GetRefCount(), 4u);
    EXPECT_FALSE(lOther.MakeBitmap().IsEmpty());

    Algo lEmpty(nullptr, 0, 1, 1, nullptr, 1, 1, nullptr, Algo::VerticalBar);
    lEmpty = lAlgo;
    EXPECT_EQ(d.Args->GetRefCount(), 5u);
    lOther = Algo(nullptr, 0, 1, 1, nullptr, 1, 1, nullptr, Algo::VerticalBar);
    EXPECT_EQ(d.Args->GetRefCount(), 4u);
  }
  // Data checks that every count is back at one.
}
