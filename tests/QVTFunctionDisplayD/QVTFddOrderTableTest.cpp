#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoOrderTestSupport.h"
#include "QVTFddOrderPoint.h"
#include "QVTFddOrderTable.h"

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
