// The statistics of ranges of a curve from its levels of detail: on random data with runs of gaps,
// random ranges (inside blocks, across them, the whole) agree with a direct pass over the samples
// to 1e-12 relative, also where the sum cancels (+1e8 and -1e8 in turn, under noise: a plain sum
// keeps none of the noise's digits), and ranges given in x take the samples in [x0, x1], ends
// included.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "CurveLevels.h"
#include "MemoryDoubleVector.h"
#include "RefPtr.h"

namespace {

// The large part of sample i, which cancels in pairs.
double Large(size_t i) { return i % 2 ? -1e8 : 1e8; }

// An exact pass: the large parts are counted, the rest (exact differences) summed in long double.
struct Direct {
  long double sum = 0, squares = 0;
  double min = INFINITY, max = -INFINITY;
  uint64_t count = 0;
};

Direct DirectStats(const std::vector<double>& iY, size_t iFirst, size_t iEnd) {
  Direct lStats;
  long double lLarge = 0;
  for (size_t i = iFirst; i < iEnd; ++i) {
    if (std::isnan(iY[i])) continue;
    ++lStats.count;
    lLarge += Large(i);
    lStats.sum += iY[i] - Large(i);
    lStats.squares += static_cast<long double>(iY[i]) * iY[i];
    lStats.min = std::min(lStats.min, iY[i]);
    lStats.max = std::max(lStats.max, iY[i]);
  }
  lStats.sum += lLarge;
  return lStats;
}

void ExpectRelative(double iValue, long double iExpected, const char* iWhat, size_t iFirst, size_t iEnd) {
  EXPECT_LE(std::fabs(iValue - static_cast<double>(iExpected)), 1e-12 * std::fabs(static_cast<double>(iExpected)))
      << iWhat << " over " << iFirst << " .. " << iEnd;
}

}  // namespace

TEST(CurveLevelsStats, RandomRangesAgreeWithADirectPass) {
  const size_t kLength = 300007;
  std::mt19937_64 lRandom(28);
  std::uniform_real_distribution<double> lNoise(0.0, 1.0);
  std::vector<double> lX(kLength), lY(kLength);
  for (size_t i = 0; i < kLength; ++i) {
    lX[i] = double(i);
    lY[i] = Large(i) + lNoise(lRandom);
  }
  // Runs of gaps, short and longer than a block, and a block all gaps.
  for (size_t i = 0; i < 400; ++i) {
    const size_t lAt = lRandom() % kLength, lRun = lRandom() % 600;
    for (size_t k = lAt; k < std::min(kLength, lAt + lRun); ++k) lY[k] = NAN;
  }
  const RefPtr<MemoryDoubleVector> lXs(new MemoryDoubleVector(lX)), lYs(new MemoryDoubleVector(lY));
  CurveLevels lLevels(lXs.Get(), lYs.Get());
  lLevels.Start();
  ASSERT_EQ(lLevels.Wait(), CurveLevels::eReady);
  std::vector<std::pair<size_t, size_t>> lRanges = {{0, kLength}, {0, 1}, {5, 200}, {250, 260}, {255, 513},
                                                    {kLength - 3, kLength + 10}};
  for (int i = 0; i < 200; ++i) {
    size_t lA = lRandom() % kLength, lB = lRandom() % kLength;
    lRanges.emplace_back(std::min(lA, lB), std::max(lA, lB) + 1);
  }
  for (const auto& lRange : lRanges) {
    const RangeStats lStats = lLevels.GetStats(lRange.first, lRange.second);
    const Direct lDirect = DirectStats(lY, lRange.first, std::min(lRange.second, kLength));
    ASSERT_EQ(lStats.GetCount(), lDirect.count) << lRange.first << " .. " << lRange.second;
    if (lDirect.count == 0) {
      EXPECT_TRUE(std::isnan(lStats.GetMean()));
      continue;
    }
    EXPECT_EQ(lStats.GetMin(), lDirect.min);
    EXPECT_EQ(lStats.GetMax(), lDirect.max);
    ExpectRelative(lStats.GetMean(), lDirect.sum / lDirect.count, "mean", lRange.first, lRange.second);
    ExpectRelative(lStats.GetRms(), std::sqrt(lDirect.squares / lDirect.count), "rms", lRange.first, lRange.second);
  }
}

TEST(CurveLevelsStats, RangesInX) {
  // x with repeats; y = the sample's number.
  const std::vector<double> lX = {0, 1, 1, 2, 3, 3, 3, 4}, lY = {0, 1, 2, 3, 4, 5, 6, 7};
  const RefPtr<MemoryDoubleVector> lXs(new MemoryDoubleVector(lX)), lYs(new MemoryDoubleVector(lY));
  CurveLevels lLevels(lXs.Get(), lYs.Get());
  lLevels.Start();
  ASSERT_EQ(lLevels.Wait(), CurveLevels::eReady);
  struct Case {
    double x0, x1;
    uint64_t count;
    double min, max;
  };
  const Case lCases[] = {{1, 3, 6, 1, 6}, {0.5, 1.5, 2, 1, 2}, {3, 3, 3, 4, 6}, {5, 9, 0, NAN, NAN},
                         {2, 1, 0, NAN, NAN}, {-INFINITY, INFINITY, 8, 0, 7}};
  for (const Case& c : lCases) {
    const RangeStats lStats = lLevels.GetStatsOver(c.x0, c.x1);
    EXPECT_EQ(lStats.GetCount(), c.count) << c.x0 << " .. " << c.x1;
    if (c.count) {
      EXPECT_EQ(lStats.GetMin(), c.min);
      EXPECT_EQ(lStats.GetMax(), c.max);
    }
  }
}
