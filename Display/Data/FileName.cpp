#include "FileName.h"

bool FileName::HasExtension(const std::string& iName, const std::string& iExtension) {
  if (iName.size() < iExtension.size()) return false;
  const size_t lStart = iName.size() - iExtension.size();
  for (size_t i = 0; i < iExtension.size(); ++i) {
    const char c = iName[lStart + i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != iExtension[i]) return false;
  }
  return true;
}
