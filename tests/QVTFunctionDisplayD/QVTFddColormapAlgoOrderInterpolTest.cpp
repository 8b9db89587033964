#include <gtest/gtest.h>

#include <malloc.h>
#include <signal.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "CATApplicationFrame.h"
#include "CATDlgProgress.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTFddColormapAlgoOrderTestSupport.h"
#include "QVTFddModule.h"
#include "QVTFddProgressBar.h"
#include "QVTFddTestLog.h"
#include "QVTFddTestRelease.h"

using namespace ordertest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Homogeneous data with its axis and scalings; checks on destruction that every reference the
// algorithms took was given back.
struct Data {
  Data(const std::vector<double>& iX, const std::vector<double>& iZ,
       const std::function<double(unsigned int, unsigned int)>& iValue, double iXFactor = 1.0, double iZFactor = 1.0)
      : X(Vector(iX)),
        Z(Vector(iZ)),
        Values(Matrix(static_cast<unsigned int>(iX.size()), static_cast<unsigned int>(iZ.size()), iValue)),
        Axis(new ValueAxis()),
        XScaling(new FactorScaling(iXFactor)),
        ZScaling(new FactorScaling(iZFactor)) {}
  ~Data() {
    ExpectLastAndRelease({X, Z, Values, Axis, XScaling, ZScaling});
  }
  QVTFddColormapAlgoOrderInterpol* Make(double iX0, double iX1, double iZ0, double iZ1, int iWidth, int iHeight,
                                        double iTolerance = 0.02, int iXInterpolate = 0, int iZInterpolate = 0) {
    return new QVTFddColormapAlgoOrderInterpol(X, iX0, iX1, iXInterpolate, Z, iZ0, iZ1, iZInterpolate, Values, iWidth,
                                               iHeight, Axis, XScaling, ZScaling, iTolerance);
  }
  MemoryDoubleVector* X;
  MemoryDoubleVector* Z;
  MemoryDoubleMatrix* Values;
  ValueAxis* Axis;
  FactorScaling* XScaling;
  FactorScaling* ZScaling;
};

// The progress dialog of the running computation: the main window's box.
QVTFddProgressBar* sRunningDialog() {
  CATDialog* lMain = CATApplicationFrame::GetFrame()->GetMainWindow();
  return lMain->GetChildCount() == 1 ? dynamic_cast<QVTFddProgressBar*>(lMain->GetChild(0)) : nullptr;
}

// Values where every pixel of [1, 20] x [1, 20] has one (a tolerance of 1 takes every order
// below twice the pixel's): 400 samples.
std::vector<double> sOneToTwenty() {
  std::vector<double> v;
  for (int i = 1; i <= 20; ++i) v.push_back(i);
  return v;
}
}  // namespace

