#include "OptionText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// A decimal number at the start of ioText (no hexadecimal, no leading space; "inf" and "nan" are
// read and refused by the callers); false when there is none.
bool ReadNumber(const char*& ioText, double& oValue) {
  const char* lEnd = ioText + std::strlen(ioText);
  const std::from_chars_result lRead = std::from_chars(ioText, lEnd, oValue);
  if (lRead.ec != std::errc() || lRead.ptr == ioText) return false;
  ioText = lRead.ptr;
  return true;
}

// Decimal digits only, up to a limit that fits an int; false when there are none.
bool ReadSide(const char*& ioText, int& oValue) {
  const char* lStart = ioText;
  long long lValue = 0;
  while (*ioText >= '0' && *ioText <= '9' && lValue < 1000000) lValue = lValue * 10 + (*ioText++ - '0');
  oValue = static_cast<int>(lValue);
  return ioText != lStart && !(*ioText >= '0' && *ioText <= '9');
}

}  // namespace

bool OptionText::Size(const std::string& iText, const std::string& iFallback, int& oWidth, int& oHeight,
                      RequestError& oError) {
  const std::string& lText = iText.empty() ? iFallback : iText;
  const char* p = lText.c_str();
  int w = 0, h = 0;
  const bool lRead = ReadSide(p, w) && (*p == 'x' || *p == 'X' || *p == ',') && ReadSide(++p, h) && *p == '\0';
  if (!lRead)
    return oError.Usage(Option("size") + " '" + lText + "': give the width and height in whole pixels, such as 1000x600");
  if (!(w >= kMinSide && w <= kMaxSide && h >= kMinSide && h <= kMaxSide))
    return oError.Usage(Option("size") + " '" + lText + "': each side must lie between " + std::to_string(kMinSide) +
                        " and " + std::to_string(kMaxSide) + " pixels");
  oWidth = w;
  oHeight = h;
  return true;
}

bool OptionText::Pair(const std::string& iText, double& oFirst, double& oSecond, std::string& oReason) {
  const char* p = iText.c_str();
  double a = 0.0, b = 0.0;
  if (!(ReadNumber(p, a) && *p == ',' && ReadNumber(++p, b) && *p == '\0') || !std::isfinite(a) || !std::isfinite(b)) {
    oReason = "'" + iText + "': give two finite decimal numbers A,B";
    return false;
  }
  oFirst = a;
  oSecond = b;
  return true;
}

bool OptionText::Limits(const char* iName, const std::string& iText, bool iLog, double& oLow, double& oHigh,
                        RequestError& oError) {
  oLow = oHigh = NAN;
  if (iText.empty()) return true;
  std::string lReason;
  double lLow = 0.0, lHigh = 0.0;
  if (!Pair(iText, lLow, lHigh, lReason)) return oError.Usage(Option(iName) + " " + lReason);
  if (!(lLow < lHigh)) return oError.Usage(Option(iName) + " " + iText + ": the limits A,B need A < B");
  // A logarithmic axis shows nothing at or below 0: such a limit would be dropped, not shown.
  if (iLog && !(lLow > 0.0))
    return oError.Usage(Option(iName) + " " + iText + ": a logarithmic axis shows values above 0 only: give A > 0");
  oLow = lLow;
  oHigh = lHigh;
  return true;
}

bool OptionText::Point(const char* iName, const std::string& iText, double& oX, double& oZ, RequestError& oError) {
  std::string lReason;
  if (Pair(iText, oX, oZ, lReason)) return true;
  return oError.Usage(Option(iName) + " " + lReason);
}

std::string OptionText::Number(double iValue) {
  char lText[32];
  // Locale-free: %g would follow the caller's decimal separator.
  const std::to_chars_result lEnd = std::to_chars(lText, lText + sizeof lText, iValue);
  return std::string(lText, lEnd.ptr);
}
