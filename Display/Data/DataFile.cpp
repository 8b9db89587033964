#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <new>
#include <system_error>
#include <vector>

#include "CsvFile.h"
#include "MessageText.h"
#include "NpyFile.h"
#include "NumericArray.h"

namespace {

// A descriptor closed when the scope ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int iFd) : _Fd(iFd) {}
  ~FileDescriptor() {
    if (_Fd >= 0) ::close(_Fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return _Fd; }

 private:
  int _Fd;
};

// Opens iPath for reading as a regular file; -1 with oError otherwise. Non-blocking so that a
// FIFO given by mistake is refused instead of waiting for a writer.
int Open(const std::string& iPath, size_t& oSize, std::string& oError) {
  if (iPath.empty()) {
    oError = "(no file name): cannot open: " + std::generic_category().message(ENOENT);
    return -1;
  }
  const int lFd = ::open(iPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (lFd < 0) {
    oError = iPath + ": cannot open: " + std::generic_category().message(errno);
    return -1;
  }
  struct stat lStat;
  if (::fstat(lFd, &lStat) != 0) {
    oError = iPath + ": cannot read: " + std::generic_category().message(errno);
    ::close(lFd);
    return -1;
  }
  if (S_ISDIR(lStat.st_mode)) {
    oError = iPath + ": is a directory, not a data file";
    ::close(lFd);
    return -1;
  }
  if (!S_ISREG(lStat.st_mode)) {
    oError = iPath + ": not a regular file";
    ::close(lFd);
    return -1;
  }
  if (static_cast<unsigned long long>(lStat.st_size) > SIZE_MAX) {
    oError = iPath + ": too large to map";
    ::close(lFd);
    return -1;
  }
  // Reads block from here on, as for any regular file.
  const int lFlags = ::fcntl(lFd, F_GETFL);
  if (lFlags >= 0) ::fcntl(lFd, F_SETFL, lFlags & ~O_NONBLOCK);
  oSize = static_cast<size_t>(lStat.st_size);
  return lFd;
}

bool IsRegularFile(const std::string& iPath) {
  struct stat lStat;
  return ::stat(iPath.c_str(), &lStat) == 0 && S_ISREG(lStat.st_mode);
}

// A column number of a NumPy matrix: digits only, below iColumns.
bool ColumnNumber(const std::string& iColumn, unsigned int iColumns, unsigned int& oIndex) {
  if (iColumn.empty() || iColumn.size() > 10 || iColumn.find_first_not_of("0123456789") != std::string::npos)
    return false;
  unsigned long long lIndex = 0;
  for (char c : iColumn) lIndex = lIndex * 10 + static_cast<unsigned>(c - '0');
  if (lIndex >= iColumns) return false;
  oIndex = static_cast<unsigned int>(lIndex);
  return true;
}

NumericArray* NpyVector(int iFd, size_t iSize, const std::string& iPath, const std::string& iColumn, bool iHasColumn,
                        std::string& oError, std::string& oName) {
  NumericArray* lArray = NpyFile::Load(iFd, iSize, iPath, !iHasColumn, oError);
  if (!lArray) return nullptr;
  if (!iHasColumn) {
    if (!lArray->IsMatrix()) return lArray;
    oError = iPath + ": 2-D array of " + std::to_string(lArray->GetRows()) + " x " +
             std::to_string(lArray->GetColumns()) + ": choose a column with " + iPath + ":COLUMN";
    lArray->Release();
    return nullptr;
  }
  if (!lArray->IsMatrix()) {
    oError = iPath + ": holds 1-D data, it has no column '" + iColumn + "' to choose";
    lArray->Release();
    return nullptr;
  }
  unsigned int lColumn = 0;
  if (!ColumnNumber(iColumn, lArray->GetColumns(), lColumn)) {
    oError = iPath + ": no column '" + iColumn + "': the columns of this 2-D array are numbered 0 to " +
             std::to_string(lArray->GetColumns() - 1);
    lArray->Release();
    return nullptr;
  }
  oName = std::to_string(lColumn);
  // A column is strided in the file, so it is gathered; it is one of several, hence smaller.
  const unsigned int lRows = lArray->GetRows();
  const unsigned long long lNeeded = static_cast<unsigned long long>(lRows) * sizeof(double);
  std::vector<double> lValues;
  try {
    lValues.resize(lRows);
  } catch (const std::bad_alloc&) {
    lArray->Release();
    oError = MessageText::OutOfMemory(iPath, lNeeded);
    return nullptr;
  }
  for (unsigned int r = 0; r < lRows; ++r) lValues[r] = lArray->GetValue(r, lColumn);
  lArray->Release();
  NumericArray* lVector = NumericArray::FromValues(std::move(lValues), lRows, 1, false);
  if (!lVector) oError = MessageText::OutOfMemory(iPath, lNeeded);
  return lVector;
}

NumericArray* CsvVector(int iFd, size_t iSize, const std::string& iPath, const std::string& iColumn, bool iHasColumn,
                        std::string& oError, std::string& oName) {
  CsvFile lFile;
  if (!lFile.Read(iFd, iSize, iPath, oError)) return nullptr;
  unsigned int lColumn = 0;
  if (iHasColumn) {
    if (!lFile.FindColumn(iColumn, lColumn, oError)) return nullptr;
  } else if (lFile.GetNames().size() != 1) {
    oError = iPath + ": " + std::to_string(lFile.GetNames().size()) + " columns (" + lFile.NameList() +
             "): choose one with " + iPath + ":COLUMN";
    return nullptr;
  }
  if (iHasColumn) oName = lFile.GetNames()[lColumn];
  return lFile.LoadColumn(lColumn, oError);
}

// The vector iSpec names; ioPath and ioNeeded say for an out-of-memory message which file it was
// and what it needed.
NumericArray* Vector(const std::string& iSpec, std::string& oError, std::string& oName, std::string& ioPath,
                     unsigned long long& ioNeeded) {
  std::string lColumn;
  bool lHasColumn = false;
  DataFile::SplitSpec(iSpec, ioPath, lColumn, lHasColumn);
  const std::string& lPath = ioPath;
  if (lHasColumn && lColumn.empty()) {
    oError = lPath + ": no column after ':' (give " + lPath + ":COLUMN, or the path alone)";
    return nullptr;
  }
  size_t lSize = 0;
  FileDescriptor lFd(Open(lPath, lSize, oError));
  if (lFd.Get() < 0) return nullptr;
  ioNeeded = lSize;
  oName = DataFile::Stem(lPath);
  if (DataFile::IsNpy(lPath)) return NpyVector(lFd.Get(), lSize, lPath, lColumn, lHasColumn, oError, oName);
  return CsvVector(lFd.Get(), lSize, lPath, lColumn, lHasColumn, oError, oName);
}

NumericArray* Matrix(const std::string& iPath, std::string& oError, unsigned long long& ioNeeded) {
  size_t lSize = 0;
  FileDescriptor lFd(Open(iPath, lSize, oError));
  if (lFd.Get() < 0) return nullptr;
  ioNeeded = lSize;
  if (!DataFile::IsNpy(iPath)) {
    CsvFile lFile;
    if (!lFile.Read(lFd.Get(), lSize, iPath, oError)) return nullptr;
    return lFile.LoadMatrix(oError);
  }
  NumericArray* lArray = NpyFile::Load(lFd.Get(), lSize, iPath, false, oError);
  if (lArray && !lArray->IsMatrix()) {
    oError = iPath + ": holds 1-D data, a matrix is needed";
    lArray->Release();
    return nullptr;
  }
  return lArray;
}

}  // namespace

bool DataFile::IsNpy(const std::string& iPath) {
  if (iPath.size() < 4) return false;
  const std::string lEnd = iPath.substr(iPath.size() - 4);
  return lEnd[0] == '.' && (lEnd[1] == 'n' || lEnd[1] == 'N') && (lEnd[2] == 'p' || lEnd[2] == 'P') &&
         (lEnd[3] == 'y' || lEnd[3] == 'Y');
}

void DataFile::SplitSpec(const std::string& iArgument, std::string& oPath, std::string& oColumn, bool& oHasColumn) {
  oPath = iArgument;
  oColumn.clear();
  oHasColumn = false;
  const size_t lLast = iArgument.rfind(':');
  if (lLast == std::string::npos || IsRegularFile(iArgument)) return;
  size_t lSplit = lLast;
  for (size_t lAt = iArgument.find(':'); lAt < lLast; lAt = iArgument.find(':', lAt + 1)) {
    if (IsRegularFile(iArgument.substr(0, lAt))) {
      lSplit = lAt;
      break;
    }
  }
  oPath = iArgument.substr(0, lSplit);
  oColumn = iArgument.substr(lSplit + 1);
  oHasColumn = true;
}

std::string DataFile::Stem(const std::string& iPath) {
  const size_t lSlash = iPath.find_last_of('/');
  std::string lName = lSlash == std::string::npos ? iPath : iPath.substr(lSlash + 1);
  const size_t lDot = lName.rfind('.');
  if (lDot != std::string::npos && lDot > 0) lName.erase(lDot);
  return lName;
}

NumericArray* DataFile::LoadVector(const std::string& iSpec, std::string& oError) {
  std::string lName;
  return LoadVector(iSpec, oError, lName);
}

NumericArray* DataFile::LoadVector(const std::string& iSpec, std::string& oError, std::string& oName) {
  std::string lPath = iSpec;
  unsigned long long lNeeded = 0;
  try {
    return Vector(iSpec, oError, oName, lPath, lNeeded);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(lPath, lNeeded);
    return nullptr;
  }
}

NumericArray* DataFile::LoadMatrix(const std::string& iPath, std::string& oError) {
  unsigned long long lNeeded = 0;
  try {
    return Matrix(iPath, oError, lNeeded);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(iPath, lNeeded);
    return nullptr;
  }
}
