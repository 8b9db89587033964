// Pieces of error messages: quotes of files, printable and short enough for one line, the
// out-of-memory line and the line of a failed system call.
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
  // A size for people: "1.6 GB", "240 MB", "12 bytes".
  static std::string Bytes(unsigned long long iBytes);
  // "<iName>: out of memory (needs about 1.6 GB)", iBytes being what the failed work needed.
  static std::string OutOfMemory(const std::string& iName, unsigned long long iBytes);
  // "<iName>: <iWhat>: <the system's text for iErrno>", as "run.csv: cannot read: I/O error".
  static std::string SystemError(const std::string& iName, const std::string& iWhat, int iErrno);
};

#endif
