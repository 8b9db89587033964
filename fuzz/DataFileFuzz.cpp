// libFuzzer target for the data-file readers: the first byte chooses a .npy header or a CSV text.
// Any input must be refused with a message or read into an array whose values lie inside the
// input; an accepted .npy layout must announce no more bytes than there are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "CsvFile.h"
#include "NpyFile.h"
#include "NumericArray.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  const unsigned char* lBytes = iData + 1;
  const size_t lSize = iSize - 1;
  std::string lError;
  if (iData[0] & 1) {
    NpyFile::Layout lLayout;
    if (!NpyFile::ReadHeader(lBytes, lSize, lLayout, lError)) return 0;
    const unsigned long long lValues = static_cast<unsigned long long>(lLayout._Rows) * lLayout._Columns;
    const unsigned long long lBytesNeeded = lValues * NumericArray::SizeOf(lLayout._Stored);
    if (lLayout._DataOffset > lSize || lBytesNeeded > lSize - lLayout._DataOffset) std::abort();
    return 0;
  }
  CsvFile lCsv;
  if (!lCsv.Parse(std::string(reinterpret_cast<const char*>(lBytes), lSize), "fuzz.csv", lError)) return 0;
  lCsv.NameList();
  for (unsigned int c = 0; c < lCsv.GetNames().size() && c < 4; ++c) {
    NumericArray* lColumn = lCsv.LoadColumn(c, lError);
    if (lColumn && lColumn->GetSize() > lSize) std::abort();  // more values than bytes
    if (lColumn) lColumn->Release();
  }
  NumericArray* lMatrix = lCsv.LoadMatrix(lError);
  if (lMatrix) lMatrix->Release();
  return 0;
}
