// The cursor table against a direct computation over the samples: y at and between samples, before
// the first and after the last, over repeats of x and gaps; the statistics of the samples in
// [x_A, x_B] with the cursors in either order; the CSV's exact numbers and quoted names.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CurveLevels.h"
#include "CursorTable.h"
#include "MemoryDoubleVector.h"
#include "RefPtr.h"

namespace {

// x with a repeat at 3 and a gap at x = 6.
const std::vector<double> kX = {0, 1, 2, 3, 3, 4, 6, 7, 8, 9};
const std::vector<double> kY = {5, -1, 2, 4, 8, 0.5, NAN, 3, -2, 7};

struct Direct {
  double sample = NAN, interpolated = NAN;
};

// The last sample at or before iX by a pass over all, and the line to the next one.
Direct DirectAt(double iX) {
  Direct d;
  for (size_t i = 0; i < kX.size(); ++i) {
    if (kX[i] > iX) {
      if (i > 0 && kX[i - 1] != iX) d.interpolated = kY[i - 1] + (kY[i] - kY[i - 1]) * (iX - kX[i - 1]) / (kX[i] - kX[i - 1]);
      return d;
    }
    d.sample = kY[i];
    d.interpolated = kX[i] == iX ? kY[i] : NAN;
  }
  return d;
}

class CursorTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    _Levels.Start();
    ASSERT_EQ(_Levels.Wait(), CurveLevels::eReady);
  }
  RefPtr<MemoryDoubleVector> _X{new MemoryDoubleVector(kX)}, _Y{new MemoryDoubleVector(kY)};
  CurveLevels _Levels{_X.Get(), _Y.Get()};
};

void ExpectSame(double iValue, double iExpected, const char* iWhat, double iA, double iB) {
  if (std::isnan(iExpected))
    EXPECT_TRUE(std::isnan(iValue)) << iWhat << " at " << iA << ", " << iB << ": " << iValue;
  else
    EXPECT_DOUBLE_EQ(iValue, iExpected) << iWhat << " at " << iA << ", " << iB;
}

}  // namespace

TEST_F(CursorTableTest, AgreesWithADirectComputation) {
  const double lCursors[][2] = {{1, 4}, {1.5, 7.25}, {3, 3.5}, {-2, 0}, {8.5, 12}, {5, 6.5}, {7.25, 1.5}, {-3, -1}};
  for (const auto& c : lCursors) {
    CursorTable lTable(c[0], c[1]);
    lTable.AddCurve("y", _Levels);
    ASSERT_EQ(lTable.GetRows().size(), 1u);
    const CursorTable::Row& r = lTable.GetRows()[0];
    const Direct a = DirectAt(c[0]), b = DirectAt(c[1]);
    ExpectSame(r.YA, a.sample, "y(A)", c[0], c[1]);
    ExpectSame(r.YAInterpolated, a.interpolated, "y~(A)", c[0], c[1]);
    ExpectSame(r.YB, b.sample, "y(B)", c[0], c[1]);
    ExpectSame(r.YBInterpolated, b.interpolated, "y~(B)", c[0], c[1]);
    ExpectSame(r.DeltaY, b.interpolated - a.interpolated, "dy", c[0], c[1]);
    EXPECT_EQ(lTable.GetDeltaX(), c[1] - c[0]);
    EXPECT_EQ(lTable.GetInverseDeltaX(), 1.0 / (c[1] - c[0]));
    double lSum = 0, lSquares = 0, lMin = INFINITY, lMax = -INFINITY;
    uint64_t lCount = 0;
    for (size_t i = 0; i < kX.size(); ++i)
      if (kX[i] >= std::fmin(c[0], c[1]) && kX[i] <= std::fmax(c[0], c[1]) && !std::isnan(kY[i])) {
        ++lCount;
        lSum += kY[i];
        lSquares += kY[i] * kY[i];
        lMin = std::fmin(lMin, kY[i]);
        lMax = std::fmax(lMax, kY[i]);
      }
    ASSERT_EQ(r.Stats.GetCount(), lCount) << c[0] << ", " << c[1];
    ExpectSame(r.Stats.GetMin(), lCount ? lMin : NAN, "min", c[0], c[1]);
    ExpectSame(r.Stats.GetMax(), lCount ? lMax : NAN, "max", c[0], c[1]);
    ExpectSame(r.Stats.GetMean(), lCount ? lSum / double(lCount) : NAN, "mean", c[0], c[1]);
    ExpectSame(r.Stats.GetRms(), lCount ? std::sqrt(lSquares / double(lCount)) : NAN, "rms", c[0], c[1]);
  }
}

TEST_F(CursorTableTest, CsvAndLines) {
  CursorTable lTable(1.5, 4);
  lTable.AddCurve("volts, raw", _Levels);
  lTable.AddCurve("y", _Levels);
  EXPECT_EQ(lTable.Csv(),
            "curve,x_a,x_b,dx,inv_dx,y_a,y_a_interp,y_b,y_b_interp,dy,min,max,mean,rms,count\n"
            "\"volts, raw\",1.5,4,2.5,0.4,-1,0.5,0.5,0.5,0,0.5,8,3.625,4.589389937671455,4\n"
            "y,1.5,4,2.5,0.4,-1,0.5,0.5,0.5,0,0.5,8,3.625,4.589389937671455,4\n");
  const std::vector<std::string> lLines = lTable.Lines();
  ASSERT_EQ(lLines.size(), 4u + 2u * 7u);
  EXPECT_EQ(lLines[0], "A  1.5");
  EXPECT_EQ(lLines[3], "1/\xCE\x94x  0.4");
  EXPECT_EQ(lLines[4], "volts, raw");
  EXPECT_EQ(lLines[5], "  y(A)  -1  ~ 0.5");
  // A cursor outside the curve shows a dash, not nan.
  CursorTable lOutside(-2, -1);
  lOutside.AddCurve("y", _Levels);
  EXPECT_EQ(lOutside.Lines()[5], "  y(A)  -  ~ -");
}
