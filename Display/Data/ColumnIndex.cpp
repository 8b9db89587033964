#include "ColumnIndex.h"

bool ColumnIndex::Parse(const std::string& iText, unsigned long long& oIndex) {
  if (iText.empty() || iText.size() > 10 || iText.find_first_not_of("0123456789") != std::string::npos) return false;
  oIndex = 0;
  for (char c : iText) oIndex = oIndex * 10 + static_cast<unsigned>(c - '0');
  return true;
}
