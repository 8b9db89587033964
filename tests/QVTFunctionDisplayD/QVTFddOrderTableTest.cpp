#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoOrderTestSupport.h"
#include "QVTFddOrderHints.h"
#include "QVTFddOrderPoint.h"
#include "QVTFddOrderTable.h"
#include "QVTFddOrderTableBound.h"

using namespace ordertest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A table over the shared X values iX with one row per Z value (unit scalings).
struct Table {
  Table(const std::vector<double>& iX, const std::vector<double>& iZ) : Scaling(new FactorScaling()), T(Scaling) {
    MemoryDoubleVector* lX = Vector(iX);
    EXPECT_TRUE(T.SetSharedX(lX, static_cast<unsigned int>(iX.size())));
    lX->Release();
    EXPECT_TRUE(T.ReserveRows(static_cast<unsigned int>(iZ.size())));
    for (size_t k = 0; k < iZ.size(); ++k) T.AddRow(static_cast<int>(k), iZ[k], iZ[k], nullptr);
    EXPECT_TRUE(T.Finish());
  }
  ~Table() { Scaling->Release(); }
  FactorScaling* Scaling;
  QVTFddOrderTable T;
};

}  // namespace

TEST(QVTFddOrderTable, SamplesWithoutAnOrderAndRowsWithoutAZAreLeftOut) {
  // Row z = 0: 0 / 0 is left out, 1 / 0 and 2 / 0 are infinite orders; row z = NaN has none.
  Table t({0, 1, 2}, {0, kNaN, 1});
  EXPECT_EQ(t.T.GetCount(), 5);
  EXPECT_FALSE(t.T.ReserveRows(INT_MAX));
  EXPECT_EQ(t.T.GetCount(), 0);
}

// Pixel (3, 3), order 1, band 0.5 .. 1.5, squared radius 18. Nearest inner sample: (3, 2) of row
// z = 2, whose point at order 1 is its sample (2, 2); nearest outer sample: (3, 4) of row z = 4,
// whose point at order 1 is (4, 4). Row z = 1 holds only (1, 1), farther on the inner side.
TEST(QVTFddOrderTable, NearestSampleOfEachSideChoosesTheRowThatGivesItsPointAtThePixelsOrder) {
  Table t({1, 2, 3, 4}, {1, 2, 4});
  QVTFddOrderPoint lIn, lOut;
  ASSERT_TRUE(t.T.FindPoints(1.0, 0.5, 1.5, 3, 3, lIn, lOut));
  EXPECT_EQ(lIn._ZIndex, 1);
  EXPECT_EQ(lIn._First, 1u);
  EXPECT_EQ(lIn._Fraction, 0.0);
  EXPECT_EQ(lIn._Dist2, 2.0);
  EXPECT_EQ(lOut._ZIndex, 2);
  EXPECT_EQ(lOut._First, 3u);
  EXPECT_EQ(lOut._Dist2, 2.0);

  // Order 1.25 lies between the samples of order 1 (x = 2) and 1.5 (x = 3) of row z = 2: half way.
  ASSERT_TRUE(t.T.FindPoints(1.25, 1.0, 1.5, 2.5, 2.0, lIn, lOut));
  EXPECT_EQ(lIn._ZIndex, 1);
  EXPECT_EQ(lIn._First, 1u);
  EXPECT_EQ(lIn._Second, 2u);
  EXPECT_EQ(lIn._Fraction, 0.5);
  EXPECT_EQ(lIn._X, 2.5);
  EXPECT_EQ(lIn._Dist2, 0.0);
  EXPECT_TRUE(lIn == lOut);  // the row through the pixel serves both sides

  // A band without samples, a negative order's band, NaN.
  EXPECT_FALSE(t.T.FindPoints(10.0, 9.0, 11.0, 10, 1, lIn, lOut));
  EXPECT_FALSE(t.T.FindPoints(-1.0, -0.9, -1.1, -1, 1, lIn, lOut));
  EXPECT_FALSE(t.T.FindPoints(kNaN, kNaN, kNaN, 1, 1, lIn, lOut));
}

