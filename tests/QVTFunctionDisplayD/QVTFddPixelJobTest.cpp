#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "MemoryDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddModule.h"
#include "QVTFddComputePixelJobs.h"
#include "QVTFddTestCountingVector.h"
#include "QVTFddTestLog.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const int kBound = 536870912;  // 2^29, the saturation bound

QVTFddPixelJob Index(int i) { return QVTFddPixelJob::Index(i); }
QVTFddPixelJob Range(int a, int b) { return QVTFddPixelJob::Range(a, b); }
QVTFddPixelJob Interp(int a, int b, double f) { return QVTFddPixelJob::Interpolation(a, b, f); }
QVTFddPixelJob Empty() { return QVTFddPixelJob::Empty(); }

// What a caller puts in its array before the mapping: recognisable, so that an untouched array
// can be told from one the mapping wrote.
QVTFddPixelJob Sentinel() { return QVTFddPixelJob(QVTFddPixelJob::RangeJob, 77, 88, 0.25); }

std::string Describe(const QVTFddPixelJob& j) {
  return "(" + std::to_string(j._Type) + ", " + std::to_string(j._First) + ", " + std::to_string(j._Second) + ", " +
         std::to_string(j._Fraction) + ")";
}

// Jobs of a vector over [iMin, iMax] on iLength pixels, starting from sentinels.
std::vector<QVTFddPixelJob> Map(const std::vector<double>& iValues, double iMin, double iMax, int iLength,
                                int iInterpolate = 1) {
  MemoryDoubleVector* lVector = new MemoryDoubleVector(iValues);
  std::vector<QVTFddPixelJob> lJobs(static_cast<size_t>(iLength), Sentinel());
  QVTFddComputePixelJobs(lVector, iMin, iMax, iInterpolate, lJobs.data(), iLength);
  EXPECT_EQ(lVector->GetRefCount(), 1u);  // read, never kept
  lVector->Release();
  return lJobs;
}

void ExpectJobs(const std::vector<QVTFddPixelJob>& iActual, const std::vector<QVTFddPixelJob>& iExpected) {
  ASSERT_EQ(iActual.size(), iExpected.size());
  for (size_t k = 0; k < iActual.size(); ++k) {
    const QVTFddPixelJob &a = iActual[k], &e = iExpected[k];
    EXPECT_TRUE(a._Type == e._Type && a._First == e._First && a._Second == e._Second &&
                std::fabs(a._Fraction - e._Fraction) < 1e-12)
        << "pixel " << k << ": " << Describe(a) << " expected " << Describe(e);
  }
}

bool AllSentinels(const std::vector<QVTFddPixelJob>& iJobs) {
  for (const QVTFddPixelJob& j : iJobs)
    if (j != Sentinel()) return false;
  return true;
}

}  // namespace

TEST(QVTFddPixelJob, ConstructionAndNamedJobs) {
  QVTFddPixelJob lDefault;
  EXPECT_EQ(lDefault._Type, QVTFddPixelJob::EmptyJob);
  EXPECT_EQ(lDefault._First, -1);
  EXPECT_EQ(lDefault._Second, -1);
  EXPECT_EQ(lDefault._Fraction, 0.0);  // set, so that copies never read an uninitialised value

  EXPECT_EQ(Index(4), QVTFddPixelJob(QVTFddPixelJob::IndexJob, 4, 4, 0.0));
  EXPECT_EQ(Range(2, 9), QVTFddPixelJob(QVTFddPixelJob::RangeJob, 2, 9, 0.0));
  EXPECT_EQ(Interp(3, 4, 0.75), QVTFddPixelJob(QVTFddPixelJob::InterpolationJob, 3, 4, 0.75));
  EXPECT_EQ(Empty(), QVTFddPixelJob(QVTFddPixelJob::EmptyJob, 0, 0, 0.0));
  EXPECT_EQ(static_cast<int>(QVTFddPixelJob::IndexJob), 0);
  EXPECT_EQ(static_cast<int>(QVTFddPixelJob::RangeJob), 1);
  EXPECT_EQ(static_cast<int>(QVTFddPixelJob::InterpolationJob), 2);
  EXPECT_EQ(static_cast<int>(QVTFddPixelJob::EmptyJob), 3);

  QVTFddPixelJob lCopy(Interp(1, 2, 0.5));
  QVTFddPixelJob lAssigned;
  lAssigned = lCopy;
  EXPECT_EQ(lAssigned, Interp(1, 2, 0.5));
}

