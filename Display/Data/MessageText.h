// Pieces of files quoted in error messages: printable, and short enough for one line.
#ifndef MessageText_H
#define MessageText_H

#include <cstddef>
#include <string>
#include <string_view>

class MessageText {
 public:
  // At most iMax bytes of iText (then "..."), control bytes written as \xNN; bytes above 0x7e
  // too when iAsciiOnly (binary headers), kept otherwise (UTF-8 names).
  static std::string Excerpt(std::string_view iText, size_t iMax, bool iAsciiOnly);
};

#endif
