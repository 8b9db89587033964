#include "MessageText.h"

#include <cstdio>
#include <system_error>

std::string MessageText::Excerpt(std::string_view iText, size_t iMax, bool iAsciiOnly) {
  std::string lOut;
  const size_t lShown = iText.size() < iMax ? iText.size() : iMax;
  for (size_t i = 0; i < lShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(iText[i]);
    if (c >= 0x20 && c != 0x7f && (c < 0x7f || !iAsciiOnly)) {
      lOut += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789abcdef";
      lOut += "\\x";
      lOut += kHex[c >> 4];
      lOut += kHex[c & 15];
    }
  }
  if (lShown < iText.size()) lOut += "...";
  return lOut;
}

std::string MessageText::Bytes(unsigned long long iBytes) {
  static const char* const kUnits[] = {"bytes", "kB", "MB", "GB", "TB", "PB", "EB"};
  double lAmount = static_cast<double>(iBytes);
  size_t lUnit = 0;
  while (lAmount >= 1000.0 && lUnit + 1 < sizeof(kUnits) / sizeof(kUnits[0])) lAmount /= 1000.0, ++lUnit;
  char lText[32];
  std::snprintf(lText, sizeof(lText), lUnit > 0 && lAmount < 10.0 ? "%.1f %s" : "%.0f %s", lAmount, kUnits[lUnit]);
  return lText;
}

std::string MessageText::OutOfMemory(const std::string& iName, unsigned long long iBytes) {
  return iName + ": out of memory (needs about " + Bytes(iBytes) + ")";
}

std::string MessageText::SystemError(const std::string& iName, const std::string& iWhat, int iErrno) {
  return iName + ": " + iWhat + ": " + std::generic_category().message(iErrno);
}