TEST(QVTFddPixelJob, ValueToPixelRoundsHalfUpAndTruncatesTowardZero) {
  EXPECT_EQ(QVTFddValueToPixel(0.0, 0.0, 10.0, 11), 0);
  EXPECT_EQ(QVTFddValueToPixel(10.0, 0.0, 10.0, 11), 10);
  EXPECT_EQ(QVTFddValueToPixel(4.49, 0.0, 10.0, 11), 4);
  EXPECT_EQ(QVTFddValueToPixel(4.5, 0.0, 10.0, 11), 5);
  // 1.2 pixel widths left of the minimum: -0.7 truncates to pixel 0, not -1.
  EXPECT_EQ(QVTFddValueToPixel(-1.2, 0.0, 10.0, 11), 0);
  EXPECT_EQ(QVTFddValueToPixel(-1.6, 0.0, 10.0, 11), -1);
  EXPECT_EQ(QVTFddValueToPixel(10.5, 0.0, 10.0, 11), 11);
  // Pixels of another strip length and range.
  EXPECT_EQ(QVTFddValueToPixel(0.5, -1.0, 1.0, 1999), 1499);
}

TEST(QVTFddPixelJob, ValueToPixelSaturatesHugeAndNonFiniteValues) {
  unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_EQ(QVTFddValueToPixel(1e300, 0.0, 1.0, 1000), kBound);
  EXPECT_EQ(QVTFddValueToPixel(-1e300, 0.0, 1.0, 1000), -kBound);
  EXPECT_EQ(QVTFddValueToPixel(kInf, 0.0, 1.0, 1000), kBound);
  EXPECT_EQ(QVTFddValueToPixel(-kInf, 0.0, 1.0, 1000), -kBound);
  EXPECT_EQ(QVTFddValueToPixel(kNaN, 0.0, 1.0, 1000), -kBound);
  EXPECT_EQ(QVTFddValueToPixel(0.5, 0.0, 1.0, std::numeric_limits<int>::max()), kBound);
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddPixelJob").empty());
}

TEST(QVTFddPixelJob, LimitsAtTheEndsOfTheDoublesMapTheirSamples) {
  const double kMax = std::numeric_limits<double>::max();
  // Limits whose span overflows, and a span of 1e-307: the middle and the ends on their pixels, and
  // the strip's jobs over three samples (ends and middle).
  const double lRanges[][2] = {{-kMax, kMax}, {-1e308, 1e308}, {0, 1e-307}, {1e-307, 3e-307}};
  for (const auto& r : lRanges) {
    SCOPED_TRACE(r[0]);
    const double lMiddle = 0.5 * r[0] + 0.5 * r[1];
    EXPECT_EQ(QVTFddValueToPixel(r[0], r[0], r[1], 11), 0);
    EXPECT_EQ(QVTFddValueToPixel(lMiddle, r[0], r[1], 11), 5);
    EXPECT_EQ(QVTFddValueToPixel(r[1], r[0], r[1], 11), 10);
    MemoryDoubleVector* lVector = new MemoryDoubleVector({r[0], lMiddle, r[1]});
    QVTFddPixelJob lJobs[11];
    QVTFddComputePixelJobs(lVector, r[0], r[1], 0, lJobs, 11);
    EXPECT_EQ(lJobs[0]._Type, QVTFddPixelJob::IndexJob);
    EXPECT_EQ(lJobs[5]._Type, QVTFddPixelJob::IndexJob);
    EXPECT_EQ(lJobs[5]._First, 1);
    EXPECT_EQ(lJobs[10]._First, 2);
    lVector->Release();
  }
}

TEST(QVTFddPixelJob, ValueToPixelLogsLimitsThatMissTheEndPixels) {
  // Equal limits: 0/0 is NaN, saturated to the negative bound, which is neither end pixel.
  unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_EQ(QVTFddValueToPixel(5.0, 5.0, 5.0, 11), -kBound);
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"),
            (std::vector<std::string>{testlog::kFirstJobNotFirst, testlog::kLastJobNotLast}));

  // iLength - 1 is taken without int overflow.
  lBefore = QVTFddModuleLog().Count();
  EXPECT_EQ(QVTFddValueToPixel(1.0, 0.0, 1.0, std::numeric_limits<int>::min()), -kBound);
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), (std::vector<std::string>{testlog::kLastJobNotLast}));
}

TEST(QVTFddPixelJob, TwoSamplesWithAndWithoutInterpolation) {
  std::vector<QVTFddPixelJob> lExpected(11);
  lExpected[0] = Index(0);
  lExpected[10] = Index(1);
  for (int k = 1; k <= 9; ++k) lExpected[k] = Interp(0, 1, k * (1.0 / 10));
  ExpectJobs(Map({0, 10}, 0, 10, 11, 1), lExpected);

  // The earlier sample also takes the middle of the odd gap of nine pixels.
  for (int k = 1; k <= 9; ++k) lExpected[k] = Index(k <= 5 ? 0 : 1);
  ExpectJobs(Map({0, 10}, 0, 10, 11, 0), lExpected);
}

