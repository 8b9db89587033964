#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "LogTickScaling.h"

namespace {
const std::string kThin = "\xE2\x80\x89";
}

TEST(LogTickScaling, DecimalLogarithmAndNaNWithoutOne) {
  LogTickScaling* lScaling = new LogTickScaling;
  ASSERT_NE(lScaling, nullptr);
  EXPECT_DOUBLE_EQ(lScaling->Scale(1000), 3.0);
  EXPECT_DOUBLE_EQ(lScaling->Scale(0.01), -2.0);
  EXPECT_TRUE(std::isnan(lScaling->Scale(0)));
  EXPECT_TRUE(std::isnan(lScaling->Scale(-5)));
  EXPECT_TRUE(std::isnan(lScaling->Scale(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_EQ(lScaling->Scale(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
  EXPECT_NEAR(lScaling->Scale(std::numeric_limits<double>::denorm_min()), -323.306, 1e-3);
  EXPECT_DOUBLE_EQ(lScaling->GetTextValue(20), 20);
  lScaling->Release();
}

TEST(LogTickScaling, TextsReadAsDecadesThenShortExponents) {
  LogTickScaling* lScaling = new LogTickScaling;
  ASSERT_NE(lScaling, nullptr);
  const struct {
    double value;
    const char* text;
  } lCases[] = {{1, "1"},         {10, "10"},     {100, "100"}, {1000, "1000"}, {1e4, "1e4"},
                {2e5, "2e5"},     {5e6, "5e6"},   {0.1, "0.1"}, {0.001, "0.001"}, {1e-4, "1e-4"}};
  for (const auto& lCase : lCases)
    EXPECT_EQ(lScaling->ValueToText(lCase.value).ToUTF8(), kThin + lCase.text + kThin) << lCase.value;
  lScaling->Release();
}
