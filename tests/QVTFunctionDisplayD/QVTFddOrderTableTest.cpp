#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "QVTFddOrderTable.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

void sFill(QVTFddOrderTable& oTable, const std::vector<QVTFddOrderEntry>& iEntries) {
  ASSERT_TRUE(oTable.Reserve(static_cast<long long>(iEntries.size())));
  for (const QVTFddOrderEntry& e : iEntries) oTable.Add(e._Order, e._X, e._Z, e._XIndex, e._ZIndex);
  oTable.Finish();
}

}  // namespace

TEST(QVTFddOrderTable, SortsByOrderThenZIndexThenXIndexAndLeavesNaNOut) {
  QVTFddOrderTable t;
  sFill(t, {{2.0, 0, 1, 0, 0}, {1.0, 5, 3, 0, 0}, {kNaN, 1, 1, 0, 0}, {1.0, 2, 3, 0, 0}, {1.0, 9, 0, 0, 0}});
  ASSERT_EQ(t.GetCount(), 4);
  EXPECT_EQ(t.GetEntry(0)._ZIndex, 0);
  EXPECT_EQ(t.GetEntry(1)._XIndex, 2);
  EXPECT_EQ(t.GetEntry(2)._XIndex, 5);
  EXPECT_EQ(t.GetEntry(3)._Order, 2.0);
  EXPECT_FALSE(t.Reserve(static_cast<long long>(1) << 40));
  EXPECT_EQ(t.GetCount(), 0);
}

TEST(QVTFddOrderTable, BandIsFoundByBinarySearchAndWidenedInsideTheLimits) {
  QVTFddOrderTable t;
  std::vector<QVTFddOrderEntry> lEntries;
  const double lOrders[] = {0.5, 0.9, 1.0, 1.0, 1.05, 1.1, 2.0};
  for (int i = 0; i < 7; ++i) lEntries.push_back({lOrders[i], i, 0, 0, 0});
  sFill(t, lEntries);
  int f = -1, l = -1;
  ASSERT_TRUE(t.FindBand(0.95, 1.08, f, l));
  EXPECT_EQ(f, 2);
  EXPECT_EQ(l, 4);
  EXPECT_FALSE(t.FindBand(1.2, 1.9, f, l));
  EXPECT_FALSE(t.FindBand(1.1 * -1.0, -1.0 * 0.9, f, l));
  EXPECT_FALSE(t.FindBand(1.02, 0.98, f, l));  // a negative order's band: low above high
  EXPECT_FALSE(t.FindBand(kNaN, 1.0, f, l));
  EXPECT_FALSE(t.FindBand(1.0, kNaN, f, l));
  ASSERT_TRUE(t.FindBand(0.0, 100.0, f, l));
  EXPECT_EQ(f, 0);
  EXPECT_EQ(l, 6);
}

TEST(QVTFddOrderTable, NearestInnerAndOuterWithTheFirstInTableOrderOnTies) {
  QVTFddOrderTable t;
  // Point (2, 2), radius^2 8: (1, 1) inner at 2, (3, 3) outer at 2, (2, 2) both at 0 twice.
  sFill(t, {{1.0, 0, 0, 1, 1}, {1.0, 1, 0, 3, 3}, {1.0, 2, 0, 2, 2}, {1.0, 3, 0, 2, 2}});
  int lIn = -1, lOut = -1;
  double dIn = -1, dOut = -1;
  t.FindNeighbours(0, 3, 2, 2, lIn, dIn, lOut, dOut);
  EXPECT_EQ(lIn, 2);
  EXPECT_EQ(lOut, 2);
  EXPECT_EQ(dIn, 0.0);
  t.FindNeighbours(0, 1, 2, 2, lIn, dIn, lOut, dOut);
  EXPECT_EQ(lIn, 0);
  EXPECT_EQ(lOut, 1);
  EXPECT_EQ(dIn, 2.0);
  EXPECT_EQ(dOut, 2.0);
  t.FindNeighbours(0, 0, 5, 5, lIn, dIn, lOut, dOut);
  EXPECT_EQ(lIn, 0);
  EXPECT_EQ(lOut, -1);
}

// The indexed search against the pass over the band, on data of several shapes: a regular run-up
// grid, clusters with duplicates, a thin line, and some entries with infinite coordinates.
TEST(QVTFddOrderTable, IndexedSearchAgreesWithThePassOverTheBand) {
  std::mt19937 lRandom(3);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  for (int lShape = 0; lShape < 4; ++lShape) {
    std::vector<QVTFddOrderEntry> lEntries;
    for (int k = 0; k < 60; ++k)
      for (int i = 0; i < 80; ++i) {
        double x = 0, z = 0;
        switch (lShape) {
          case 0: x = 12.5 * i; z = 600 + 90 * k; break;
          case 1: x = std::floor(8 * lUnit(lRandom)) * 3 + (i % 3); z = std::floor(6 * lUnit(lRandom)) * 5; break;
          case 2: x = i + 0.01 * k; z = 7.0; break;
          default: x = 1000 * lUnit(lRandom); z = 100 + 100 * lUnit(lRandom); if ((i * k) % 97 == 5) x = kInf; break;
        }
        lEntries.push_back({z != 0 ? x / z : kInf, i, k, x, z});
      }
    QVTFddOrderTable t;
    sFill(t, lEntries);
    if (lShape != 3) {
      EXPECT_TRUE(t.HasIndex()) << lShape;
    }
    const int n = t.GetCount();
    std::uniform_int_distribution<int> lPos(0, n - 1);
    for (int q = 0; q < 3000; ++q) {
      int a = lPos(lRandom), b = lPos(lRandom);
      if (a > b) std::swap(a, b);
      if (q % 3 == 0) b = std::min(n - 1, a + 200);
      const double x = -200 + 1400 * lUnit(lRandom), z = -100 + 6500 * lUnit(lRandom) * (lShape == 0 ? 1.0 : 0.05);
      int i1, o1, i2, o2;
      double di1, do1, di2, do2;
      t.FindNeighbours(a, b, x, z, i1, di1, o1, do1);
      t.ScanNeighbours(a, b, x, z, i2, di2, o2, do2);
      ASSERT_EQ(i1, i2) << lShape << " " << q;
      ASSERT_EQ(o1, o2) << lShape << " " << q;
      if (i1 >= 0) {
        EXPECT_EQ(di1, di2);
      }
      if (o1 >= 0) {
        EXPECT_EQ(do1, do2);
      }
    }
  }
}