TEST(QVTFddPixelJob, SamplesInOnePixelFormOneRange) {
  // Samples 0 to 2 fall into pixel 0; the gap after them interpolates from the last of them.
  ExpectJobs(Map({0, 0.1, 0.2, 5, 10}, 0, 10, 11),
             {Range(0, 2), Interp(2, 3, 0.2), Interp(2, 3, 0.4), Interp(2, 3, 0.6), Interp(2, 3, 0.8), Index(3),
              Interp(3, 4, 0.2), Interp(3, 4, 0.4), Interp(3, 4, 0.6), Interp(3, 4, 0.8), Index(4)});

  // A million samples on five pixels: five ranges that cover every sample once.
  std::vector<double> lMany(1000000);
  for (size_t i = 0; i < lMany.size(); ++i) lMany[i] = static_cast<double>(i);
  std::vector<QVTFddPixelJob> lJobs = Map(lMany, 0, 999999, 5);
  int lNext = 0;
  for (const QVTFddPixelJob& j : lJobs) {
    EXPECT_EQ(j._Type, QVTFddPixelJob::RangeJob);
    EXPECT_EQ(j._First, lNext);
    lNext = j._Second + 1;
  }
  EXPECT_EQ(lNext, 1000000);
}

TEST(QVTFddPixelJob, EmptyEndsWhereTheRangeReachesBeyondTheSamples) {
  ExpectJobs(Map({2, 4, 6}, 0, 10, 11),
             {Empty(), Empty(), Index(0), Interp(0, 1, 0.5), Index(1), Interp(1, 2, 0.5), Index(2), Empty(), Empty(),
              Empty(), Empty()});
  // Entirely left of the samples: every pixel empty.
  ExpectJobs(Map({20, 30}, 0, 10, 4), {Empty(), Empty(), Empty(), Empty()});
  // Entirely right of them, and a last sample that is NaN: the same.
  ExpectJobs(Map({-30, -20}, 0, 10, 3), {Empty(), Empty(), Empty()});
  ExpectJobs(Map({1, 2, kNaN}, 0, 10, 3), {Empty(), Empty(), Empty()});
}

TEST(QVTFddPixelJob, EndPixelsInterpolateTowardsSamplesOutsideTheRange) {
  // Sample 0 lies at pixel -9, sample 2 at pixel 20: pixel 0 and pixel 10 are in the gaps.
  std::vector<QVTFddPixelJob> lJobs = Map({-10, 5, 20}, 0, 10, 11);
  ExpectJobs({lJobs[0], lJobs[4], lJobs[5], lJobs[6], lJobs[10]},
             {Interp(0, 1, 9.0 / 14), Interp(0, 1, 13.0 / 14), Index(1), Interp(1, 2, 1.0 / 15), Interp(1, 2, 5.0 / 15)});
  // Without interpolation the nearer sample: pixel 0 is 9 of 14 positions away from sample 0.
  lJobs = Map({-10, 5, 20}, 0, 10, 11, 0);
  ExpectJobs({lJobs[0], lJobs[10]}, {Index(1), Index(1)});
}

TEST(QVTFddPixelJob, SampleJustLeftOfTheRangeTruncatesTowardPixelZero) {
  // 1.2 pixel widths left of the minimum is pixel 0 itself: the sample owns that pixel.
  std::vector<QVTFddPixelJob> lJobs = Map({-1.2, 5, 10}, 0, 10, 11);
  ExpectJobs({lJobs[0], lJobs[1], lJobs[5]}, {Index(0), Interp(0, 1, 0.2), Index(1)});
  // 1.6 pixel widths left is pixel -1: pixel 0 lies in the gap, one sixth of the way.
  lJobs = Map({-1.6, 5, 10}, 0, 10, 11);
  ExpectJobs({lJobs[0], lJobs[4], lJobs[5]}, {Interp(0, 1, 1.0 / 6), Interp(0, 1, 5.0 / 6), Index(1)});
}

