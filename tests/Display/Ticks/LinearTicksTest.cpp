#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "LinearTickScaling.h"
#include "LinearTicks.h"

namespace {

std::vector<double> Level(LinearTicks& iTicks, int iLevel) {
  std::vector<double> lValues;
  for (int i = 0; i < iTicks.GetNbrTicks(iLevel); ++i) lValues.push_back(iTicks.GetTickValue(i, iLevel));
  return lValues;
}

// The step of a level of at least two ticks.
double Step(LinearTicks& iTicks, int iLevel) { return iTicks.GetTickValue(1, iLevel) - iTicks.GetTickValue(0, iLevel); }

}  // namespace

TEST(LinearTicks, NiceStepsFromDensestToTwoTicks) {
  LinearTicks* lTicks = new LinearTicks(0, 1);
  ASSERT_NE(lTicks, nullptr);
  ASSERT_EQ(lTicks->GetNbrLevels(), 6);
  const double lSteps[6] = {0.02, 0.05, 0.1, 0.2, 0.5, 1};
  for (int l = 0; l < 6; ++l) EXPECT_NEAR(Step(*lTicks, l), lSteps[l], 1e-12) << l;
  EXPECT_EQ(lTicks->GetNbrTicks(0), 51);
  EXPECT_EQ(Level(*lTicks, 5), std::vector<double>({0, 1}));
  // Exact decimals, not sums of rounded steps.
  EXPECT_EQ(Level(*lTicks, 2)[3], 0.3);
  EXPECT_EQ(Level(*lTicks, 2)[7], 0.7);
  // Levels it does not have: no ticks, no value.
  EXPECT_EQ(lTicks->GetNbrTicks(-1), 0);
  EXPECT_EQ(lTicks->GetNbrTicks(6), 0);
  EXPECT_TRUE(std::isnan(lTicks->GetTickValue(0, 6)));
  EXPECT_TRUE(std::isnan(lTicks->GetTickValue(51, 0)));
  EXPECT_TRUE(std::isnan(lTicks->GetTickValue(-1, 0)));
  EXPECT_EQ(lTicks->GetMin(3), 0.0);
  EXPECT_EQ(lTicks->GetMax(-1), 1.0);
  lTicks->Release();
}

TEST(LinearTicks, OffsetAndReversedRanges) {
  LinearTicks* lTicks = new LinearTicks(13.7, -2.2, LinearTicks::eMajor, 5);
  ASSERT_NE(lTicks, nullptr);
  // Intervals of at most a fifth of 15.9: steps of 5, ticks inside the range only.
  EXPECT_EQ(Level(*lTicks, 0), std::vector<double>({0, 5, 10}));
  EXPECT_EQ(lTicks->GetNbrLevels(), 2);
  EXPECT_EQ(Level(*lTicks, 1), std::vector<double>({0, 10}));
  EXPECT_EQ(lTicks->GetMin(0), 13.7);
  EXPECT_EQ(lTicks->GetMax(0), -2.2);
  lTicks->Release();

  // Ends that are multiples of the step up to rounding keep their ticks.
  lTicks = new LinearTicks(0.1 + 0.2, 0.7, LinearTicks::eMajor, 4);
  ASSERT_NE(lTicks, nullptr);
  EXPECT_EQ(Level(*lTicks, 0), std::vector<double>({0.3, 0.4, 0.5, 0.6, 0.7}));
  lTicks->Release();
}

TEST(LinearTicks, MinorTicksFallBetweenTheMajorTicksOfTheSameLevel) {
  LinearTicks* lMajor = new LinearTicks(0, 1);
  LinearTicks* lMinor = new LinearTicks(0, 1, LinearTicks::eMinor);
  ASSERT_TRUE(lMajor && lMinor);
  ASSERT_EQ(lMinor->GetNbrLevels(), lMajor->GetNbrLevels());
  // Level 2 (major step 0.1): fifths, the majors left out. Level 3 (step 0.2): quarters.
  EXPECT_EQ(lMinor->GetNbrTicks(2), 40);
  EXPECT_NEAR(lMinor->GetTickValue(0, 2), 0.02, 1e-15);
  EXPECT_EQ(lMinor->GetNbrTicks(3), 15);
  EXPECT_NEAR(lMinor->GetTickValue(0, 3), 0.05, 1e-15);
  for (int l = 0; l < lMajor->GetNbrLevels(); ++l)
    for (double v : Level(*lMinor, l))
      for (double m : Level(*lMajor, l)) EXPECT_GT(std::fabs(v - m), 1e-12) << l << " " << v;
  // Minor ticks show no values and are shorter.
  EXPECT_EQ(lMinor->AreValuesVisible(), 0);
  EXPECT_EQ(lMajor->AreValuesVisible(), 1);
  EXPECT_LT(lMinor->GetTickLength(), lMajor->GetTickLength());
  lMinor->SetValuesVisible(1);
  lMinor->SetTickLength(7);
  EXPECT_EQ(lMinor->AreValuesVisible(), 1);
  EXPECT_EQ(lMinor->GetTickLength(), 7);
  lMajor->Release();
  lMinor->Release();
}

