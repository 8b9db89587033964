#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFddSimd.h"
#include "QVTFddTestCopiesDrawNothing.h"
#include "QVTFddTestCountingVectors.h"
#include "RecordingRender.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
// Model coordinates are drawn at most this far from 0.
const float kLimit = static_cast<float>(double(FLT_MAX) * double(0.01f));

// A curve over two counting vectors, released with the fixture.
struct Curve : QVTFddTestCountingVectors {
  Curve(std::vector<double> iX, std::vector<double> iY, const CATMathBox2D& iDataBox,
        const CATMathBox2D& iDisplayBox, QVTFdd2DCurveGP::eReduceAxis iAxis = QVTFdd2DCurveGP::ReduceAlongX)
      : QVTFddTestCountingVectors(std::move(iX), std::move(iY)) {
    _GP = new QVTFdd2DCurveGP(iDataBox, iDisplayBox, iAxis, _X, _Y);
  }
  ~Curve() { _GP->Destroy(); }

  QVTFdd2DCurveGP* _GP;
};

// Model units are pixels: a viewport of iWidth x iHeight centred on its own middle, zoom 1.
CAT2DViewpoint PixelViewpoint(int iWidth = 200, int iHeight = 200) {
  return CAT2DViewpoint(CATMathPoint2D(0.5 * iWidth, 0.5 * iHeight), 1.0);
}

const CATMathBox2D kBox100(0, 100, 0, 100);

// The floats of the one line call a draw makes (empty when it draws nothing).
std::vector<float> DrawnSegments(QVTFdd2DCurveGP& iGP, const CATViewpoint* iViewpoint, int iWidth = 200,
                                 int iHeight = 200) {
  RecordingRender lRender(iWidth, iHeight);
  iGP.ImmediateDraw(lRender, iViewpoint, nullptr);
  if (lRender.Calls().empty()) return {};
  EXPECT_EQ(lRender.Calls().size(), 1u);
  const RecordedCall& lCall = lRender.Calls()[0];
  EXPECT_EQ(lCall.Op, "ImmediateDraw2DLine");
  EXPECT_EQ(lCall.Ints, (std::vector<long long>{static_cast<long long>(lCall.Floats.size() / 2), 0, 1}));
  return lCall.Floats;
}

