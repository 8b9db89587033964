// Narrow identifier text (resource and object names).
#ifndef CATString_H
#define CATString_H

#include <string>

class CATString {
 public:
  CATString() = default;
  CATString(const char* iText) : _Text(iText ? iText : "") {}
  const char* c_str() const { return _Text.c_str(); }
  bool operator==(const CATString& iOther) const { return _Text == iOther._Text; }

 private:
  std::string _Text;
};

#endif