TEST(LinearTicks, RangesWithoutTicks) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  const double lRanges[][2] = {{1, 1}, {kNaN, 1}, {0, kInf}, {1e15, 1e15 + 1}};
  for (const auto& lRange : lRanges) {
    LinearTicks* lTicks = new LinearTicks(lRange[0], lRange[1]);
    ASSERT_NE(lTicks, nullptr);
    EXPECT_EQ(lTicks->GetNbrLevels(), 0) << lRange[0] << " " << lRange[1];
    EXPECT_EQ(lTicks->GetNbrTicks(0), 0);
    lTicks->Release();
  }
  // Extreme but finite ranges give finite ticks within the range (a span of denormals too).
  for (double lSpan : {1e-300, 1e300, 4.9e-324 * 1e6}) {
    LinearTicks* lTicks = new LinearTicks(0, lSpan);
    ASSERT_NE(lTicks, nullptr);
    EXPECT_GT(lTicks->GetNbrLevels(), 0) << lSpan;
    for (int l = 0; l < lTicks->GetNbrLevels(); ++l)
      for (double v : Level(*lTicks, l)) EXPECT_TRUE(std::isfinite(v) && v >= 0 && v <= lSpan * (1 + 1e-9)) << lSpan;
    lTicks->Release();
  }
}

TEST(LinearTicks, HandsOutItsScaling) {
  LinearTicks* lTicks = new LinearTicks(0, 1);
  ASSERT_NE(lTicks, nullptr);
  QVTIFddTickScaling* lScaling = nullptr;
  EXPECT_EQ(lTicks->GetScaling(&lScaling), S_OK);
  ASSERT_NE(dynamic_cast<LinearTickScaling*>(lScaling), nullptr);
  EXPECT_EQ(lScaling->GetRefCount(), 1u);
  lScaling->Release();
  EXPECT_EQ(lTicks->GetScaling(nullptr), E_FAIL);
  lTicks->Release();
}

TEST(LinearTicks, RangesAtTheEndsOfTheDoublesHaveTicks) {
  // Spans that overflow, and spans of a few 1e-307: nice ticks within the range, at least two.
  const double kMax = std::numeric_limits<double>::max();
  const double lRanges[][2] = {{-kMax, kMax}, {-1e308, 1e308}, {0, 1e-307}, {1e-307, 4e-307}, {-3e-307, 3e-307}};
  for (const auto& r : lRanges) {
    SCOPED_TRACE(r[0]);
    LinearTicks* lTicks = new LinearTicks(r[0], r[1]);
    ASSERT_NE(lTicks, nullptr);
    ASSERT_GT(lTicks->GetNbrLevels(), 0);
    EXPECT_GE(lTicks->GetNbrTicks(0), 2);
    for (int l = 0; l < lTicks->GetNbrLevels(); ++l)
      for (double v : Level(*lTicks, l))
        EXPECT_TRUE(std::isfinite(v) && v >= r[0] - 1e-9 * std::fabs(r[0]) && v <= r[1] + 1e-9 * std::fabs(r[1])) << v;
    lTicks->Release();
  }
  // A span of one denormal halves to nothing at its ends: ticks within it, or none, but no
  // conversion of an infinite logarithm.
  const double kTiny = std::numeric_limits<double>::denorm_min();
  LinearTicks* lTiny = new LinearTicks(0.0, kTiny);
  for (int l = 0; l < lTiny->GetNbrLevels(); ++l)
    for (double v : Level(*lTiny, l)) EXPECT_TRUE(v >= 0.0 && v <= kTiny) << v;
  lTiny->Release();
}