// What a reduced drawing must keep, in pixels of the sort axis (columns; rows when reducing along
// Y): each visit of the curve to a column (a run of consecutive samples in it) gives at most two
// segments, and the drawn segments' ends reach the lowest and the highest value of the samples in
// every column. The pixels of the samples are computed apart from the primitive, so a sample may
// land one pixel off; samples within two pixels of the display box's border, where the clipping
// moves the ends, are left out.
void ExpectColumnsKeepTheirRange(const std::vector<float>& iDrawn, const std::vector<double>& iX,
                                 const std::vector<double>& iY, const CATMathBox2D& iData, const CATMathBox2D& iDisplay,
                                 bool iAlongY, const CAT2DViewpoint& iViewpoint, float iWidth, float iHeight) {
  auto lPixel = [&](double iModelX, double iModelY) {
    CATMathPoint2Df P;
    iViewpoint.ModelToPixel(CATMathPointf(float(iModelX), float(iModelY), 0), P, iWidth, iHeight, 1, 1);
    return std::array<double, 2>{std::floor(double(P.x)), std::floor(double(P.y))};
  };
  const int s = iAlongY ? 1 : 0, v = 1 - s;
  struct Range {
    double Low = kInf, High = -kInf;
  };
  std::map<long long, Range> lDrawn;
  for (size_t i = 0; i + 3 < iDrawn.size(); i += 4)
    for (int lEnd = 0; lEnd < 2; ++lEnd) {
      const std::array<double, 2> p = lPixel(iDrawn[i + 2 * lEnd], iDrawn[i + 2 * lEnd + 1]);
      Range& r = lDrawn[static_cast<long long>(p[s])];
      r.Low = std::min(r.Low, p[v]);
      r.High = std::max(r.High, p[v]);
    }

  const double sx = (iDisplay.GetHigh().GetX() - iDisplay.GetLow().GetX()) / (iData.GetHigh().GetX() - iData.GetLow().GetX());
  const double sy = (iDisplay.GetHigh().GetY() - iDisplay.GetLow().GetY()) / (iData.GetHigh().GetY() - iData.GetLow().GetY());
  const double bx = iDisplay.GetLow().GetX() - iData.GetLow().GetX() * sx;
  const double by = iDisplay.GetLow().GetY() - iData.GetLow().GetY() * sy;
  const std::array<double, 2> lLow = lPixel(iDisplay.GetLow().GetX(), iDisplay.GetLow().GetY());
  const std::array<double, 2> lHigh = lPixel(iDisplay.GetHigh().GetX(), iDisplay.GetHigh().GetY());
  size_t lVisits = 0;
  double lColumn = kNaN;
  for (size_t k = 0; k < std::min(iX.size(), iY.size()); ++k) {
    if (std::isnan(iX[k]) || std::isnan(iY[k])) {
      lColumn = kNaN;
      continue;
    }
    const std::array<double, 2> p = lPixel(iX[k] * sx + bx, iY[k] * sy + by);
    if (!(p[s] == lColumn)) ++lVisits;
    lColumn = p[s];
    if (p[0] < lLow[0] + 2 || p[0] > lHigh[0] - 2 || p[1] < lLow[1] + 2 || p[1] > lHigh[1] - 2) continue;
    bool lReached = false;
    for (long long c = static_cast<long long>(p[s]) - 1; c <= static_cast<long long>(p[s]) + 1; ++c) {
      const auto r = lDrawn.find(c);
      lReached = lReached || (r != lDrawn.end() && r->second.Low - 1 <= p[v] && p[v] <= r->second.High + 1);
    }
    EXPECT_TRUE(lReached) << "sample " << k << " at pixel " << p[0] << ", " << p[1];
  }
  EXPECT_LE(iDrawn.size() / 4, 2 * lVisits);
}

}  // namespace

TEST(QVTFdd2DCurveGP, TwoSamplesGiveOneSegmentBetweenTheCentresOfTheirPixels) {
  Curve lCurve({10.2, 50.4}, {20.7, 30.1}, kBox100, kBox100);
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  RecordingRender lRender(200, 200);
  lRender.SetViewpoint(&lViewpoint, nullptr);
  lCurve._GP->Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 1u);
  EXPECT_EQ(lRender.Calls()[0], (RecordedCall{"ImmediateDraw2DLine", {10.5f, 20.5f, 50.5f, 30.5f}, {2, 0, 1}, ""}));
}

TEST(QVTFdd2DCurveGP, RunInOnePixelColumnBecomesOneSegmentOverItsRange) {
  // A thousand samples in column 10; y runs over 40..69 after the first two samples.
  std::vector<double> lX, lY = {50, 35};
  for (int k = 0; k < 1000; ++k) lX.push_back(10.0 + 0.0004 * k);
  for (int k = 2; k < 1000; ++k) lY.push_back(40 + k % 30);
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  {
    // The run starts descending (50 to 35): its first end moves one pixel down, to 34, and that
    // is the run's minimum.
    Curve lCurve(lX, lY, kBox100, kBox100);
    EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint), (std::vector<float>{10.5f, 34.5f, 10.5f, 69.5f}));
  }
  {
    // Starting upwards (35 to 50), later descents inside the run move nothing.
    lY[0] = 35;
    lY[1] = 50;
    Curve lCurve(lX, lY, kBox100, kBox100);
    EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint), (std::vector<float>{10.5f, 35.5f, 10.5f, 69.5f}));
  }
}

TEST(QVTFdd2DCurveGP, ReductionAlongYMergesARunInOnePixelRow) {
  std::vector<double> lX = {30}, lY;
  for (int k = 1; k < 1000; ++k) lX.push_back(10 + (7 * k) % 80);
  for (int k = 0; k < 1000; ++k) lY.push_back(20.0 + 0.0003 * k);
  Curve lCurve(lX, lY, kBox100, kBox100, QVTFdd2DCurveGP::ReduceAlongY);
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint), (std::vector<float>{10.5f, 20.5f, 89.5f, 20.5f}));
}

