#include "MessageText.h"

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
