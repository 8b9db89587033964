#include "CATUnicodeString.h"

#include <cstdio>
#include <cstring>

namespace {

// True when iFormat has exactly one conversion and it takes one double.
bool IsSingleDoubleFormat(const char* iFormat) {
  int lConversions = 0;
  for (const char* p = iFormat; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p && std::strchr("-+ #0", *p)) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    if (!*p || !std::strchr("eEfFgGaA", *p)) return false;
    ++lConversions;
  }
  return lConversions == 1;
}

}  // namespace

int CATUnicodeString::BuildFromNum(double iValue, const char* iFormat) {
  _Text.clear();
  if (!iFormat || !IsSingleDoubleFormat(iFormat)) return -1;
  char lBuffer[128];
  int lSize = std::snprintf(lBuffer, sizeof lBuffer, iFormat, iValue);
  if (lSize < 0) return -1;
  if (static_cast<size_t>(lSize) < sizeof lBuffer) {
    _Text.assign(lBuffer, static_cast<size_t>(lSize));
  } else {
    // A wide field or a long "%f" of a huge value: format again into a buffer of the exact size.
    std::string lLong(static_cast<size_t>(lSize) + 1, '\0');
    std::snprintf(&lLong[0], lLong.size(), iFormat, iValue);
    lLong.resize(static_cast<size_t>(lSize));
    _Text = lLong;
  }
  return 0;
}