TEST(QVTFdd2DCurveGP, NotANumberLeavesAGap) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  // Sample 2 removes the segments 1-2 and 2-3.
  Curve lCurve({10, 20, 30, 40, 50}, {10, 20, kNaN, 40, 50}, kBox100, kBox100);
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint),
            (std::vector<float>{10.5f, 10.5f, 20.5f, 20.5f, 40.5f, 40.5f, 50.5f, 50.5f}));
  // The same with the hole in x, at the first sample.
  Curve lFirst({kNaN, 20, 30}, {10, 20, 30}, kBox100, kBox100);
  EXPECT_EQ(DrawnSegments(*lFirst._GP, &lViewpoint), (std::vector<float>{20.5f, 20.5f, 30.5f, 30.5f}));
}

TEST(QVTFdd2DCurveGP, DescendingXRunsEachSegmentFromTheLaterSample) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  // Both segments are stored from the larger x; both then descend in y, so their ends move one
  // pixel down.
  Curve lCurve({50, 30, 10}, {10, 20, 30}, kBox100, kBox100);
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint),
            (std::vector<float>{30.5f, 20.5f, 50.5f, 9.5f, 10.5f, 30.5f, 30.5f, 19.5f}));

  // A descending run inside one column still merges into one segment.
  std::vector<double> lX, lY = {50, 60};
  for (int k = 0; k < 1000; ++k) lX.push_back(10.4 - 0.0004 * k);
  for (int k = 2; k < 1000; ++k) lY.push_back(40 + k % 30);
  Curve lRun(lX, lY, kBox100, kBox100);
  EXPECT_EQ(DrawnSegments(*lRun._GP, &lViewpoint), (std::vector<float>{10.5f, 40.5f, 10.5f, 69.5f}));
}

TEST(QVTFdd2DCurveGP, HugeAndInfiniteCoordinatesAreDrawnAtTheModelLimit) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  // The display box holds the limit itself, so nothing is clipped away.
  const CATMathBox2D lEverything(-FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX);
  Curve lAbove({10, 50}, {20, 1e300}, lEverything, lEverything);
  EXPECT_EQ(DrawnSegments(*lAbove._GP, &lViewpoint), (std::vector<float>{10.5f, 20.5f, 50.5f, kLimit}));
  // From below too: minus infinity becomes minus the limit before any conversion.
  Curve lBelow({10, 50, 90}, {20, -1e300, -kInf}, lEverything, lEverything);
  EXPECT_EQ(DrawnSegments(*lBelow._GP, &lViewpoint),
            (std::vector<float>{10.5f, 20.5f, 50.5f, -kLimit, 50.5f, -kLimit, 90.5f, -kLimit}));
  Curve lInfiniteX({10, kInf}, {20, 30}, lEverything, lEverything);
  EXPECT_EQ(DrawnSegments(*lInfiniteX._GP, &lViewpoint), (std::vector<float>{10.5f, 20.5f, kLimit, 30.5f}));
}

TEST(QVTFdd2DCurveGP, SegmentsAreClippedToTheDisplayBox) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  const CATMathBox2D lBox(0, 40, 0, 100);
  // The first segment leaves the box at x = 40; the other two lie outside.
  Curve lCurve({10.2, 50.4, 60, 70}, {20.7, 30.1, 50, 60}, lBox, lBox);
  std::vector<float> lDrawn = DrawnSegments(*lCurve._GP, &lViewpoint);
  ASSERT_EQ(lDrawn.size(), 4u);
  EXPECT_FLOAT_EQ(lDrawn[0], 10.5f);
  EXPECT_FLOAT_EQ(lDrawn[1], 20.5f);
  EXPECT_FLOAT_EQ(lDrawn[2], 40.0f);
  EXPECT_NEAR(lDrawn[3], 20.5 + 10.0 * (29.5 / 40.0), 1e-4);
}

