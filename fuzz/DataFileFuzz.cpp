// libFuzzer target for the data-file readers: bit 0 of the first byte chooses a .npy file or a
// text file, bit 1 names the text file .dat (cells separated by blanks) instead of .csv. Any input
// must be refused with a message or read into an array whose values lie inside the input; an
// accepted .npy layout must announce no more bytes than there are, and its values, whatever their
// type and byte order, must be readable from a mapping of the input.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "CsvFile.h"
#include "NpyFile.h"
#include "NumericArray.h"
#include "RefPtr.h"

namespace {

void ReadNpy(const unsigned char* iBytes, size_t iSize) {
  NpyFile::Layout lLayout;
  std::string lError;
  if (!NpyFile::ReadHeader(iBytes, iSize, lLayout, lError)) return;
  const unsigned long long lValues = static_cast<unsigned long long>(lLayout._Rows) * lLayout._Columns;
  const unsigned long long lBytesNeeded = lValues * NumericArray::SizeOf(lLayout._Stored);
  if (lLayout._DataOffset > iSize || lBytesNeeded > iSize - lLayout._DataOffset) std::abort();
  void* lMapping = mmap(nullptr, iSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (lMapping == MAP_FAILED) return;
  std::memcpy(lMapping, iBytes, iSize);
  const RefPtr<NumericArray> lArray(NumericArray::FromMapping(lMapping, iSize, lLayout._DataOffset, lLayout._Stored,
                                                              lLayout._Swapped, lLayout._Rows, lLayout._Columns,
                                                              lLayout._Dimensions == 2));
  if (!lArray) return;
  double lMin = 0, lMax = 0;
  lArray->GetFiniteRange(lMin, lMax);
  lArray->GetValue(lValues - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  const unsigned char* lBytes = iData + 1;
  const size_t lSize = iSize - 1;
  if (iData[0] & 1) {
    if (lSize > 0) ReadNpy(lBytes, lSize);
    return 0;
  }
  std::string lError;
  CsvFile lCsv;
  const std::string lName = iData[0] & 2 ? "fuzz.dat" : "fuzz.csv";
  if (!lCsv.Parse(std::string(reinterpret_cast<const char*>(lBytes), lSize), lName, lError)) return 0;
  lCsv.NameList();
  unsigned int lFound = 0;
  if (!lCsv.GetNames().empty() && !lCsv.FindColumn(lCsv.GetNames().back(), lFound, lError)) std::abort();
  for (unsigned int c = 0; c < lCsv.GetNames().size() && c < 4; ++c) {
    const RefPtr<NumericArray> lColumn(lCsv.LoadColumn(c, lError));
    if (lColumn && lColumn->GetSize() > lSize) std::abort();  // more values than bytes
  }
  const RefPtr<NumericArray> lMatrix(lCsv.LoadMatrix(lError));
  return 0;
}
