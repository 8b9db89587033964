#include <gtest/gtest.h>

#include <cmath>

#include "AxisScale.h"

// Each scale's coordinate, its inverse and the values it has a place for.
TEST(AxisScale, ToAxisAndBack) {
  const struct {
    AxisScale::eKind kind;
    double value, coordinate;
    bool valid;
  } lCases[] = {{AxisScale::eLinear, -2.5, -2.5, true}, {AxisScale::eLinear, 0.0, 0.0, true},
                {AxisScale::eLog, 1000.0, 3.0, true},   {AxisScale::eLog, 0.01, -2.0, true},
                {AxisScale::eLog, 0.0, NAN, false},     {AxisScale::eLog, -5.0, NAN, false},
                {AxisScale::eLinear, NAN, NAN, false},  {AxisScale::eLog, NAN, NAN, false}};
  for (const auto& c : lCases) {
    const AxisScale lScale(c.kind);
    SCOPED_TRACE(std::string(lScale.GetName()) + " " + std::to_string(c.value));
    EXPECT_EQ(lScale.IsValid(c.value), c.valid);
    if (std::isnan(c.coordinate)) {
      EXPECT_TRUE(std::isnan(lScale.ToAxis(c.value)));
      continue;
    }
    EXPECT_DOUBLE_EQ(lScale.ToAxis(c.value), c.coordinate);
    EXPECT_DOUBLE_EQ(lScale.FromAxis(c.coordinate), c.value);
  }
  EXPECT_TRUE(AxisScale::Of(true).IsLog());
  EXPECT_EQ(AxisScale::Of(false), AxisScale());
}
