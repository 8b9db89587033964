#include "TickValueFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// iValue as the printf format "%.<iDigits>e" (iScientific) or "%.<iDigits>g" writes it in the "C"
// locale: a picture's numbers never follow the decimal comma of the caller's locale.
CATUnicodeString Formatted(double iValue, int iDigits, bool iScientific) {
  char lText[512];
  const std::to_chars_result lEnd = std::to_chars(
      lText, lText + sizeof lText, iValue, iScientific ? std::chars_format::scientific : std::chars_format::general,
      iDigits);
  if (lEnd.ec != std::errc()) return "NaN";
  return CATUnicodeString(std::string(lText, lEnd.ptr));
}

// The value a text of Formatted reads back as, in the same locale-free way.
double ReadBack(const CATUnicodeString& iText) {
  const std::string lText = iText.ToUTF8();
  double lValue = NAN;
  std::from_chars(lText.data(), lText.data() + lText.size(), lValue);
  return lValue;
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
    lScientific = Formatted(iValue, lDigits - 1, true);
    const double lBack = ReadBack(lScientific);
    if (std::fabs(lBack - iValue) <= kReadBackTolerance * std::fabs(iValue)) break;
  }
  if (lDigits > 17) lDigits = 17;

  // The decimal exponent of the value as rounded, from the exponent the C library wrote.
  const char* lE = std::strchr(lScientific.c_str(), 'e');
  const int lExponent = lE ? std::atoi(lE + 1) : 0;
  const double lRounded = ReadBack(lScientific);
  if (std::fabs(lRounded) >= iPlainFrom && std::fabs(lRounded) < iExponentFrom && lExponent >= -4) {
    // "%g" writes plain decimals while the exponent is below the precision, and drops trailing
    // zeros; the precision is raised to cover the integer digits.
    const int lPrecision = lDigits > lExponent + 1 ? lDigits : lExponent + 1;
    return Formatted(iValue, lPrecision, false);
  }
  if (!iShortExponent) return lScientific;
  return CATUnicodeString(ShortExponent(lScientific.ToUTF8()));
}

CATUnicodeString TickValueFormat::Spaced(const CATUnicodeString& iText) {
  static const std::string kThinSpace = "\xE2\x80\x89";
  return CATUnicodeString(kThinSpace + iText.ToUTF8() + kThinSpace);
}
