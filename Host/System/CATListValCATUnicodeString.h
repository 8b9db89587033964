// List of texts, indexed from 1 as every host list is.
#ifndef CATListValCATUnicodeString_H
#define CATListValCATUnicodeString_H

#include <vector>

#include "CATUnicodeString.h"

class CATListValCATUnicodeString {
 public:
  CATListValCATUnicodeString() = default;

  int Size() const { return static_cast<int>(_Items.size()); }
  void Append(const CATUnicodeString& iText) { _Items.push_back(iText); }
  void RemoveAll() { _Items.clear(); }

  // An index outside 1 .. Size() reads as an empty text.
  const CATUnicodeString& operator[](int iIndex) const {
    static const CATUnicodeString sEmpty;
    if (iIndex < 1 || iIndex > Size()) return sEmpty;
    return _Items[static_cast<size_t>(iIndex - 1)];
  }

 private:
  std::vector<CATUnicodeString> _Items;
};

#endif