TEST(QVTFddPixelJob, InfiniteEndSamplesStandOneSpacingBeyondTheLimits) {
  // The last sample is placed at 10 + (10 - 8) = 12.
  ExpectJobs(Map({0, 4, 8, kInf}, 0, 10, 11),
             {Index(0), Interp(0, 1, 0.25), Interp(0, 1, 0.5), Interp(0, 1, 0.75), Index(1), Interp(1, 2, 0.25),
              Interp(1, 2, 0.5), Interp(1, 2, 0.75), Index(2), Interp(2, 3, 0.25), Interp(2, 3, 0.5)});
  // The first sample is placed at 0 - (2 - 0) = -2, pixel -1.
  std::vector<QVTFddPixelJob> lJobs = Map({-kInf, 2, 10}, 0, 10, 11);
  ExpectJobs({lJobs[0], lJobs[1], lJobs[2]}, {Interp(0, 1, 1.0 / 3), Interp(0, 1, 2.0 / 3), Index(1)});
  // Both ends infinite: the spacing is infinite too, so the ends stand one unit beyond the limits.
  std::vector<QVTFddPixelJob> lExpected(11);
  lExpected[0] = Index(0);
  for (int k = 1; k <= 10; ++k) lExpected[k] = Interp(0, 1, k / 11.0);
  ExpectJobs(Map({-kInf, kInf}, 0, 10, 11), lExpected);
}

TEST(QVTFddPixelJob, FarSamplesUseTheWindowAndTheSpare) {
  // Samples a million and 1e300 pixels away (the latter saturated): only the eleven visible
  // positions are stored; the far ones pass through the spare job.
  std::vector<QVTFddPixelJob> lJobs = Map({-1e6, 5, 1e300}, 0, 10, 11);
  const double lLeftGap = 1e6 + 5 - 1;  // sample 0 at pixel -999999, sample 1 at pixel 5
  EXPECT_EQ(lJobs[0]._Type, QVTFddPixelJob::InterpolationJob);
  EXPECT_NEAR(lJobs[0]._Fraction, 999999 / lLeftGap, 1e-12);
  EXPECT_EQ(lJobs[5], Index(1));
  EXPECT_EQ(lJobs[10]._Type, QVTFddPixelJob::InterpolationJob);
  EXPECT_EQ(lJobs[10]._First, 1);
  EXPECT_EQ(lJobs[10]._Second, 2);
  EXPECT_NEAR(lJobs[10]._Fraction, 5.0 / (kBound - 5), 1e-12);

  // Both used samples beyond the saturation bound: pixel k stands 2^29 + k positions after
  // sample 1 in a gap of 2^30.
  lJobs = Map({-1e300, -1e299, 1e299, 1e300}, 0, 10, 3);
  const double lGap = 2.0 * kBound;
  ExpectJobs(lJobs, {Interp(1, 2, kBound / lGap), Interp(1, 2, (kBound + 1.0) / lGap), Interp(1, 2, (kBound + 2.0) / lGap)});
}

TEST(QVTFddPixelJob, OneSampleTakesItsPixel) {
  const struct {
    double min, max;
    int pixel;  // -1: none
  } lCases[] = {{0, 10, 5}, {5, 10, 0}, {0, 5, 10}, {6, 10, -1}, {0, 4, -1}};
  MemoryDoubleVector* lVector = new MemoryDoubleVector({5});
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.min);
    unsigned long long lBefore = QVTFddModuleLog().Count();
    for (int lInterpolate : {0, 1}) {
      QVTFddPixelJob lJobs[11];
      QVTFddComputePixelJobs(lVector, c.min, c.max, lInterpolate, lJobs, 11);
      for (int k = 0; k < 11; ++k)
        EXPECT_EQ(lJobs[k]._Type, k == c.pixel ? QVTFddPixelJob::IndexJob : QVTFddPixelJob::EmptyJob) << k;
      if (c.pixel >= 0) {
        EXPECT_EQ(lJobs[c.pixel]._First, 0);
      }
    }
    EXPECT_TRUE(testlog::Since(lBefore, "QVTFddPixelJob").empty());
  }
  lVector->Release();
}