TEST(QVTFdd2DCurveGP, CacheIsKeptAtOneZoomAndRecomputedAtAnother) {
  Curve lCurve({10, 20, 30, 40}, {10, 40, 20, 30}, kBox100, kBox100);
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  const std::vector<float> lFirst = DrawnSegments(*lCurve._GP, &lViewpoint);
  ASSERT_FALSE(lFirst.empty());
  const long lReads = lCurve.Reads();
  EXPECT_GT(lReads, 0);

  // Same zoom, panned: the cached model segments are drawn again, without reading.
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint), lFirst);
  lViewpoint.SetCenter(CATMathPoint2D(60, 70));
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint), lFirst);
  EXPECT_EQ(lCurve.Reads(), lReads);

  // Another zoom: recomputed, at the new pixels.
  lViewpoint.SetCenter(CATMathPoint2D(100, 100));
  lViewpoint.SetZoom(2.0);
  const std::vector<float> lZoomed = DrawnSegments(*lCurve._GP, &lViewpoint);
  EXPECT_GT(lCurve.Reads(), lReads);
  EXPECT_NE(lZoomed, lFirst);
  EXPECT_FLOAT_EQ(lZoomed[0], 10.25f);  // the centre of its pixel at zoom 2 too
}

TEST(QVTFdd2DCurveGP, NotANumberPixelStepNeverFreezesTheCache) {
  Curve lCurve({10, 20, 30}, {10, 20, 30}, kBox100, kBox100);
  CAT2DViewpoint lViewpoint(CATMathPoint2D(kNaN, kNaN), 1.0);
  EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
  const long lReads = lCurve.Reads();
  EXPECT_GT(lReads, 0);
  EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
  EXPECT_GT(lCurve.Reads(), lReads);
  // And a usable viewpoint afterwards draws.
  CAT2DViewpoint lGood = PixelViewpoint();
  EXPECT_EQ(DrawnSegments(*lCurve._GP, &lGood).size(), 8u);
}

TEST(QVTFdd2DCurveGP, StreamedReductionKeepsEachColumnsRangeInAtMostTwoSegments) {
  // Random walks across several read chunks, leaving and re-entering the display box, with holes,
  // duplicates and steps back along the sort axis, at an unround zoom and pan.
  std::mt19937 lRandom(12345);
  std::uniform_real_distribution<double> lStep(-1.0, 1.0);
  for (bool lAlongY : {false, true}) {
    for (int lDensity : {1, 40}) {
      std::vector<double> lX, lY;
      double lA = 0.0, lB = 50.0;
      const int n = 5003 * (lDensity == 1 ? 1 : 4);
      for (int k = 0; k < n; ++k) {
        if (k % 29 != 0)  // else an equal sort value
          lA += (k % 97 == 0 ? -3.0 : 1.0) / lDensity + (k % 13 == 0 ? 0.0 : 0.02 * lStep(lRandom));
        lB += 3.0 * lStep(lRandom);
        const bool lHole = k % 211 == 5;
        lX.push_back(lAlongY ? lB : lA);
        lY.push_back(lHole ? kNaN : (lAlongY ? lA : lB));
      }
      // The sort coordinate spans about n / density, the other one about -300 to 400.
      const double lSortHigh = 50.0 + double(n) / lDensity;
      const CATMathBox2D lData = lAlongY ? CATMathBox2D(-300, 400, -50, lSortHigh) : CATMathBox2D(-50, lSortHigh, -300, 400);
      const CATMathBox2D lDisplay(-20, 140, -10, 95);
      CAT2DViewpoint lViewpoint(CATMathPoint2D(63.3, 41.7), 2.37);
      Curve lCurve(lX, lY, lData, lDisplay,
                   lAlongY ? QVTFdd2DCurveGP::ReduceAlongY : QVTFdd2DCurveGP::ReduceAlongX);
      const std::vector<float> lDrawn = DrawnSegments(*lCurve._GP, &lViewpoint, 300, 200);
      SCOPED_TRACE(testing::Message() << "along y " << lAlongY << ", density " << lDensity);
      EXPECT_GT(lDrawn.size(), 100u);
      ExpectColumnsKeepTheirRange(lDrawn, lX, lY, lData, lDisplay, lAlongY, lViewpoint, 300, 200);
    }
  }
}

