#include "NpyBytes.h"

std::string NpyDict(const std::string& iDescr, const std::string& iShape, bool iFortran) {
  return "{'descr': '" + iDescr + "', 'fortran_order': " + (iFortran ? "True" : "False") + ", 'shape': " + iShape +
         ", }";
}

std::string NpyBytes(const std::string& iDict, const std::string& iData, int iMajor, size_t iAlign) {
  const size_t lPreamble = iMajor == 1 ? 10 : 12;
  std::string lHeader = iDict;
  while ((lPreamble + lHeader.size() + 1) % iAlign != 0) lHeader += ' ';
  lHeader += '\n';
  std::string lFile("\x93NUMPY", 6);
  lFile += static_cast<char>(iMajor);
  lFile += '\0';
  for (size_t i = 0; i < lPreamble - 8; ++i) lFile += static_cast<char>((lHeader.size() >> (8 * i)) & 0xff);
  return lFile + lHeader + iData;
}
