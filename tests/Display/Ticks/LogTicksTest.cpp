#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "LogTickScaling.h"
#include "LogTicks.h"

namespace {

std::vector<double> Level(LogTicks& iTicks, int iLevel) {
  std::vector<double> lValues;
  for (int i = 0; i < iTicks.GetNbrTicks(iLevel); ++i) lValues.push_back(iTicks.GetTickValue(i, iLevel));
  return lValues;
}

}  // namespace

TEST(LogTicks, OneTwoFiveThenDecadesThenEveryNthDecade) {
  LogTicks* lTicks = new LogTicks(1, 1e6);
  ASSERT_NE(lTicks, nullptr);
  ASSERT_EQ(lTicks->GetNbrLevels(), 4);
  EXPECT_EQ(Level(*lTicks, 0), std::vector<double>({1, 2, 5, 10, 20, 50, 100, 200, 500, 1e3, 2e3, 5e3, 1e4, 2e4, 5e4,
                                                    1e5, 2e5, 5e5, 1e6}));
  EXPECT_EQ(Level(*lTicks, 1), std::vector<double>({1, 10, 100, 1e3, 1e4, 1e5, 1e6}));
  EXPECT_EQ(Level(*lTicks, 2), std::vector<double>({1, 100, 1e4, 1e6}));
  EXPECT_EQ(Level(*lTicks, 3), std::vector<double>({1, 1e5}));
  EXPECT_EQ(lTicks->GetNbrTicks(4), 0);
  EXPECT_EQ(lTicks->GetNbrTicks(-1), 0);
  lTicks->Release();

  // Below one: exact decimals.
  lTicks = new LogTicks(0.001, 0.1);
  ASSERT_NE(lTicks, nullptr);
  EXPECT_EQ(Level(*lTicks, 1), std::vector<double>({0.001, 0.01, 0.1}));
  EXPECT_EQ(Level(*lTicks, 0)[2], 0.005);
  EXPECT_EQ(Level(*lTicks, 0)[5], 0.05);
  lTicks->Release();
}

TEST(LogTicks, MinorTicksFallBetweenTheMajorTicksOfTheSameLevel) {
  LogTicks* lMajor = new LogTicks(1, 1e6);
  LogTicks* lMinor = new LogTicks(1, 1e6, LogTicks::eMinor);
  ASSERT_TRUE(lMajor && lMinor);
  ASSERT_EQ(lMinor->GetNbrLevels(), lMajor->GetNbrLevels());
  const std::vector<double> lDensest = Level(*lMinor, 0);
  ASSERT_GE(lDensest.size(), 6u);
  EXPECT_EQ(std::vector<double>(lDensest.begin(), lDensest.begin() + 6), std::vector<double>({3, 4, 6, 7, 8, 9}));
  EXPECT_EQ(lMinor->GetNbrTicks(1), 6 * 8);
  EXPECT_EQ(Level(*lMinor, 2), std::vector<double>({10, 1000, 1e5}));
  EXPECT_EQ(Level(*lMinor, 3), std::vector<double>({10, 100, 1000, 1e4, 1e6}));
  EXPECT_EQ(lMinor->AreValuesVisible(), 0);
  lMajor->Release();
  lMinor->Release();
}

TEST(LogTicks, RangesWithoutTicks) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double lRanges[][2] = {{0, 100}, {-1, 100}, {kNaN, 10}, {10, 10}};
  for (const auto& lRange : lRanges) {
    LogTicks* lTicks = new LogTicks(lRange[0], lRange[1]);
    ASSERT_NE(lTicks, nullptr);
    EXPECT_EQ(lTicks->GetNbrLevels(), 0) << lRange[0] << " " << lRange[1];
    lTicks->Release();
  }
  // Within one decade: the level of 2 and 5 is the sparsest, after the steps within the decade.
  LogTicks* lTicks = new LogTicks(8, 1.5);
  ASSERT_NE(lTicks, nullptr);
  ASSERT_GE(lTicks->GetNbrLevels(), 2);
  EXPECT_EQ(Level(*lTicks, lTicks->GetNbrLevels() - 1), std::vector<double>({2, 5}));
  EXPECT_EQ(Level(*lTicks, lTicks->GetNbrLevels() - 2), std::vector<double>({2, 3, 4, 5, 6, 7, 8}));
  lTicks->Release();
  // The whole double range: finite ticks only, in bounded number.
  lTicks = new LogTicks(std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max());
  ASSERT_NE(lTicks, nullptr);
  EXPECT_GT(lTicks->GetNbrLevels(), 3);
  for (int l = 0; l < lTicks->GetNbrLevels(); ++l) {
    EXPECT_LT(lTicks->GetNbrTicks(l), 2000);
    for (double v : Level(*lTicks, l)) EXPECT_TRUE(std::isfinite(v) && v > 0);
  }
  lTicks->Release();
}

TEST(LogTicks, HandsOutALogScaling) {
  LogTicks* lTicks = new LogTicks(1, 100);
  ASSERT_NE(lTicks, nullptr);
  QVTIFddTickScaling* lScaling = nullptr;
  EXPECT_EQ(lTicks->GetScaling(&lScaling), S_OK);
  ASSERT_NE(dynamic_cast<LogTickScaling*>(lScaling), nullptr);
  EXPECT_DOUBLE_EQ(lScaling->Scale(100), 2.0);
  lScaling->Release();
  EXPECT_EQ(lTicks->GetScaling(nullptr), E_FAIL);
  lTicks->Release();
}

TEST(LogTicks, RangesWithinADecadeGetStepsWithinIt) {
  // Fewer than two decade ticks: levels of 1, 2 and 5 steps within the decade, densest first, each
  // sparser level a subset of the one before, the minor ticks of a level between its majors.
  const struct {
    double low, high;
    std::vector<double> level;  // one of the levels
  } lCases[] = {{40, 60, {40, 50, 60}},
                {40, 60, {40, 45, 50, 55, 60}},
                {1.1, 1.9, {1.2, 1.4, 1.6, 1.8}},
                {0.0041, 0.0059, {0.0045, 0.005, 0.0055}},
                {3e5, 2e6, {3e5, 4e5, 5e5, 6e5, 7e5, 8e5, 9e5, 1e6, 2e6}}};
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.low);
    LogTicks* lMajor = new LogTicks(c.low, c.high);
    LogTicks* lMinor = new LogTicks(c.low, c.high, LogTicks::eMinor);
    ASSERT_TRUE(lMajor && lMinor);
    ASSERT_EQ(lMinor->GetNbrLevels(), lMajor->GetNbrLevels());
    bool lFound = false;
    for (int l = 0; l < lMajor->GetNbrLevels(); ++l) {
      const std::vector<double> lValues = Level(*lMajor, l);
      lFound = lFound || lValues == c.level;
      EXPECT_LE(lValues.size(), 2000u);
      EXPECT_TRUE(std::is_sorted(lValues.begin(), lValues.end()));
      if (l > 0) {
        EXPECT_LE(lValues.size(), Level(*lMajor, l - 1).size());
      }
      for (double m : Level(*lMinor, l)) EXPECT_EQ(std::count(lValues.begin(), lValues.end(), m), 0) << m;
    }
    EXPECT_TRUE(lFound);
    lMajor->Release();
    lMinor->Release();
  }
}
