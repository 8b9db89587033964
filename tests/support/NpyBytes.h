// The bytes of NumPy .npy files for tests, laid out as NumPy writes them, so that the library's
// reader tests and the program's end-to-end tests write their files alike.
#ifndef NpyBytes_H
#define NpyBytes_H

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// The bytes of iValues as the machine holds them; each value's bytes reversed when iSwapped, as
// a file of the other byte order stores them.
template <typename T>
std::string StoredBytes(const std::vector<T>& iValues, bool iSwapped = false) {
  std::string lBytes(reinterpret_cast<const char*>(iValues.data()), iValues.size() * sizeof(T));
  if (iSwapped)
    for (size_t i = 0; i < lBytes.size(); i += sizeof(T)) std::reverse(lBytes.begin() + i, lBytes.begin() + i + sizeof(T));
  return lBytes;
}

// The header dictionary of an array of iDescr values ("<f8") and shape iShape ("(3,)", "(2, 4)").
std::string NpyDict(const std::string& iDescr, const std::string& iShape, bool iFortran = false);

// A .npy file: magic, version iMajor.0, header length and the header iDict padded with spaces and
// ended by a newline so that the data starts at a multiple of iAlign bytes, then iData.
std::string NpyBytes(const std::string& iDict, const std::string& iData, int iMajor = 1, size_t iAlign = 64);

#endif
