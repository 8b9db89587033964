#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "QVTFddRunRanges.h"

namespace {

// Ranges of entries given as (min, max) pairs, built.
struct Ranges {
  explicit Ranges(const std::vector<std::pair<double, double>>& iEntries) {
    EXPECT_TRUE(R.Reserve(static_cast<int>(iEntries.size())));
    for (size_t e = 0; e < iEntries.size(); ++e) R.Set(static_cast<int>(e), iEntries[e].first, iEntries[e].second);
    R.Build(static_cast<int>(iEntries.size()));
  }
  QVTFddRunRanges R;
};

}  // namespace

TEST(QVTFddRunRanges, EveryRunHoldsTheRangeOfItsEntries) {
  const std::vector<std::pair<double, double>> lEntries = {{3, 4}, {-1, 0}, {5, 9}, {2, 2}, {7, 8}, {0, 1}, {4, 6}};
  Ranges r(lEntries);
  const int n = static_cast<int>(lEntries.size());
  for (int k = 0; (1 << k) <= n; ++k)
    for (int s = 0; s + (1 << k) <= n; ++s) {
      double lMin = lEntries[s].first, lMax = lEntries[s].second;
      for (int e = s; e < s + (1 << k); ++e) {
        lMin = std::min(lMin, lEntries[e].first);
        lMax = std::max(lMax, lEntries[e].second);
      }
      EXPECT_EQ(r.R.Min(k, s), lMin) << "level " << k << " start " << s;
      EXPECT_EQ(r.R.Max(k, s), lMax) << "level " << k << " start " << s;
    }
}

TEST(QVTFddRunRanges, PermuteReordersTheEntriesBeforeBuilding) {
  QVTFddRunRanges r;
  ASSERT_TRUE(r.Reserve(3));
  r.Set(0, 0, 1);
  r.Set(1, 10, 11);
  r.Set(2, 20, 21);
  const int lOrder[] = {2, 0, 1};
  double lSpare[3];
  r.Permute(lOrder, 3, lSpare);
  r.Build(3);
  EXPECT_EQ(r.Min(0, 0), 20);
  EXPECT_EQ(r.Max(0, 1), 1);
  EXPECT_EQ(r.Min(1, 1), 0);
  EXPECT_EQ(r.Max(1, 1), 11);
}

// Skipping towards the entries whose range holds a value: a walk never passes over one of them, and
// skips long runs without any in a few steps.
TEST(QVTFddRunRanges, SkipsStopAtEveryEntryThatMayHoldAndPassLongRunsQuickly) {
  struct Case {
    std::vector<int> Holds;  // entries whose range holds the value searched
  };
  const int n = 100;
  for (const Case& c : {Case{{}}, Case{{0}}, Case{{99}}, Case{{37}}, Case{{5, 6, 64, 98}}}) {
    std::vector<std::pair<double, double>> lEntries(n, {0.0, 1.0});
    for (int e : c.Holds) lEntries[e] = {5.0, 6.0};
    Ranges r(lEntries);
    auto lMayHold = [&](int iLevel, int iStart) {
      return r.R.Min(iLevel, iStart) <= 5.5 && r.R.Max(iLevel, iStart) >= 5.5;
    };

    std::vector<int> lUpStops, lDownStops;
    int lSteps = 0;
    for (int e = 0; e < n; ++lSteps) {
      const int lSkip = r.R.SkipUp(e, n, lMayHold);
      if (lSkip == 0) lUpStops.push_back(e++);
      ASSERT_LE(e + lSkip, n);
      e += lSkip;
    }
    EXPECT_EQ(lUpStops, c.Holds);
    EXPECT_LE(lSteps, 2 * 7 * static_cast<int>(c.Holds.size() + 1));
    for (int e = n - 1; e >= 0;) {
      const int lSkip = r.R.SkipDown(e, lMayHold);
      if (lSkip == 0) lDownStops.insert(lDownStops.begin(), e--);
      ASSERT_GE(e - lSkip, -1);
      e -= lSkip;
    }
    EXPECT_EQ(lDownStops, c.Holds);
  }
}