TEST(QVTFdd2DCurveGP, ShorterYVectorLimitsTheSamples) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  for (QVTFdd2DCurveGP::eReduceAxis lAxis : {QVTFdd2DCurveGP::ReduceAlongX, QVTFdd2DCurveGP::ReduceAlongY}) {
    Curve lCurve({10, 20, 30, 40, 50}, {10, 30, 50}, kBox100, kBox100, lAxis);
    const std::vector<float> lDrawn = DrawnSegments(*lCurve._GP, &lViewpoint);
    // Two segments, merged or not, never reaching past sample 2.
    ASSERT_FALSE(lDrawn.empty());
    for (size_t i = 0; i < lDrawn.size(); i += 2) EXPECT_LE(lDrawn[i], 30.5f);
    EXPECT_LE(lCurve._X->_End, 3u);
    EXPECT_LE(lCurve._Y->_End, 3u);
  }
}

TEST(QVTFdd2DCurveGP, DegenerateInputsDrawNothing) {
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  RecordingRender lRender(200, 200);
  MemoryDoubleVector* lVector = new MemoryDoubleVector({1, 2, 3});
  {
    QVTFdd2DCurveGP lNoX(kBox100, kBox100, QVTFdd2DCurveGP::ReduceAlongX, nullptr, lVector);
    QVTFdd2DCurveGP lNoY(kBox100, kBox100, QVTFdd2DCurveGP::ReduceAlongX, lVector, nullptr);
    QVTFdd2DCurveGP lGood(kBox100, kBox100, QVTFdd2DCurveGP::ReduceAlongX, lVector, lVector);
    EXPECT_EQ(lVector->GetRefCount(), 5u);
    lNoX.ImmediateDraw(lRender, &lViewpoint, nullptr);
    lNoY.ImmediateDraw(lRender, &lViewpoint, nullptr);
    lGood.ImmediateDraw(lRender, nullptr, nullptr);
    // A viewpoint that is not a 2D one cannot convert.
    CATViewpoint lPlain;
    lGood.ImmediateDraw(lRender, &lPlain, nullptr);
    EXPECT_TRUE(lRender.Calls().empty());
    lGood.ImmediateDraw(lRender, &lViewpoint, nullptr);
    EXPECT_EQ(lRender.Calls().size(), 1u);
  }
  EXPECT_EQ(lVector->GetRefCount(), 1u);
  lVector->Release();
  // Empty, one sample, only holes.
  for (const std::vector<double>& lValues : std::vector<std::vector<double>>{{}, {5}, {kNaN, kNaN, kNaN}}) {
    Curve lCurve(lValues, lValues, kBox100, kBox100);
    EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
    EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
  }
  // A one-sample curve has a result, empty, which the next draw at the same zoom reuses.
  {
    Curve lCurve({5}, {5}, kBox100, kBox100);
    DrawnSegments(*lCurve._GP, &lViewpoint);
    const long lReads = lCurve.Reads();
    DrawnSegments(*lCurve._GP, &lViewpoint);
    EXPECT_EQ(lCurve.Reads(), lReads);
  }
  // A data box of zero width or height maps onto nothing: no value is even read.
  for (const CATMathBox2D& lFlat : {CATMathBox2D(5, 5, 0, 100), CATMathBox2D(0, 100, 7, 7), CATMathBox2D()}) {
    Curve lCurve({10, 20, 30}, {10, 20, 30}, lFlat, kBox100);
    EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
    EXPECT_TRUE(DrawnSegments(*lCurve._GP, &lViewpoint).empty());
    EXPECT_EQ(lCurve._X->_Reads + lCurve._Y->_Reads, 0);
  }
}

