#include "RecordedCall.h"

std::ostream& operator<<(std::ostream& iStream, const RecordedCall& iCall) {
  iStream << iCall.Op << "(";
  const char* lSep = "";
  if (!iCall.Floats.empty()) {
    iStream << "floats=[";
    for (size_t i = 0; i < iCall.Floats.size(); ++i) iStream << (i ? ", " : "") << iCall.Floats[i];
    iStream << "]";
    lSep = ", ";
  }
  if (!iCall.Ints.empty()) {
    iStream << lSep << "ints=[";
    for (size_t i = 0; i < iCall.Ints.size(); ++i) iStream << (i ? ", " : "") << iCall.Ints[i];
    iStream << "]";
    lSep = ", ";
  }
  if (!iCall.Text.empty()) iStream << lSep << "text=\"" << iCall.Text << "\"";
  return iStream << ")";
}
