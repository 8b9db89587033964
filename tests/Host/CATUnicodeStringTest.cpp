#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "CATListValCATUnicodeString.h"
#include "CATUnicodeString.h"

TEST(CATUnicodeString, BuildFromNumFormatsAsPrintf) {
  const double lValues[] = {0.0, 0.5, 0.0001, 1234567.0, -2.5e-12, 1e300, std::nan(""),
                            std::numeric_limits<double>::infinity()};
  const char* lFormats[] = {"%g", "%.3f", "%e", "%+10.2g", "x=%g%%", "%#.0f", "%-8.1E", "%a"};
  for (double lValue : lValues) {
    for (const char* lFormat : lFormats) {
      char lExpected[512];
      std::snprintf(lExpected, sizeof lExpected, lFormat, lValue);
      CATUnicodeString lText;
      EXPECT_EQ(lText.BuildFromNum(lValue, lFormat), 0);
      EXPECT_EQ(lText.ToUTF8(), lExpected) << lFormat << " " << lValue;
    }
  }
  CATUnicodeString lText;
  lText.BuildFromNum(0.5, "%g");
  EXPECT_EQ(lText.ToUTF8(), "0.5");
  lText.BuildFromNum(1234567.0, "%g");
  EXPECT_EQ(lText.ToUTF8(), "1.23457e+06");
}

TEST(CATUnicodeString, BuildFromNumLongResult) {
  CATUnicodeString lText;
  EXPECT_EQ(lText.BuildFromNum(1e300, "%f"), 0);
  EXPECT_EQ(lText.GetLengthInByte(), 308);  // 301 digits, point, six decimals
}

TEST(CATUnicodeString, BuildFromNumRefusesFormatsThatDoNotTakeOneDouble) {
  const char* lBad[] = {"%s", "%d", "%g %g", "no conversion", "%n", "%", "%*g", "%lg%", "%p"};
  for (const char* lFormat : lBad) {
    CATUnicodeString lText("previous");
    EXPECT_NE(lText.BuildFromNum(1.0, lFormat), 0) << lFormat;
    EXPECT_TRUE(lText.IsEmpty()) << lFormat;
  }
  CATUnicodeString lText;
  EXPECT_NE(lText.BuildFromNum(1.0, nullptr), 0);
}

TEST(CATListValCATUnicodeString, IndexedFromOneAndSafeOutside) {
  CATListValCATUnicodeString lList;
  lList.Append("a");
  lList.Append("b");
  EXPECT_EQ(lList.Size(), 2);
  EXPECT_EQ(lList[1].ToUTF8(), "a");
  EXPECT_EQ(lList[2].ToUTF8(), "b");
  EXPECT_TRUE(lList[0].IsEmpty());
  EXPECT_TRUE(lList[3].IsEmpty());
  EXPECT_TRUE(lList[-7].IsEmpty());
}