TEST(QVTFdd2DCurveGP, CopySharesTheVectorsAndDrawsNothing) {
  Curve lCurve({10, 20, 30}, {10, 20, 30}, kBox100, kBox100, QVTFdd2DCurveGP::ReduceAlongY);
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  const std::vector<float> lDrawn = DrawnSegments(*lCurve._GP, &lViewpoint);
  ASSERT_FALSE(lDrawn.empty());
  ExpectCopiesDrawNothing(*lCurve._GP, lCurve, lDrawn,
                          [&](QVTFdd2DCurveGP& iGP) { return DrawnSegments(iGP, &lViewpoint); });
}

TEST(QVTFdd2DCurveGP, DataBoxesAtTheEndsOfTheDoublesDrawAsOrdinaryOnes) {
  // The same curve over 0 .. 100 and over boxes whose span overflows or whose scale would.
  CAT2DViewpoint lViewpoint = PixelViewpoint();
  const std::vector<double> lT = {0, 25, 50, 75, 100}, lV = {10, 90, 20, 80, 50};
  Curve lPlain(lT, lV, kBox100, kBox100);
  const std::vector<float> lExpected = DrawnSegments(*lPlain._GP, &lViewpoint);
  ASSERT_FALSE(lExpected.empty());
  const std::pair<double, double> lRanges[] = {{-1e308, 1e308}, {-DBL_MAX, DBL_MAX}, {0, 1e-307}, {1e-307, 2e-307}};
  for (const auto& r : lRanges) {
    std::vector<double> x, y;
    for (size_t i = 0; i < lT.size(); ++i) {
      x.push_back(r.first * (1 - lT[i] / 100) + r.second * (lT[i] / 100));
      y.push_back(r.first * (1 - lV[i] / 100) + r.second * (lV[i] / 100));
    }
    Curve lCurve(x, y, CATMathBox2D(r.first, r.second, r.first, r.second), kBox100);
    const std::vector<float> lDrawn = DrawnSegments(*lCurve._GP, &lViewpoint);
    ASSERT_EQ(lDrawn.size(), lExpected.size()) << r.first;
    for (size_t i = 0; i < lDrawn.size(); ++i) EXPECT_NEAR(lDrawn[i], lExpected[i], 1e-3) << r.first << " " << i;
  }
}

TEST(QVTFdd2DCurveGP, SamplesInMemoryDrawAsTheSampleBySampleReduction) {
  // Ascending x with repeats, at densities from a sample every few columns to thousands per
  // column, y with holes, infinities and huge values: the curve over vectors in memory (runs of
  // columns, SIMD extremes) draws exactly what it draws over vectors read in chunks.
  std::mt19937 lRandom(2026);
  std::uniform_real_distribution<double> lUniform(0.0, 1.0);
  for (double lPerColumn : {0.3, 3.0, 50.0, 2000.0}) {
    for (double lHoles : {0.0, 0.001, 0.2}) {
      const int n = static_cast<int>(300 * lPerColumn) + 7;
      std::vector<double> lX, lY;
      double lA = 0.0, lB = 0.0;
      for (int k = 0; k < n; ++k) {
        if (lUniform(lRandom) > 0.1) lA += 2.0 * lUniform(lRandom) / lPerColumn;  // else a repeated x
        lB += lUniform(lRandom) - 0.5;
        const double u = lUniform(lRandom);
        lX.push_back(lA);
        lY.push_back(u < lHoles ? kNaN : u > 0.9995 ? (u > 0.99975 ? kInf : -kInf) : u > 0.999 ? 1e300 : lB);
      }
      const CATMathBox2D lData(-1.5, lA * 0.9, -20, 25), lDisplay(-20, 140, -10, 95);
      CAT2DViewpoint lViewpoint(CATMathPoint2D(63.3, 41.7), 2.37);
      Curve lChunked(lX, lY, lData, lDisplay), lInMemory(lX, lY, lData, lDisplay);
      lInMemory._X->_Direct = lInMemory._Y->_Direct = true;
      SCOPED_TRACE(testing::Message() << lPerColumn << " samples a column, holes " << lHoles);
      const std::vector<float> lExpected = DrawnSegments(*lChunked._GP, &lViewpoint, 300, 200);
      EXPECT_GT(lExpected.size(), 40u);
      EXPECT_EQ(DrawnSegments(*lInMemory._GP, &lViewpoint, 300, 200), lExpected);
      EXPECT_EQ(lInMemory.Reads(), 0);
    }
  }
}