// Samples (1, 1) = 10 and (5, 5) = 50 share order 1 with the pixel at (2, 2): the inner one is
// at distance sqrt(2), the outer one at 3 sqrt(2), so the inner value weighs three quarters.
TEST(QVTFddColormapAlgoOrderInterpol, TheNearerSampleWeighsMoreAndASampleShowsItsOwnValue) {
  Data d({1, 5}, {1, 5}, [](unsigned int i, unsigned int k) { return i == k ? 10.0 + 40.0 * i : 99.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 0, 8, 8, 8);
  EXPECT_EQ(a->GetOrderCount(), 4);
  EXPECT_DOUBLE_EQ(sGet(*a, 2, 2), 10.0 * 0.75 + 50.0 * 0.25);
  EXPECT_DOUBLE_EQ(sGet(*a, 1, 1), 10.0);
  EXPECT_DOUBLE_EQ(sGet(*a, 3, 3), 30.0);  // half way: the mean
  // The point (5, 5) lies on pixel 4 (the pixel under a point rounds, a pixel's position is its
  // low edge): (4, 4) is three times nearer to (5, 5) than to (1, 1).
  EXPECT_DOUBLE_EQ(sGet(*a, 5, 5), 10.0 * 0.25 + 50.0 * 0.75);
  CATPixelImage lImage = a->MakeBitmap();
  EXPECT_EQ(PixelValue(lImage, 2, 2), 20.0);
  EXPECT_EQ(PixelValue(lImage, 1, 1), 10.0);
  EXPECT_EQ(PixelValue(lImage, 5, 5), 50.0);
  delete a;
}

// Two samples on either side of the pixel's radius, both nearer than the smallest distance a
// double holds: the weights' sum is 0 and the pixel shows the mean of the two values.
TEST(QVTFddColormapAlgoOrderInterpol, TwoSamplesAtDistanceZeroGiveTheirMean) {
  const double x = 2e-160, z = 1e-160, e = 1e-162;
  Data d({x - e, x + e}, {z}, [](unsigned int i, unsigned int) { return i == 0 ? 10.0 : 30.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 2 * x, 0, 2 * z, 2, 2);
  ASSERT_EQ((x - e - x) * (x - e - x), 0.0);  // the distances underflow
  ASSERT_LT((x - e) * (x - e) + z * z, x * x + z * z);
  ASSERT_GT((x + e) * (x + e) + z * z, x * x + z * z);
  EXPECT_EQ(sGet(*a, x, z), 20.0);
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, APixelWhoseOrderOrBandIsNotANumberHasNoValue) {
  Data d({1, 5}, {1, 5}, [](unsigned int, unsigned int) { return 7.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 0, 8, 8, 8);
  CATPixelImage lImage = a->MakeBitmap();
  EXPECT_TRUE(std::isnan(PixelValue(lImage, 0, 0)));  // 0 / 0 at the origin
  EXPECT_TRUE(std::isnan(sGet(*a, 0, 0)));
  EXPECT_EQ(PixelValue(lImage, 1, 1), 7.0);
  delete a;

  QVTFddColormapAlgoOrderInterpol* b = d.Make(0, 8, 0, 8, 8, 8, kNaN);
  lImage = b->MakeBitmap();
  for (int r = 0; r < 8; ++r) EXPECT_TRUE(RowTransparent(lImage, r)) << r;
  EXPECT_TRUE(std::isnan(sGet(*b, 1, 1)));
  delete b;
}

TEST(QVTFddColormapAlgoOrderInterpol, SamplesWithoutAnOrderAreLeftOutOfTheTable) {
  // Row z = 0: order 0 / 0 at x = 0 (left out), infinite at x > 0 (kept).
  Data d({0, 1, 2}, {0, 1}, [](unsigned int, unsigned int) { return 1.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 2, 0, 1, 4, 4);
  EXPECT_EQ(a->GetOrderCount(), 5);
  delete a;
  d.XScaling->_Factor = kNaN;
  a = d.Make(0, 2, 0, 1, 4, 4);
  EXPECT_EQ(a->GetOrderCount(), 0);
  delete a;
}

// Forty samples per row share one order (every X is 1); among equal distances the first in table
// order, which sorts ties by (Z index, X index), is chosen: always X index 0.
TEST(QVTFddColormapAlgoOrderInterpol, TiesAreBrokenByZIndexThenXIndex) {
  std::vector<double> lX(40, 1.0), lZ;
  for (int k = 1; k <= 40; ++k) lZ.push_back(k);
  Data d(lX, lZ, [](unsigned int i, unsigned int k) { return i == 0 ? k + 1.0 : 4000.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0.5, 1.5, 1, 40, 10, 40, 0.3);
  CATPixelImage lImage = a->MakeBitmap();
  int lValued = 0;
  for (int r = 0; r < 40; ++r)
    for (int p = 0; p < 10; ++p) {
      const double v = PixelValue(lImage, p, r);
      if (std::isnan(v)) continue;
      ++lValued;
      EXPECT_LE(v, 40.0) << p << " " << r;
    }
  EXPECT_GT(lValued, 100);
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, VectorsThatDoNotFitTheMatrixGiveAnEmptyTable) {
  const struct {
    std::vector<double> x, z;
    std::string text;
  } lCases[] = {{{1, 2, 3}, {1, 2}, testlog::kOrderXNotMatrix},
                {{1, 2, 3, 4}, {1, 2, 3}, testlog::kOrderZNotMatrix}};
  for (const auto& c : lCases) {
    Data d(c.x, c.z, [](unsigned int, unsigned int) { return 1.0; });
    // The matrix is 4 x 2 whatever the vectors say.
    d.Values->Release();
    d.Values = Matrix(4, 2, [](unsigned int, unsigned int) { return 1.0; });
    QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 4, 0, 4, 4, 4, 1.0);
    EXPECT_EQ(a->GetOrderCount(), 0);
    const unsigned long long lBefore = QVTFddModuleLog().Count();
    EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
    ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
    EXPECT_EQ(QVTFddModuleLog().Records().back().Text, c.text);
    EXPECT_EQ(QVTFddModuleLog().Records().back().Source,
              testlog::Source("QVTFddColormapAlgoOrderInterpol"));
    EXPECT_TRUE(std::isnan(sGet(*a, 1, 1)));
    delete a;
  }
}

TEST(QVTFddColormapAlgoOrderInterpol, GetValueFailsForAPointOnNoPixel) {
  Data d({1, 2}, {1, 2}, [](unsigned int, unsigned int) { return 3.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 4, 0, 4, 0, 4);  // no columns
  EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
  EXPECT_TRUE(std::isnan(sGet(*a, 1, 1)));
  delete a;
  a = d.Make(1, 1, 0, 4, 4, 4);  // equal X limits
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(std::isnan(sGet(*a, 1, 1)));
  ASSERT_GT(QVTFddModuleLog().Count(), lBefore);
  EXPECT_EQ(QVTFddModuleLog().Records().back().Source,
            testlog::Source("QVTFddColormapAlgoOrderInterpol"));
  delete a;
  a = d.Make(0, 4, 0, 4, 4, 4);
  EXPECT_FALSE(std::isnan(sGet(*a, 1, 1)));
  EXPECT_TRUE(std::isnan(sGet(*a, 4.0000001, 1)));
  EXPECT_TRUE(std::isnan(sGet(*a, kNaN, 1)));
  EXPECT_TRUE(std::isnan(sGet(*a, 1, -0.5)));
  delete a;
}

// Limits at the ends of the doubles: their span overflows, yet pixels and points still map. Pixel
// 5 of 8 lies at 2.5e307 on both axes, order 1, where both samples are.
TEST(QVTFddColormapAlgoOrderInterpol, LimitsAtTheEndsOfTheDoublesStillMap) {
  Data d({1e307, 5e307}, {1e307, 5e307}, [](unsigned int, unsigned int) { return 7.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(-1e308, 1e308, -1e308, 1e308, 8, 8);
  EXPECT_EQ(PixelValue(a->MakeBitmap(), 5, 5), 7.0);
  EXPECT_EQ(sGet(*a, 5e307, 5e307), 7.0);
  delete a;
}

// Column p of [0, 8] over 4 columns lies at x = 2p: a fraction of the range, not a quotient of
// integers; on row z = 1 every column sits on a sample of value x.
TEST(QVTFddColormapAlgoOrderInterpol, PixelPositionsAreFractionsOfTheRange) {
  Data d({0, 1, 2, 3, 4, 5, 6, 7, 8}, {1, 2}, [](unsigned int i, unsigned int k) { return i + 10.0 * k; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 1, 2, 4, 2);
  CATPixelImage lImage = a->MakeBitmap();
  for (int p = 1; p < 4; ++p) EXPECT_EQ(PixelValue(lImage, p, 0), 2.0 * p) << p;
  EXPECT_EQ(sGet(*a, 4.0, 1.0), 4.0);
  delete a;
}

// Pixel (1, 1), order 1. In the band of 2 %: (0.5, 0.5) = 10 inside and (3, 3) = 60 outside the
// pixel's radius. (1.03, 1) = 99 is much nearer but of order 1.03: it counts from a band of 5 %.
TEST(QVTFddColormapAlgoOrderInterpol, OnlySamplesInTheOrderBandCount) {
  Data d({0.5, 1.03, 3}, {0.5, 1, 3}, [](unsigned int i, unsigned int k) {
    if (i == 0 && k == 0) return 10.0;
    if (i == 2 && k == 2) return 60.0;
    return 99.0;
  });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 4, 0, 4, 4, 4, 0.02);
  const double lIn = std::sqrt(0.5), lOut = std::sqrt(8.0);
  EXPECT_NEAR(sGet(*a, 1, 1), 10.0 * lOut / (lIn + lOut) + 60.0 * lIn / (lIn + lOut), 1e-12);
  EXPECT_NEAR(sGet(*a, 1, 1), 20.0, 1e-12);
  delete a;
  a = d.Make(0, 4, 0, 4, 4, 4, 0.05);
  const double lNear = 0.03;
  EXPECT_NEAR(sGet(*a, 1, 1), 10.0 * lNear / (lIn + lNear) + 99.0 * lIn / (lIn + lNear), 1e-12);
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, ABandOnOneSideOnlyShowsTheNearestSampleUnchanged) {
  Data d({0.5, 1.03, 3}, {0.5, 1, 3}, [](unsigned int i, unsigned int k) { return i == k ? 10.0 + 50.0 * i / 2 : 99.0; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 0, 8, 8, 8, 0.02);
  EXPECT_EQ(sGet(*a, 4, 4), 60.0);  // beyond (3, 3): no outer sample
  delete a;
  a = d.Make(0, 4, 0, 4, 16, 16, 0.02);
  EXPECT_EQ(sGet(*a, 0.25, 0.25), 10.0);  // before (0.5, 0.5): no inner sample
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, NegativeOrdersHaveNoValue) {
  Data d({-2, -1, 1, 2}, {1, 2}, [](unsigned int i, unsigned int) { return 5.0 + i; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(-2, 2, 1, 2, 4, 2);
  CATPixelImage lImage = a->MakeBitmap();
  for (int r = 0; r < 2; ++r) {
    EXPECT_TRUE(std::isnan(PixelValue(lImage, 0, r)));
    EXPECT_TRUE(std::isnan(PixelValue(lImage, 1, r)));
  }
  EXPECT_EQ(PixelValue(lImage, 3, 0), 7.0);  // x = 1 on the sample (1, 1)
  EXPECT_TRUE(std::isnan(sGet(*a, -1, 1)));
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, InterpolationFlagsChangeNothingAndNaNValuesReachTheAxis) {
  Data d({1, 5}, {1, 5}, [](unsigned int i, unsigned int k) { return i == 1 && k == 1 ? kNaN : 4.0 + i + k; });
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 0, 8, 8, 8, 0.02, 0, 0);
  QVTFddColormapAlgoOrderInterpol* b = d.Make(0, 8, 0, 8, 8, 8, 0.02, 1, 1);
  CATPixelImage lA = a->MakeBitmap(), lB = b->MakeBitmap();
  ASSERT_NE(lA.GetPixels(), nullptr);
  EXPECT_EQ(std::vector<unsigned char>(lA.GetPixels(), lA.GetPixels() + 8 * 8 * 4),
            std::vector<unsigned char>(lB.GetPixels(), lB.GetPixels() + 8 * 8 * 4));
  EXPECT_EQ(PixelValue(lA, 5, 5), -1.0);  // the NaN sample, coloured by the axis
  EXPECT_GT(d.Axis->_NaNCalls, 0);
  delete a;
  delete b;
}

TEST(QVTFddColormapAlgoOrderInterpol, ImagesStopBelow2000PixelsEachWay) {
  Data d({1, 5}, {1, 5}, [](unsigned int, unsigned int) { return 1.0; });
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 8, 0, 8, 1999, 1);
  int w = 0, h = 0;
  a->MakeBitmap().GetSize(w, h);
  EXPECT_EQ(w, 1999);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(a->GetWidth(), 1999);
  EXPECT_EQ(a->GetHeight(), 1);
  delete a;
  a = d.Make(0, 8, 0, 8, 2000, 1);
  EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
  delete a;
  a = d.Make(0, 8, 0, 8, 1, 2000);
  EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
  delete a;
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore);
}

TEST(QVTFddColormapAlgoOrderInterpol, MissingPiecesDrawNothingAndHoldNothing) {
  Data d({1, 5}, {1, 5}, [](unsigned int, unsigned int) { return 1.0; });
  ExpectMissingPiecesShowNothing<QVTFddColormapAlgoOrderInterpol>(d, {1, 3});
}

// A plain computation of the rules over every sample: in the band, the nearest sample inside and
// outside the pixel's radius (ties by order, Z index, X index) choose a row each; the row's value
// at the pixel's order is interpolated between its band samples around that order.
double sPlainValue(const std::vector<double>& iX, const std::vector<double>& iZ,
                   const std::function<double(unsigned int, unsigned int)>& iValue, double iXF, double iZF,
                   double iTol, double x, double z) {
  const double o = (x * iXF) / (z * iZF), lo = (1 - iTol) * o, hi = (1 + iTol) * o;
  const double R = x * x + z * z;
  std::tuple<double, double, int, int> lBest[2];
  bool lHas[2] = {false, false};
  auto lOrder = [&](int i, int k) { return (iX[i] * iXF) / (iZ[k] * iZF); };
  for (int k = 0; k < static_cast<int>(iZ.size()); ++k)
    for (int i = 0; i < static_cast<int>(iX.size()); ++i) {
      if (!(lo <= lOrder(i, k) && lOrder(i, k) <= hi)) continue;
      const double t = iX[i], v = iZ[k];
      const double A = t * t + v * v, dd = (t - x) * (t - x) + (v - z) * (v - z);
      const auto lKey = std::make_tuple(dd, lOrder(i, k), k, i);
      for (int s = 0; s < 2; ++s)
        if ((s == 0 ? A <= R : A >= R) && (!lHas[s] || lKey < lBest[s])) lBest[s] = lKey, lHas[s] = true;
    }
  if (!lHas[0] && !lHas[1]) return kNaN;
  if (!lHas[0]) lBest[0] = lBest[1];
  if (!lHas[1]) lBest[1] = lBest[0];
  double lValue[2], lDist[2];
  for (int s = 0; s < 2; ++s) {
    const int k = std::get<2>(lBest[s]);
    int lBelow = -1, lAbove = -1;
    for (int i = 0; i < static_cast<int>(iX.size()); ++i) {
      const double oi = lOrder(i, k);
      if (!(lo <= oi && oi <= hi)) continue;
      if (oi <= o && (lBelow < 0 || oi > lOrder(lBelow, k))) lBelow = i;
      if (oi >= o && (lAbove < 0 || oi < lOrder(lAbove, k))) lAbove = i;
    }
    double f = 0.0, t = 0.0;
    if (lBelow >= 0 && lAbove >= 0 && lOrder(lAbove, k) > lOrder(lBelow, k)) {
      f = (o - lOrder(lBelow, k)) / (lOrder(lAbove, k) - lOrder(lBelow, k));
      t = iX[lBelow] + (iX[lAbove] - iX[lBelow]) * f;
      lValue[s] = iValue(lBelow, k) + (iValue(lAbove, k) - iValue(lBelow, k)) * f;
    } else {
      const int i = lBelow >= 0 ? lBelow : lAbove;
      t = iX[i];
      lValue[s] = iValue(i, k);
    }
    lDist[s] = std::sqrt((t - x) * (t - x) + (iZ[k] - z) * (iZ[k] - z));
  }
  if (std::get<2>(lBest[0]) == std::get<2>(lBest[1])) return lValue[0];
  const double s = lDist[0] + lDist[1];
  return s == 0 ? 0.5 * (lValue[0] + lValue[1]) : lValue[0] * (lDist[1] / s) + lValue[1] * (lDist[0] / s);
}

// Random data (10 000 samples, bands of hundreds) in a view reaching beyond the data, with X
// ascending, shuffled, and shuffled with X values that are not numbers (left out): the images
// agree pixel for pixel with the plain computation.
TEST(QVTFddColormapAlgoOrderInterpol, ImageEqualsAPlainComputationOfTheRules) {
  std::mt19937 lRandom(7);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  std::vector<double> lX, lZ;
  for (int i = 0; i < 100; ++i) lX.push_back(10.0 * i + 5.0 * lUnit(lRandom));
  for (int k = 0; k < 100; ++k) lZ.push_back(600.0 + 54.0 * k + 20.0 * lUnit(lRandom));
  std::vector<double> lValues(100 * 100);
  for (double& v : lValues) v = std::floor(4000.0 * lUnit(lRandom));
  auto lValue = [&](unsigned int i, unsigned int k) { return lValues[i * 100 + k]; };
  const double lXF = 1.0, lZF = 1.0 / 60.0, lTol = 0.05;
  const double x0 = 3.0, x1 = 1400.0, z0 = 300.0, z1 = 6500.0;
  const int W = 50, H = 40;
  for (int lShuffled = 0; lShuffled < 3; ++lShuffled) {
    if (lShuffled) std::shuffle(lX.begin(), lX.end(), lRandom);
    if (lShuffled == 2) lX[17] = lX[60] = kNaN;
    Data d(lX, lZ, lValue, lXF, lZF);
    QVTFddColormapAlgoOrderInterpol* a = d.Make(x0, x1, z0, z1, W, H, lTol);
    CATPixelImage lImage = a->MakeBitmap();
    int lValued = 0, lEmpty = 0;
    for (int r = 0; r < H; ++r)
      for (int p = 0; p < W; ++p) {
        const double x = x0 + (static_cast<double>(p) / W) * (x1 - x0);
        const double z = z0 + (static_cast<double>(r) / H) * (z1 - z0);
        const double lExpected = sPlainValue(lX, lZ, lValue, lXF, lZF, lTol, x, z);
        const double lShown = PixelValue(lImage, p, r);
        if (std::isnan(lExpected)) {
          ++lEmpty;
          EXPECT_TRUE(std::isnan(lShown)) << p << " " << r;
        } else {
          ++lValued;
          EXPECT_EQ(lShown, std::lround(lExpected * 16.0) / 16.0) << p << " " << r << " " << lShuffled;
        }
      }
    EXPECT_GT(lValued, W * H / 2);
    EXPECT_GT(lEmpty, 0);
    delete a;
  }
}

// A second thread computes rows ahead of the one that colours them: the images are the same byte
// for byte, for one row, two, and more rows than the second thread may run ahead, with NaN values.
TEST(QVTFddColormapAlgoOrderInterpol, TwoThreadsDrawTheImageOfOne) {
  std::mt19937 lRandom(11);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  std::vector<double> lX, lZ;
  for (int i = 0; i < 300; ++i) lX.push_back(3.0 * i + lUnit(lRandom));
  for (int k = 0; k < 200; ++k) lZ.push_back(600.0 + 27.0 * k);
  auto lValue = [&](unsigned int i, unsigned int k) {
    return (i * 7 + k) % 13 == 0 ? kNaN : std::floor(4000.0 * lUnit(lRandom));
  };
  Data d(lX, lZ, lValue, 1.0, 1.0 / 60.0);
  for (int lHeight : {1, 2, 150}) {
    CATPixelImage lImages[2];
    for (int lThreads = 1; lThreads <= 2; ++lThreads) {
      std::unique_ptr<QVTFddColormapAlgoOrderInterpol> a(d.Make(0.0, 1000.0, 500.0, 6000.0, 120, lHeight, 0.03));
      a->SetThreads(lThreads);
      lImages[lThreads - 1] = a->MakeBitmap();
    }
    ASSERT_NE(lImages[0].GetPixels(), nullptr);
    ASSERT_NE(lImages[1].GetPixels(), nullptr);
    EXPECT_EQ(std::memcmp(lImages[0].GetPixels(), lImages[1].GetPixels(), 4 * 120 * static_cast<size_t>(lHeight)), 0)
        << lHeight;
  }
}

// The progress dialog, driven by the host: Ctrl-C pressed while row 9 is computed reaches the
// dialog's Cancel when the position of row 10 is set; row 10 is finished, rows 11 to 99 stay
// transparent, and the dialog is handed back to the host in the same call.
TEST(QVTFddColormapAlgoOrderInterpol, CancelAtRow10Of100KeepsRows0To10) {
  for (int lByHandler = 0; lByHandler < 2; ++lByHandler) {
    CATApplicationFrame lFrame;
    if (lByHandler) {
      ASSERT_TRUE(CATApplicationFrame::InstallInterruptHandler());
    }
    Data d(sOneToTwenty(), sOneToTwenty(), [](unsigned int i, unsigned int k) { return 1.0 + i + k; });
    QVTFddProgressBar* lDialog = nullptr;
    int lVisibility = -1, lMin = -1, lMax = -1;
    d.Axis->_Hook = [&]() {
      QVTFddProgressBar* lRunning = sRunningDialog();
      if (!lRunning || lDialog) return;
      if (lRunning->GetProgress()->GetPos() != 9) return;
      lDialog = lRunning;
      lVisibility = lDialog->GetVisibility();
      lDialog->GetProgress()->GetRange(lMin, lMax);
      if (lByHandler)
        raise(SIGINT);
      else
        EXPECT_TRUE(CATApplicationFrame::RecordInterrupt());
    };
    QVTFddColormapAlgoOrderInterpol* a = d.Make(1, 20, 1, 20, 8, 100, 1.0);
    CATPixelImage lImage = a->MakeBitmap();
    ASSERT_NE(lDialog, nullptr);
    EXPECT_EQ(lVisibility, 2);
    EXPECT_EQ(lMin, 0);
    EXPECT_EQ(lMax, 99);
    for (int r = 0; r <= 10; ++r)
      for (int p = 0; p < 8; ++p) EXPECT_FALSE(std::isnan(PixelValue(lImage, p, r))) << p << " " << r;
    for (int r = 11; r < 100; ++r) EXPECT_TRUE(RowTransparent(lImage, r)) << r;
    // Released: hidden, out of the main window, waiting for the host.
    EXPECT_TRUE(lDialog->IsCancelled());
    EXPECT_EQ(lDialog->GetProgress()->GetPosCount(), 11);
    EXPECT_EQ(lDialog->GetVisibility(), 0);
    EXPECT_TRUE(lDialog->IsAwaitingDestruction());
    EXPECT_EQ(lFrame.GetMainWindow()->GetChildCount(), 0);
    CATApplicationFrame::ProcessEvents();
    EXPECT_EQ(CATCommand::GetDelayedCount(), 0);
    EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
    delete a;
    if (lByHandler) {
      EXPECT_TRUE(CATApplicationFrame::RemoveInterruptHandler());
    }
  }
}

TEST(QVTFddColormapAlgoOrderInterpol, EachImageHasItsOwnDialogThatFollowsEveryRow) {
  CATApplicationFrame lFrame;
  Data d(sOneToTwenty(), sOneToTwenty(), [](unsigned int i, unsigned int k) { return 1.0 + i + k; });
  std::vector<QVTFddProgressBar*> lDialogs;
  d.Axis->_Hook = [&]() {
    QVTFddProgressBar* lRunning = sRunningDialog();
    if (lRunning && (lDialogs.empty() || lDialogs.back() != lRunning)) {
      lDialogs.push_back(lRunning);
      EXPECT_FALSE(lRunning->IsCancelled());
      // The first image is cancelled at once (while row 0 is computed: delivered at row 1).
      if (lDialogs.size() == 1) CATApplicationFrame::RecordInterrupt();
    }
  };
  QVTFddColormapAlgoOrderInterpol* a = d.Make(1, 20, 1, 20, 4, 5, 1.0);
  CATPixelImage lFirst = a->MakeBitmap();
  ASSERT_EQ(lDialogs.size(), 1u);
  EXPECT_EQ(lDialogs[0]->GetProgress()->GetPosCount(), 2);
  EXPECT_TRUE(RowTransparent(lFirst, 2));
  CATPixelImage lSecond = a->MakeBitmap();
  ASSERT_EQ(lDialogs.size(), 2u);
  EXPECT_NE(lDialogs[0], lDialogs[1]);
  EXPECT_FALSE(lDialogs[1]->IsCancelled());
  EXPECT_EQ(lDialogs[1]->GetProgress()->GetPosCount(), 5);
  EXPECT_EQ(lDialogs[1]->GetProgress()->GetPos(), 4);
  EXPECT_FALSE(RowTransparent(lSecond, 4));
  EXPECT_TRUE(lDialogs[1]->IsAwaitingDestruction());
  delete a;

  // One row: range (0, 0), one position.
  lDialogs.clear();
  CATApplicationFrame::ProcessEvents();
  d.Axis->_Hook = [&]() {
    QVTFddProgressBar* lRunning = sRunningDialog();
    if (lRunning && lDialogs.empty()) lDialogs.push_back(lRunning);
  };
  a = d.Make(1, 20, 1, 20, 4, 1, 1.0);
  a->MakeBitmap();
  ASSERT_EQ(lDialogs.size(), 1u);
  int lMin = -1, lMax = -1;
  lDialogs[0]->GetProgress()->GetRange(lMin, lMax);
  EXPECT_EQ(lMin, 0);
  EXPECT_EQ(lMax, 0);
  EXPECT_EQ(lDialogs[0]->GetProgress()->GetPosCount(), 1);
  delete a;
}

TEST(QVTFddColormapAlgoOrderInterpol, WithoutAFrameOrMainWindowEveryRowIsComputedWithoutDialog) {
  Data d(sOneToTwenty(), sOneToTwenty(), [](unsigned int i, unsigned int k) { return 1.0 + i + k; });
  for (int lCase = 0; lCase < 2; ++lCase) {
    std::unique_ptr<CATApplicationFrame> lFrame(lCase == 1 ? new CATApplicationFrame(0) : nullptr);
    EXPECT_FALSE(QVTFddProgressBar::HasMainWindow());
    QVTFddColormapAlgoOrderInterpol* a = d.Make(1, 20, 1, 20, 4, 30, 1.0);
    CATPixelImage lImage = a->MakeBitmap();
    for (int r = 0; r < 30; ++r) EXPECT_FALSE(RowTransparent(lImage, r)) << r;
    EXPECT_EQ(CATCommand::GetDelayedCount(), 0);
    delete a;
  }
}

// The order table holds a few numbers per row and per X value, none per sample: an order map of a
// million samples (8 MB of values) adds less than 1 MB to the heap, within its estimate, and the
// estimate of a 5000 x 5000 map at 1000 x 1000 pixels stays far below its 200 MB of values.
TEST(QVTFddColormapAlgoOrderInterpol, TheOrderTableHoldsNoNumberPerSample) {
  std::vector<double> lX, lZ;
  for (int i = 0; i < 1000; ++i) lX.push_back(i);
  for (int k = 0; k < 1000; ++k) lZ.push_back(600 + 5.4 * k);
  Data d(lX, lZ, [](unsigned int i, unsigned int k) { return 1.0 * (i + k); }, 1.0, 1.0 / 60.0);
  const struct mallinfo2 lBefore = mallinfo2();
  QVTFddColormapAlgoOrderInterpol* a = d.Make(0, 1000, 600, 6000, 100, 100);
  const struct mallinfo2 lAfter = mallinfo2();
  const long long lGrowth = static_cast<long long>(lAfter.uordblks + lAfter.hblkhd) -
                            static_cast<long long>(lBefore.uordblks + lBefore.hblkhd);
  EXPECT_EQ(a->GetOrderCount(), 1000000);
  EXPECT_LT(lGrowth, 1 << 20);
  EXPECT_LE(lGrowth, QVTFddColormapAlgoOrderBase::EstimateBytes(1000, 1000, 0, 0));
  EXPECT_LT(QVTFddColormapAlgoOrderBase::EstimateBytes(5000, 5000, 1000, 1000), 20LL << 20);
  EXPECT_GT(QVTFddColormapAlgoOrderBase::EstimateBytes(5000, 5000, 1000, 1000), 8LL * 1000 * 1000);
  delete a;
}
