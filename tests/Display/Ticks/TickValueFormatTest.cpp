#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

#include "TickValueFormat.h"

namespace {

std::string Linear(double iValue) { return TickValueFormat::Compact(iValue, 1e-4, 1e6, false).ToUTF8(); }
std::string Log(double iValue) { return TickValueFormat::Compact(iValue, 1e-3, 1e4, true).ToUTF8(); }

struct Case {
  double Value;
  const char* Text;
};

}  // namespace

// The fewest digits that read back; plain within the band, an exponent outside.
TEST(TickValueFormat, LinearTexts) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const Case lCases[] = {
      {0.1 + 0.2, "0.3"}, {3 * 0.1, "0.3"}, {0.5, "0.5"}, {-2.5, "-2.5"}, {1234.5, "1234.5"},
      {1.0 / 3, "0.3333333333333"}, {100.00000000000001, "100"}, {0, "0"}, {-0.0, "0"}, {100, "100"},
      {123456, "123456"}, {999999.5, "999999.5"}, {1e6, "1e+06"}, {1.5e6, "1.5e+06"}, {-2e7, "-2e+07"},
      {0.0001, "0.0001"}, {0.00025, "0.00025"}, {5e-5, "5e-05"}, {1e-300, "1e-300"},
      {1.7976931348623157e308, "1.7976931348623e+308"}, {std::numeric_limits<double>::quiet_NaN(), "NaN"},
      {kInf, "inf"}, {-kInf, "-inf"}};
  for (const Case& c : lCases) EXPECT_EQ(Linear(c.Value), c.Text) << c.Text;
}

// Log axes write short exponents; a value that rounds up to the band's end reads as what it is.
TEST(TickValueFormat, LogTexts) {
  const Case lCases[] = {{1, "1"},         {1000, "1000"}, {1e4, "1e4"},     {2e5, "2e5"},
                         {1e100, "1e100"}, {0.001, "0.001"}, {1e-4, "1e-4"}, {5e-12, "5e-12"},
                         {9999.99999999999999, "1e4"}};
  for (const Case& c : lCases) EXPECT_EQ(Log(c.Value), c.Text) << c.Text;
}

TEST(TickValueFormat, SpacedTextsHaveThinSpacesAround) {
  EXPECT_EQ(TickValueFormat::Spaced("0.5").ToUTF8(), "\xE2\x80\x89" "0.5\xE2\x80\x89");
}

// A caller's locale with a decimal comma leaves the texts of pictures as they are.
TEST(TickValueFormat, TextsIgnoreTheCallersLocale) {
  const std::string lDir = std::string(FDD_TEST_OUTPUT_DIR) + "/locale";
  const std::string lMake = "mkdir -p '" + lDir + "' && localedef -i de_DE -f UTF-8 '" + lDir +
                            "/de_DE.UTF-8' >/dev/null 2>&1";
  if (std::system(lMake.c_str()) != 0) GTEST_SKIP() << "no German locale can be made here";
  setenv("LOCPATH", lDir.c_str(), 1);
  const locale_t lGerman = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  unsetenv("LOCPATH");
  if (!lGerman) GTEST_SKIP() << "the German locale does not load";
  const locale_t lBefore = uselocale(lGerman);
  char lCheck[16];
  std::snprintf(lCheck, sizeof lCheck, "%.1f", 0.5);
  const std::string lLinear = Linear(0.25), lLarge = Linear(1.5e6), lLog = Log(2.5e-5);
  uselocale(lBefore);
  freelocale(lGerman);
  EXPECT_STREQ(lCheck, "0,5");  // the locale is in force
  EXPECT_EQ(lLinear, "0.25");
  EXPECT_EQ(lLarge, "1.5e+06");
  EXPECT_EQ(lLog, "2.5e-5");
}
