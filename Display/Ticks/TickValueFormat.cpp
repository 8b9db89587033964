#include "TickValueFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// iValue formatted with the printf format "%.<iDigits><iConversion>".
CATUnicodeString Formatted(double iValue, int iDigits, char iConversion) {
  char lFormat[16];
  std::snprintf(lFormat, sizeof lFormat, "%%.%d%c", iDigits, iConversion);
  CATUnicodeString lText;
  lText.BuildFromNum(iValue, lFormat);
  return lText;
}

// "1.5e+06" -> "1.5e6", "1e-05" -> "1e-5".
std::string ShortExponent(const std::string& iText) {
  const size_t lE = iText.find('e');
  if (lE == std::string::npos) return iText;
  std::string lResult = iText.substr(0, lE + 1);
  size_t i = lE + 1;
  if (i < iText.size() && (iText[i] == '+' || iText[i] == '-')) {
    if (iText[i] == '-') lResult += '-';
    ++i;
  }
  while (i + 1 < iText.size() && iText[i] == '0') ++i;
  return lResult + iText.substr(i);
}

}  // namespace

CATUnicodeString TickValueFormat::Compact(double iValue, double iPlainFrom, double iExponentFrom,
                                          bool iShortExponent) {
  if (std::isnan(iValue)) return "NaN";
  if (std::isinf(iValue)) return iValue > 0 ? "inf" : "-inf";
  if (iValue == 0.0) return "0";

  // The fewest significant digits that read back as the value; 17 always do.
  int lDigits = 1;
  CATUnicodeString lScientific;
  for (; lDigits <= 17; ++lDigits) {
    lScientific = Formatted(iValue, lDigits - 1, 'e');
    const double lBack = std::strtod(lScientific.c_str(), nullptr);
    if (std::fabs(lBack - iValue) <= kReadBackTolerance * std::fabs(iValue)) break;
  }
  if (lDigits > 17) lDigits = 17;

  // The decimal exponent of the value as rounded, from the exponent the C library wrote.
  const char* lE = std::strchr(lScientific.c_str(), 'e');
  const int lExponent = lE ? std::atoi(lE + 1) : 0;
  const double lRounded = std::strtod(lScientific.c_str(), nullptr);
  if (std::fabs(lRounded) >= iPlainFrom && std::fabs(lRounded) < iExponentFrom && lExponent >= -4) {
    // "%g" writes plain decimals while the exponent is below the precision, and drops trailing
    // zeros; the precision is raised to cover the integer digits.
    const int lPrecision = lDigits > lExponent + 1 ? lDigits : lExponent + 1;
    return Formatted(iValue, lPrecision, 'g');
  }
  if (!iShortExponent) return lScientific;
  return CATUnicodeString(ShortExponent(lScientific.ToUTF8()));
}

CATUnicodeString TickValueFormat::Spaced(const CATUnicodeString& iText) {
  static const std::string kThinSpace = "\xE2\x80\x89";
  return CATUnicodeString(kThinSpace + iText.ToUTF8() + kThinSpace);
}
