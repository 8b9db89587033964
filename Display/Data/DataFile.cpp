#include "DataFile.h"

#include <sys/stat.h>

#include <new>
#include <vector>

#include "ColumnIndex.h"
#include "CsvFile.h"
#include "FileDescriptor.h"
#include "FileName.h"
#include "MessageText.h"
#include "NpyFile.h"
#include "NumericArray.h"
#include "RefPtr.h"
#include "StandardInput.h"

namespace {

// The extension decides, in any case.
bool IsNpy(const std::string& iPath) { return FileName::HasExtension(iPath, ".npy"); }

bool IsRegularFile(const std::string& iPath) {
  struct stat lStat;
  return ::stat(iPath.c_str(), &lStat) == 0 && S_ISREG(lStat.st_mode);
}

NumericArray* NpyVector(const FileDescriptor& iFile, const std::string& iPath, const std::string& iColumn, bool iHasColumn,
                        std::string& oError, std::string& oName) {
  RefPtr<NumericArray> lArray(NpyFile::Load(iFile, iPath, !iHasColumn, oError));
  if (!lArray) return nullptr;
  if (!iHasColumn) {
    if (!lArray->IsMatrix()) return lArray.Detach();
    oError = iPath + ": 2-D array of " + std::to_string(lArray->GetRows()) + " x " +
             std::to_string(lArray->GetColumns()) + ": choose a column with " + iPath + ":COLUMN";
    return nullptr;
  }
  if (!lArray->IsMatrix()) {
    oError = iPath + ": holds 1-D data, it has no column '" + iColumn + "' to choose";
    return nullptr;
  }
  unsigned long long lIndex = 0;
  if (!ColumnIndex::Parse(iColumn, lIndex) || lIndex >= lArray->GetColumns()) {
    oError = iPath + ": no column '" + iColumn + "': the columns of this 2-D array are numbered 0 to " +
             std::to_string(lArray->GetColumns() - 1);
    return nullptr;
  }
  const unsigned int lColumn = static_cast<unsigned int>(lIndex);
  oName = std::to_string(lColumn);
  // A column is strided in the file, so it is gathered; it is one of several, hence smaller.
  const unsigned int lRows = lArray->GetRows();
  const unsigned long long lNeeded = static_cast<unsigned long long>(lRows) * sizeof(double);
  std::vector<double> lValues;
  try {
    lValues.resize(lRows);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(iPath, lNeeded);
    return nullptr;
  }
  for (unsigned int r = 0; r < lRows; ++r) lValues[r] = lArray->GetValue(r, lColumn);
  lArray.Reset();
  NumericArray* lVector = NumericArray::FromValues(std::move(lValues), lRows, 1, false);
  if (!lVector) oError = MessageText::OutOfMemory(iPath, lNeeded);
  return lVector;
}

// The column of a text file read up to its first row; iName names it in messages, iPath on the
// command line.
NumericArray* CsvVector(const CsvFile& iFile, const std::string& iName, const std::string& iPath,
                        const std::string& iColumn, bool iHasColumn, std::string& oError, std::string& oName) {
  unsigned int lColumn = 0;
  if (iHasColumn) {
    if (!iFile.FindColumn(iColumn, lColumn, oError)) return nullptr;
  } else if (iFile.GetNames().size() != 1) {
    oError = iName + ": " + std::to_string(iFile.GetNames().size()) + " columns (" + iFile.NameList() +
             "): choose one with " + iPath + ":COLUMN";
    return nullptr;
  }
  if (iHasColumn) oName = iFile.GetNames()[lColumn];
  return iFile.LoadColumn(lColumn, oError);
}

// The file iPath names, or standard input for "-"; oName names it in messages.
FileDescriptor Open(const std::string& iPath, std::string& oName, std::string& oError) {
  const bool lInput = iPath == StandardInput::kPath;
  oName = lInput ? StandardInput::kName : iPath;
  return lInput ? StandardInput::Open(oError) : FileDescriptor::Open(iPath, oError);
}

// The vector iSpec names; ioPath and ioNeeded say for an out-of-memory message which file it was
// and what it needed.
NumericArray* Vector(const std::string& iSpec, std::string& oError, std::string& oName, std::string& ioPath,
                     unsigned long long& ioNeeded) {
  std::string lColumn, lPath;
  bool lHasColumn = false;
  DataFile::SplitSpec(iSpec, lPath, lColumn, lHasColumn);
  if (lHasColumn && lColumn.empty()) {
    oError = lPath + ": no column after ':' (give " + lPath + ":COLUMN, or the path alone)";
    return nullptr;
  }
  const FileDescriptor lFile = Open(lPath, ioPath, oError);
  if (!lFile.IsOpen()) return nullptr;
  ioNeeded = lFile.GetSize();
  oName = lPath == StandardInput::kPath ? "stdin" : DataFile::Stem(lPath);
  if (IsNpy(lPath)) return NpyVector(lFile, lPath, lColumn, lHasColumn, oError, oName);
  CsvFile lCsv;
  if (!lCsv.Read(lFile, ioPath, oError)) return nullptr;
  return CsvVector(lCsv, ioPath, lPath, lColumn, lHasColumn, oError, oName);
}

NumericArray* Matrix(const std::string& iPath, std::string& oError, std::string& oName, unsigned long long& ioNeeded) {
  const FileDescriptor lFile = Open(iPath, oName, oError);
  if (!lFile.IsOpen()) return nullptr;
  ioNeeded = lFile.GetSize();
  if (!IsNpy(iPath)) {
    CsvFile lCsv;
    if (!lCsv.Read(lFile, oName, oError)) return nullptr;
    return lCsv.LoadMatrix(oError);
  }
  RefPtr<NumericArray> lArray(NpyFile::Load(lFile, iPath, false, oError));
  if (lArray && !lArray->IsMatrix()) {
    oError = iPath + ": holds 1-D data, a matrix is needed";
    return nullptr;
  }
  return lArray.Detach();
}

}  // namespace

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
  std::string lName = iPath;
  unsigned long long lNeeded = 0;
  try {
    return Matrix(iPath, oError, lName, lNeeded);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(lName, lNeeded);
    return nullptr;
  }
}