// Searches that start where the last pixel's ended find what plain bisections find, pixel by pixel
// along image rows: shared X values with repeats and negatives, in order and with a NaN, rows at Z zero and below
// (their own orders), rows with X of their own in no order, pixels out to the ends of the doubles.
TEST(QVTFddOrderTable, SearchesFromTheLastPixelsAnswersFindWhatPlainOnesFind) {
  std::mt19937 lRandom(3);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  auto lRandomX = [&](size_t iCount) {
    std::vector<double> lX(iCount);
    for (double& x : lX) x = std::floor(40.0 * lUnit(lRandom)) - 10.0;
    return lX;
  };
  // Shared X in order (the table keeps no list of positions), then with a gap.
  for (int lGap = 0; lGap < 2; ++lGap) {
    std::vector<double> lShared = lRandomX(300);
    std::sort(lShared.begin(), lShared.end());
    if (lGap) lShared[7] = kNaN;
    FactorScaling* lScaling = new FactorScaling();
    QVTFddOrderTable t(lScaling);
    MemoryDoubleVector* lSharedVector = Vector(lShared);
    ASSERT_TRUE(t.SetSharedX(lSharedVector, static_cast<unsigned int>(lShared.size())));
    lSharedVector->Release();
    ASSERT_TRUE(t.ReserveRows(80));
    for (int k = 0; k < 80; ++k) {
      const double z = std::floor(35.0 * lUnit(lRandom)) - 5.0;
      MemoryDoubleVector* lOwn = nullptr;
      if (k % 4 == 0) {
        std::vector<double> lX = lRandomX(50);
        lX[k % 50] = kNaN;
        lOwn = Vector(lX);
      }
      ASSERT_TRUE(t.AddRow(k, z, z, lOwn));
      if (lOwn) lOwn->Release();
    }
    ASSERT_TRUE(t.Finish());
    QVTFddOrderHints lHints;
    ASSERT_TRUE(lHints.Reserve(t.GetRowCount()));

    const double kMax = std::numeric_limits<double>::max();
    std::vector<double> lXs = {-kMax, -1e300}, lZs = {-kMax, 0.0};
    for (int p = 0; p < 60; ++p) lXs.push_back(-15.0 + 0.9 * p);
    for (int r = 0; r < 45; ++r) lZs.push_back(-7.0 + 0.9 * r);
    for (double v : {1e300, kMax}) lXs.push_back(v), lZs.push_back(v);
    // Pixels on whole numbers meet samples at the pixel's own radius and order.
    for (double v : {-10.0, -3.0, 0.0, 4.0, 15.0, 29.0}) lXs.push_back(v), lZs.push_back(v);
    auto lSame = [](const QVTFddOrderPoint& a, const QVTFddOrderPoint& b) {
      auto lEq = [](double u, double v) { return u == v || (std::isnan(u) && std::isnan(v)); };
      return a == b && lEq(a._X, b._X) && lEq(a._Dist2, b._Dist2);
    };
    int lFound = 0;
    for (double lTolerance : {0.0, 0.02, 0.3})
      for (double z : lZs)
        for (double x : lXs) {
          const double o = x / z, lLow = (1.0 - lTolerance) * o, lHigh = (1.0 + lTolerance) * o;
          QVTFddOrderPoint lIn, lOut, lHintedIn, lHintedOut;
          const int lPlain = t.FindPoints(o, lLow, lHigh, x, z, lIn, lOut);
          ASSERT_EQ(t.FindPoints(o, lLow, lHigh, x, z, lHintedIn, lHintedOut, &lHints), lPlain) << x << " " << z;
          ASSERT_TRUE(lSame(lIn, lHintedIn) && lSame(lOut, lHintedOut)) << x << " " << z;
          lFound += lPlain;
        }
    EXPECT_GT(lFound, 2000);
    lScaling->Release();
  }
}

// A row's bound answers as the division does, for converted X at and a few steps around the
// order's product with the row's Z, far from it, and out to the ends of the doubles.
TEST(QVTFddOrderTable, OrderBoundsAnswerAsTheDivisionDoes) {
  const double kMax = std::numeric_limits<double>::max(), kInf = std::numeric_limits<double>::infinity();
  const double kTiny = std::numeric_limits<double>::denorm_min();
  std::mt19937 lRandom(5);
  std::uniform_real_distribution<double> lMantissa(1.0, 2.0);
  std::uniform_int_distribution<int> lExponent(-1074, 1023);
  std::vector<double> lSpecial = {0.0, -0.0, kTiny, -kTiny, 1e-310, 0x1p-900, 0x1p900, kMax, -kMax, kInf, -kInf, kNaN};
  auto lRandomDouble = [&](int iExponentLimit) {
    const double lMagnitude = std::ldexp(lMantissa(lRandom), lExponent(lRandom) % iExponentLimit);
    return lRandom() % 2 ? lMagnitude : -lMagnitude;
  };
  long long lChecked = 0;
  for (int k = 0; k < 20000; ++k) {
    // Mostly ordinary magnitudes, some anywhere in the doubles, some special.
    const int lLimit = k % 3 == 0 ? 1024 : 40;
    double lOrder = lRandomDouble(lLimit), lZ = std::fabs(lRandomDouble(lLimit));
    if (k % 7 == 0) lZ = lSpecial[k / 7 % lSpecial.size()];
    if (k % 11 == 0) lOrder = lSpecial[k / 11 % lSpecial.size()];
    if (k % 13 == 0) lZ = -lZ;
    const QVTFddOrderTableBound lBound(lOrder, lZ);
    std::vector<double> lXs = lSpecial;
    const double lProduct = lOrder * lZ;
    double lUp = lProduct, lDown = lProduct;
    for (int s = 0; s < 4; ++s, lUp = std::nextafter(lUp, kInf), lDown = std::nextafter(lDown, -kInf))
      lXs.insert(lXs.end(), {lUp, lDown});
    for (double lFactor : {1.0 + 0x1p-47, 1.0 - 0x1p-47, 1.0 + 0x1p-40, 1.0 - 0x1p-40, 2.0, 0.5, -1.0})
      lXs.push_back(lProduct * lFactor);
    lXs.push_back(lRandomDouble(1024));
    for (double x : lXs) {
      ASSERT_EQ(lBound.AtLeast(x), x / lZ >= lOrder) << x << " / " << lZ << " vs " << lOrder;
      ASSERT_EQ(lBound.Above(x), x / lZ > lOrder) << x << " / " << lZ << " vs " << lOrder;
      ++lChecked;
    }
  }
  EXPECT_GT(lChecked, 500000);
}