TEST(QVTFddPixelJob, PreconditionFailuresLogAndLeaveTheArray) {
  struct Case {
    std::vector<double> values;
    double min, max;
    std::string text;
  };
  const Case lCases[] = {
      {{}, 0, 10, testlog::kVectorTooShort},
      {{0, 10}, 10, 10, testlog::kLimitsReversed},
      {{0, 10}, 10, 0, testlog::kLimitsReversed},
      {{0, 10}, kNaN, 10, testlog::kLimitsReversed},
      {{0, 10}, 0, kNaN, testlog::kLimitsReversed},
  };
  for (const Case& c : lCases) {
    unsigned long long lBefore = QVTFddModuleLog().Count();
    EXPECT_TRUE(AllSentinels(Map(c.values, c.min, c.max, 6)));
    EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), std::vector<std::string>{c.text});
  }

  // No vector, no array, or no pixel: nothing happens and nothing is logged.
  unsigned long long lBefore = QVTFddModuleLog().Count();
  std::vector<QVTFddPixelJob> lJobs(3, Sentinel());
  QVTFddComputePixelJobs(nullptr, 0, 10, 1, lJobs.data(), 3);
  EXPECT_TRUE(AllSentinels(lJobs));
  MemoryDoubleVector* lVector = new MemoryDoubleVector({0, 10});
  QVTFddComputePixelJobs(lVector, 0, 10, 1, nullptr, 3);
  QVTFddComputePixelJobs(lVector, 0, 10, 1, lJobs.data(), 0);
  QVTFddComputePixelJobs(lVector, 0, 10, 1, lJobs.data(), -5);
  QVTFddComputePixelJobs(lVector, 0, 10, 1, lJobs.data(), std::numeric_limits<int>::min());
  EXPECT_TRUE(AllSentinels(lJobs));
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore);
  EXPECT_EQ(lVector->GetRefCount(), 1u);
  lVector->Release();
}

TEST(QVTFddPixelJob, VectorsOutsideTheContractEndTheMappingUntouched) {
  // A NaN among the samples, an unsorted vector: the caller's array stays as it was.
  unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(AllSentinels(Map({0, kNaN, 10}, 0, 10, 11)));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), std::vector<std::string>{testlog::kVectorValueNaN});

  lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(AllSentinels(Map({kNaN, 5, 10}, 0, 10, 11)));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), std::vector<std::string>{testlog::kVectorValueNaN});

  lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(AllSentinels(Map({0, 8, 2, 10}, 0, 10, 11)));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), std::vector<std::string>{"iVector is not sorted"});

  // An alternating vector of a million samples ends at its first step back instead of filling
  // the whole strip again for every sample.
  std::vector<double> lAlternating(1000000);
  for (size_t i = 0; i < lAlternating.size(); ++i) lAlternating[i] = (i % 2) ? 0.0 : 10.0;
  lAlternating[0] = 0.0;
  lAlternating.back() = 10.0;
  lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(AllSentinels(Map(lAlternating, 0, 10, 1999)));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddPixelJob"), std::vector<std::string>{"iVector is not sorted"});
}

TEST(QVTFddPixelJob, UnsortedSamplesInsideOnePixelStayARange) {
  // Out of order but within pixel 0: the range still covers them; the strip is whole.
  ExpectJobs(Map({0, 0.2, 0.1, 10}, 0, 10, 3), {Range(0, 2), Interp(2, 3, 0.5), Index(3)});
}

TEST(QVTFddPixelJob, SamplesInMemoryMapAsSamplesReadOneByOne) {
  // Ascending samples with repeats and infinite ends, from a few per strip to thousands per pixel,
  // over limits inside and beyond them: the mapping over a vector in memory (runs found by
  // bisection) writes the jobs that the mapping over the same vector read in chunks writes.
  std::mt19937 lRandom(15);
  std::uniform_real_distribution<double> lUniform(0.0, 1.0);
  for (double lPerPixel : {0.2, 3.0, 2500.0}) {
    for (bool lInfiniteEnds : {false, true}) {
      const int lPixels = 301, n = static_cast<int>(lPixels * lPerPixel) + 3;
      std::vector<double> lValues;
      double v = -5.0;
      for (int k = 0; k < n; ++k) lValues.push_back(v += lUniform(lRandom) < 0.2 ? 0.0 : lUniform(lRandom));
      if (lInfiniteEnds) lValues.front() = -kInf, lValues.back() = kInf;
      for (int lInterpolate : {0, 1}) {
        QVTFddTestCountingVector* lChunked = new QVTFddTestCountingVector(lValues);
        QVTFddTestCountingVector* lInMemory = new QVTFddTestCountingVector(lValues);
        lInMemory->_Direct = true;
        const double lMax = lValues[size_t(n) / 2] + 0.37;
        std::vector<QVTFddPixelJob> lExpected(lPixels, Sentinel()), lActual(lPixels, Sentinel());
        QVTFddComputePixelJobs(lChunked, -2.0, lMax, lInterpolate, lExpected.data(), lPixels);
        QVTFddComputePixelJobs(lInMemory, -2.0, lMax, lInterpolate, lActual.data(), lPixels);
        SCOPED_TRACE(testing::Message() << lPerPixel << " per pixel, infinite ends " << lInfiniteEnds);
        EXPECT_FALSE(AllSentinels(lExpected));
        EXPECT_EQ(lActual, lExpected);
        EXPECT_LT(lInMemory->_Reads, 10);
        lChunked->Release();
        lInMemory->Release();
      }
    }
  }
}
