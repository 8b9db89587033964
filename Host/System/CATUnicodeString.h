// Text of the host, held as UTF-8.
#ifndef CATUnicodeString_H
#define CATUnicodeString_H

#include <string>

class CATUnicodeString {
 public:
  CATUnicodeString() = default;
  CATUnicodeString(const char* iText) : _Text(iText ? iText : "") {}
  CATUnicodeString(const std::string& iText) : _Text(iText) {}

  // Formats iValue as the C library's printf does with iFormat. The format must hold exactly one
  // floating-point conversion (e, E, f, F, g, G, a or A, with flags, width and precision) and may
  // hold literal text and "%%". Any other format is refused: the string becomes empty and the
  // result is E_FAIL-like (-1), so that a caller's format can never read a missing argument.
  int BuildFromNum(double iValue, const char* iFormat = "%g");

  const char* c_str() const { return _Text.c_str(); }
  const std::string& ToUTF8() const { return _Text; }
  int GetLengthInByte() const { return static_cast<int>(_Text.size()); }
  bool IsEmpty() const { return _Text.empty(); }

  bool operator==(const CATUnicodeString& iOther) const { return _Text == iOther._Text; }
  bool operator!=(const CATUnicodeString& iOther) const { return _Text != iOther._Text; }

 private:
  std::string _Text;
};

#endif