// The reduction compiled for a wider instruction set, where the machine has it, draws what the
// baseline one draws.
TEST(QVTFdd2DCurveGP, EveryInstructionSetDrawsTheSameSegments) {
  std::mt19937 lRandom(31);
  std::uniform_real_distribution<double> lUniform(0.0, 1.0);
  std::vector<double> lX, lY;
  double lA = 0.0, lB = 0.0;
  for (int k = 0; k < 5000; ++k) {
    lA += lUniform(lRandom) * 0.1;
    lB += lUniform(lRandom) - 0.5;
    lX.push_back(lA);
    lY.push_back(k % 97 == 5 ? kNaN : lB);
  }
  const CATMathBox2D lData(-1.5, lA * 0.9, -20, 25), lDisplay(-20, 140, -10, 95);
  CAT2DViewpoint lViewpoint(CATMathPoint2D(63.3, 41.7), 2.37);
  std::vector<float> lDrawn[2];
  for (int lLevel : {QVTFddSimd::eBaseline, QVTFddSimd::eAvx2}) {
    QVTFddSimd::SetCap(lLevel);
    Curve lCurve(lX, lY, lData, lDisplay);
    lDrawn[lLevel == QVTFddSimd::eAvx2] = DrawnSegments(*lCurve._GP, &lViewpoint, 300, 200);
  }
  QVTFddSimd::SetCap(QVTFddSimd::eAvx2);
  EXPECT_GT(lDrawn[0].size(), 40u);
  EXPECT_EQ(lDrawn[0], lDrawn[1]);
}

TEST(QVTFdd2DCurveGP, EachValueIsDrawnAtTheCentreOfThePixelItLiesIn) {
  // Data 0 .. 10 over model 20 .. 180, 16 pixels a unit: whole data values, where an axis puts its
  // ticks, lie on pixel edges, and each is drawn at the centre of the pixel that begins there.
  // Steps between them, and a run of samples inside column x = 4 reaching from y = 2 to y = 9:
  // every end, and the run's true minimum and maximum, are drawn in the pixels of those values (a
  // descending segment's end, as always, one pixel lower). A value on the box's far edge is drawn
  // in the box's last pixel, not beyond it.
  std::vector<double> lX = {0, 1, 2, 3}, lY = {5, 7, 3, 3};
  for (int k = 0; k < 100; ++k) {
    lX.push_back(4.0 + 0.0001 * k);
    lY.push_back(k == 40 ? 2.0 : k == 70 ? 9.0 : 6.0);
  }
  lX.insert(lX.end(), {6, 10});
  lY.insert(lY.end(), {1, 10});
  for (bool lDirect : {false, true}) {
    Curve lCurve(lX, lY, CATMathBox2D(0, 10, 0, 10), CATMathBox2D(20, 180, 20, 180));
    lCurve._X->_Direct = lCurve._Y->_Direct = lDirect;
    CAT2DViewpoint lViewpoint = PixelViewpoint();
    auto c = [](double v) { return static_cast<float>(20.0 + 16.0 * v) + 0.5f; };
    EXPECT_EQ(DrawnSegments(*lCurve._GP, &lViewpoint),
              (std::vector<float>{c(0), c(5), c(1), c(7),  //
                                  c(1), c(7), c(2), c(3) - 1,  //
                                  c(2), c(3), c(3), c(3),  //
                                  c(3), c(3), c(4), c(6),  //
                                  c(4), c(2), c(4), c(9),  //
                                  c(4), c(6), c(6), c(1) - 1,  //
                                  c(6), c(1), c(10) - 1, c(10) - 1}))
        << "direct " << lDirect;
  }
}
