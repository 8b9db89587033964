#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "TickValueFormat.h"

namespace {

std::string Linear(double iValue) { return TickValueFormat::Compact(iValue, 1e-4, 1e6, false).ToUTF8(); }
std::string Log(double iValue) { return TickValueFormat::Compact(iValue, 1e-3, 1e4, true).ToUTF8(); }

}  // namespace

TEST(TickValueFormat, FewestDigitsThatReadBack) {
  EXPECT_EQ(Linear(0.1 + 0.2), "0.3");
  EXPECT_EQ(Linear(3 * 0.1), "0.3");
  EXPECT_EQ(Linear(0.5), "0.5");
  EXPECT_EQ(Linear(-2.5), "-2.5");
  EXPECT_EQ(Linear(1234.5), "1234.5");
  EXPECT_EQ(Linear(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(Linear(100.00000000000001), "100");
}

TEST(TickValueFormat, PlainWithinTheBandExponentOutside) {
  EXPECT_EQ(Linear(0), "0");
  EXPECT_EQ(Linear(-0.0), "0");
  EXPECT_EQ(Linear(100), "100");
  EXPECT_EQ(Linear(123456), "123456");
  EXPECT_EQ(Linear(999999.5), "999999.5");
  EXPECT_EQ(Linear(1e6), "1e+06");
  EXPECT_EQ(Linear(1.5e6), "1.5e+06");
  EXPECT_EQ(Linear(-2e7), "-2e+07");
  EXPECT_EQ(Linear(0.0001), "0.0001");
  EXPECT_EQ(Linear(0.00025), "0.00025");
  EXPECT_EQ(Linear(5e-5), "5e-05");
  EXPECT_EQ(Linear(1e-300), "1e-300");
  EXPECT_EQ(Linear(1.7976931348623157e308), "1.7976931348623e+308");
}

TEST(TickValueFormat, ShortExponents) {
  EXPECT_EQ(Log(1), "1");
  EXPECT_EQ(Log(1000), "1000");
  EXPECT_EQ(Log(1e4), "1e4");
  EXPECT_EQ(Log(2e5), "2e5");
  EXPECT_EQ(Log(1e100), "1e100");
  EXPECT_EQ(Log(0.001), "0.001");
  EXPECT_EQ(Log(1e-4), "1e-4");
  EXPECT_EQ(Log(5e-12), "5e-12");
  // A value that rounds up to the band's end is written as what it reads.
  EXPECT_EQ(Log(9999.99999999999999), "1e4");
}

TEST(TickValueFormat, NotNumbersAndSpacing) {
  EXPECT_EQ(Linear(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(Linear(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(Linear(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(TickValueFormat::Spaced("0.5").ToUTF8(), "\xE2\x80\x89" "0.5\xE2\x80\x89");
}
