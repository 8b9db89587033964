#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "QVTFddSampleOrder.h"

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(QVTFddSampleOrder, SamplesInOrderOfConvertedXOverZWithoutThoseThatHaveNone) {
  struct Case {
    std::vector<double> X, XScaled;
    double ZScaled;
    std::vector<unsigned int> Slots;  // empty: kept as 0, 1, 2, ...
    unsigned int Count;
    int XAscends;
    double X2Min, X2Max;
  };
  const Case lCases[] = {
      // Already in order: no list kept.
      {{-2, 1, 3}, {-2, 1, 3}, 1.0, {}, 3, 1, 1, 9},
      // A negative Z turns the order round; ties keep the smaller index first.
      {{1, 2, 2, 3}, {1, 2, 2, 3}, -1.0, {3, 1, 2, 0}, 4, 0, 1, 9},
      // Converted X that falls while X rises.
      {{1, 2, 3}, {3, 2, 1}, 2.0, {2, 1, 0}, 3, 0, 1, 9},
      // A NaN X, a NaN converted X and 0 / 0 are left out; 1 / 0 is an infinite order.
      {{kNaN, 1, 0, 2}, {1, kNaN, 0, 2}, 0.0, {3}, 1, 1, 4, 4},
      // Nothing left.
      {{kNaN}, {1}, 1.0, {}, 0, 1, kInf, -kInf},
  };
  for (const Case& c : lCases) {
    QVTFddSampleOrder o;
    ASSERT_TRUE(o.Build(c.X.data(), c.XScaled.data(), c.ZScaled, static_cast<unsigned int>(c.X.size())));
    ASSERT_EQ(o.GetCount(), c.Count);
    if (c.Slots.empty() && c.Count > 0) {
      EXPECT_EQ(o.GetSlots(), nullptr);
    } else if (c.Count > 0) {
      EXPECT_EQ(std::vector<unsigned int>(o.GetSlots(), o.GetSlots() + c.Count), c.Slots);
    }
    EXPECT_EQ(o.XAscends(), c.XAscends);
    EXPECT_EQ(o.GetX2Min(), c.X2Min);
    EXPECT_EQ(o.GetX2Max(), c.X2Max);
  }
}
