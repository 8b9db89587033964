// The number of a column as the user writes it after "FILE:", counted from 0: the one reading of
// column numbers, for CSV columns and .npy matrix columns alike. Static functions only.
#ifndef ColumnIndex_H
#define ColumnIndex_H

#include <string>

class ColumnIndex {
 public:
  // True with oIndex when iText is decimal digits only (at most 10, so any column count compares
  // with it); false for anything else: a name, a sign, blanks, nothing.
  static bool Parse(const std::string& iText, unsigned long long& oIndex);
};

#endif
