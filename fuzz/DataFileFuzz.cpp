// libFuzzer target for the data-file readers: with bit 2 of the first byte set, the rest is a
// measurement file (bits 0 and 1: HDF5, MATLAB .mat 4/5, sound file), listed and every entry of it
// loaded; otherwise bit 0 chooses a .npy file or a text file, bit 1 names the text file .dat
// (cells separated by blanks) instead of .csv. Any input
// must be refused with a message or read into an array whose values lie inside the input; an
// accepted .npy layout must announce no more bytes than there are, and its values, whatever their
// type and byte order, must be readable from a mapping of the input.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CsvFile.h"
#include "Hdf5File.h"
#include "MatFile.h"
#include "NpyFile.h"
#include "NumericArray.h"
#include "RefPtr.h"
#include "SoundFile.h"

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

// Every value of an array read must be readable.
void Touch(NumericArray* iArray) {
  const RefPtr<NumericArray> lArray(iArray);
  double lMin = 0, lMax = 0;
  if (lArray) lArray->GetFiniteRange(lMin, lMax);
}

// The input as a file the libraries open by name (they take paths, not bytes).
void ReadMeasurementFile(unsigned int iFormat, const unsigned char* iBytes, size_t iSize) {
  const int lFd = memfd_create("fuzz", 0);
  if (lFd < 0) return;
  if (write(lFd, iBytes, iSize) == static_cast<ssize_t>(iSize)) {
    const std::string lPath = "/proc/self/fd/" + std::to_string(lFd);
    std::vector<DataEntry> lEntries;
    std::string lError;
    DataAxis lAxes[2];
    const bool lListed = iFormat == 0   ? Hdf5File::List(lPath, false, lEntries, lError)
                         : iFormat == 1 ? MatFile::List(lPath, lEntries, lError)
                                        : SoundFile::List(lPath, lEntries, lError);
    for (size_t i = 0; lListed && i < lEntries.size() && i < 8; ++i) {
      if (!lEntries[i].Numeric) continue;
      const std::string& lName = lEntries[i].Name;
      for (bool lFlatten : {true, false})
        Touch(iFormat == 0   ? Hdf5File::Load(lPath, lName, false, lFlatten, lAxes, lError)
              : iFormat == 1 ? MatFile::Load(lPath, lName, lFlatten, lError)
                             : SoundFile::Load(lPath, lName, lAxes[0], lError));
    }
  }
  close(lFd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  if (iSize < 1) return 0;
  const unsigned char* lBytes = iData + 1;
  const size_t lSize = iSize - 1;
  if (iData[0] & 4) {
    ReadMeasurementFile(std::min(iData[0] & 3, 2), lBytes, lSize);
    return 0;
  }
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
