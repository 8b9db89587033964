#include "DataFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "ColumnIndex.h"
#include "CsvFile.h"
#include "FileDescriptor.h"
#include "FileName.h"
#include "Hdf5File.h"
#include "MatFile.h"
#include "MessageText.h"
#include "NpyFile.h"
#include "NumericArray.h"
#include "RefPtr.h"
#include "SoundFile.h"
#include "StandardInput.h"

namespace {

// The extension decides, in any case.
bool IsNpy(const std::string& iPath) { return FileName::HasExtension(iPath, ".npy"); }

bool IsRegularFile(const std::string& iPath) {
  struct stat lStat;
  return ::stat(iPath.c_str(), &lStat) == 0 && S_ISREG(lStat.st_mode);
}

// Column iColumn (its number from 0) of the matrix ioArray, which is released. A column is strided
// in the file, so it is gathered; it is one of several, hence smaller.
NumericArray* Column(RefPtr<NumericArray>& ioArray, const std::string& iPath, const std::string& iColumn,
                     std::string& oError, std::string& oName) {
  unsigned long long lIndex = 0;
  if (!ColumnIndex::Parse(iColumn, lIndex) || lIndex >= ioArray->GetColumns()) {
    oError = iPath + ": no column '" + iColumn + "': the columns of this 2-D array are numbered 0 to " +
             std::to_string(ioArray->GetColumns() - 1);
    return nullptr;
  }
  const unsigned int lColumn = static_cast<unsigned int>(lIndex);
  oName = std::to_string(lColumn);
  const unsigned int lRows = ioArray->GetRows();
  const unsigned long long lNeeded = static_cast<unsigned long long>(lRows) * sizeof(double);
  std::vector<double> lValues;
  try {
    lValues.resize(lRows);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(iPath, lNeeded);
    return nullptr;
  }
  for (unsigned int r = 0; r < lRows; ++r) lValues[r] = ioArray->GetValue(r, lColumn);
  ioArray.Reset();
  NumericArray* lVector = NumericArray::FromValues(std::move(lValues), lRows, 1, false);
  if (!lVector) oError = MessageText::OutOfMemory(iPath, lNeeded);
  return lVector;
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
  return Column(lArray, iPath, iColumn, oError, oName);
}

// How a file is read: its extension, else its first bytes, decide.
enum class Kind { Npy, Text, Hdf5, Matlab, Matlab73, Sound };

bool HasAny(const std::string& iPath, std::initializer_list<const char*> iExtensions) {
  for (const char* lExtension : iExtensions)
    if (FileName::HasExtension(iPath, lExtension)) return true;
  return false;
}

bool StartsWith(const char* iHead, size_t iSize, const char* iMagic) {
  const size_t lLength = std::strlen(iMagic);
  return iSize >= lLength && std::memcmp(iHead, iMagic, lLength) == 0;
}

Kind KindOf(const FileDescriptor& iFile, const std::string& iPath) {
  if (IsNpy(iPath)) return Kind::Npy;
  if (iPath == StandardInput::kPath) return Kind::Text;
  char lHead[16] = {};
  const ssize_t lRead = ::pread(iFile.Get(), lHead, sizeof(lHead), 0);
  const size_t lSize = lRead > 0 ? static_cast<size_t>(lRead) : 0;
  if (HasAny(iPath, {".mat"}) || StartsWith(lHead, lSize, "MATLAB"))
    return Hdf5File::Is(iPath) ? Kind::Matlab73 : Kind::Matlab;
  if (StartsWith(lHead, lSize, "\x89HDF\r\n\x1a\n") || HasAny(iPath, {".h5", ".hdf5", ".hdf", ".he5", ".nc"}))
    return Kind::Hdf5;
  const bool lRiff = (StartsWith(lHead, lSize, "RIFF") || StartsWith(lHead, lSize, "RIFX") ||
                      StartsWith(lHead, lSize, "RF64")) && lSize >= 12 && std::memcmp(lHead + 8, "WAVE", 4) == 0;
  if (lRiff || StartsWith(lHead, lSize, "fLaC") || StartsWith(lHead, lSize, "OggS") ||
      (StartsWith(lHead, lSize, "FORM") && lSize >= 12 && std::memcmp(lHead + 8, "AIF", 3) == 0) ||
      HasAny(iPath, {".wav", ".flac", ".aif", ".aiff", ".aifc", ".ogg", ".oga", ".au", ".snd", ".caf", ".w64"}))
    return Kind::Sound;
  return Kind::Text;
}

bool IsContainer(Kind iKind) { return iKind != Kind::Npy && iKind != Kind::Text; }

// What the things a file holds are called in messages.
const char* ThingName(Kind iKind) {
  return iKind == Kind::Sound ? "channel" : iKind == Kind::Hdf5 ? "dataset" : "variable";
}

bool ListContainer(Kind iKind, const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError) {
  switch (iKind) {
    case Kind::Hdf5: return Hdf5File::List(iPath, false, oEntries, oError);
    case Kind::Matlab73: return Hdf5File::List(iPath, true, oEntries, oError);
    case Kind::Matlab: return MatFile::List(iPath, oEntries, oError);
    default: return SoundFile::List(iPath, oEntries, oError);
  }
}

// Edits that turn iA into iB (insertions, deletions, substitutions).
size_t Distance(const std::string& iA, const std::string& iB) {
  std::vector<size_t> lRow(iB.size() + 1);
  for (size_t j = 0; j <= iB.size(); ++j) lRow[j] = j;
  for (size_t i = 1; i <= iA.size(); ++i) {
    size_t lDiagonal = lRow[0];
    lRow[0] = i;
    for (size_t j = 1; j <= iB.size(); ++j) {
      const size_t lAbove = lRow[j];
      lRow[j] = std::min({lRow[j] + 1, lRow[j - 1] + 1, lDiagonal + (iA[i - 1] == iB[j - 1] ? 0 : 1)});
      lDiagonal = lAbove;
    }
  }
  return lRow[iB.size()];
}

// "a, b, c": up to three names of iEntries, those closest to iName first.
std::string Closest(const std::vector<DataEntry>& iEntries, const std::string& iName) {
  std::vector<std::pair<size_t, std::string>> lRanked;
  for (const DataEntry& lEntry : iEntries)
    if (lEntry.Numeric && !lEntry.Axis) lRanked.emplace_back(Distance(lEntry.Name, iName), lEntry.Name);
  std::sort(lRanked.begin(), lRanked.end());
  std::string lText;
  for (size_t i = 0; i < lRanked.size() && i < 3; ++i) lText += (i ? ", " : "") + lRanked[i].second;
  return lText;
}

const DataEntry* Find(const std::vector<DataEntry>& iEntries, Kind iKind, const std::string& iName) {
  // An HDF5 path may be written with or without its leading '/'.
  const std::string lName = iKind == Kind::Hdf5 && !iName.empty() && iName[0] != '/' ? "/" + iName : iName;
  for (const DataEntry& lEntry : iEntries)
    if (lEntry.Name == lName) return &lEntry;
  return nullptr;
}

// The entry iSpecName names, and the column after its last ':' when the whole is no name; without
// a name, the only one the file holds. False with oError naming the closest names.
bool Resolve(Kind iKind, const std::string& iPath, const std::string& iSpecName, bool iHasName,
             const std::vector<DataEntry>& iEntries, std::string& oName, std::string& oColumn, bool& oHasColumn,
             std::string& oError) {
  oHasColumn = false;
  const std::string lThing = ThingName(iKind);
  if (!iHasName) {
    std::vector<const DataEntry*> lData;
    for (const DataEntry& lEntry : iEntries)
      if (lEntry.Numeric && !lEntry.Axis) lData.push_back(&lEntry);
    if (lData.size() == 1) return oName = lData[0]->Name, true;
    if (lData.empty()) return oError = iPath + ": holds no numeric " + lThing + " to plot", false;
    oError = iPath + ": " + std::to_string(lData.size()) + " " + lThing + "s (" + Closest(iEntries, "") +
             (lData.size() > 3 ? ", ..." : "") + "): choose one with " + iPath + ":" +
             (iKind == Kind::Sound ? "CHANNEL" : "NAME");
    return false;
  }
  const DataEntry* lEntry = Find(iEntries, iKind, iSpecName);
  std::string lWanted = iSpecName;
  const size_t lColon = iSpecName.rfind(':');
  if (!lEntry && lColon != std::string::npos && iKind != Kind::Sound) {
    lWanted = iSpecName.substr(0, lColon);
    if ((lEntry = Find(iEntries, iKind, lWanted))) {
      oColumn = iSpecName.substr(lColon + 1);
      oHasColumn = true;
    }
  }
  if (!lEntry) {
    oError = iPath + ": no " + lThing + " " + lWanted + "; there are " + Closest(iEntries, lWanted);
    if (Closest(iEntries, lWanted).empty()) oError = iPath + ": no " + lThing + " " + lWanted + "; it holds none that can be plotted";
    return false;
  }
  oName = lEntry->Name;
  return true;
}

// The array of entry iName, flattened when iFlatten; oAxes receive the X the file brings.
NumericArray* LoadContainer(Kind iKind, const std::string& iPath, const std::string& iName, bool iFlatten,
                            DataAxis oAxes[2], std::string& oError) {
  switch (iKind) {
    case Kind::Hdf5: return Hdf5File::Load(iPath, iName, false, iFlatten, oAxes, oError);
    case Kind::Matlab73: return Hdf5File::Load(iPath, iName, true, iFlatten, oAxes, oError);
    case Kind::Matlab: return MatFile::Load(iPath, iName, iFlatten, oError);
    default: return SoundFile::Load(iPath, iName, oAxes[0], oError);
  }
}

// A vector of a measurement file: a 1-D entry, or a column of a 2-D one.
NumericArray* ContainerVector(Kind iKind, const std::string& iPath, const std::string& iSpecName, bool iHasName,
                              std::string& oError, std::string& oName, DataAxis* oX) {
  std::vector<DataEntry> lEntries;
  if (!ListContainer(iKind, iPath, lEntries, oError)) return nullptr;
  std::string lName, lColumn;
  bool lHasColumn = false;
  if (!Resolve(iKind, iPath, iSpecName, iHasName, lEntries, lName, lColumn, lHasColumn, oError)) return nullptr;
  DataAxis lAxes[2];
  RefPtr<NumericArray> lArray(LoadContainer(iKind, iPath, lName, !lHasColumn, lAxes, oError));
  if (!lArray) return nullptr;
  const std::string lShort = lName.substr(lName.find_last_of("/.") == std::string::npos ? 0 : lName.find_last_of("/.") + 1);
  oName = iKind == Kind::Sound ? (lEntries.size() == 1 ? DataFile::Stem(iPath) : DataFile::Stem(iPath) + ":" + lName) : lShort;
  if (oX) *oX = lAxes[0];
  if (!lHasColumn) {
    if (!lArray->IsMatrix()) return lArray.Detach();
    oError = iPath + ": " + ThingName(iKind) + " " + lName + " is 2-D (" + std::to_string(lArray->GetRows()) + " x " +
             std::to_string(lArray->GetColumns()) + "): choose a column with " + iPath + ":" + lName + ":COLUMN";
    return nullptr;
  }
  if (!lArray->IsMatrix()) {
    oError = iPath + ": " + ThingName(iKind) + " " + lName + " is 1-D, it has no column '" + lColumn + "' to choose";
    return nullptr;
  }
  std::string lColumnName;
  NumericArray* lVector = Column(lArray, iPath, lColumn, oError, lColumnName);
  oName = lShort + ":" + lColumnName;
  return lVector;
}

NumericArray* ContainerMatrix(Kind iKind, const std::string& iPath, const std::string& iSpecName, bool iHasName,
                              std::string& oError, DataAxis* oX, DataAxis* oZ) {
  std::vector<DataEntry> lEntries;
  if (!ListContainer(iKind, iPath, lEntries, oError)) return nullptr;
  std::string lName, lColumn;
  bool lHasColumn = false;
  if (!Resolve(iKind, iPath, iSpecName, iHasName, lEntries, lName, lColumn, lHasColumn, oError)) return nullptr;
  if (lHasColumn || iKind == Kind::Sound) {
    oError = iPath + ": a matrix is needed: name a 2-D " + std::string(ThingName(iKind)) + " without a column";
    return nullptr;
  }
  DataAxis lAxes[2];
  RefPtr<NumericArray> lArray(LoadContainer(iKind, iPath, lName, false, lAxes, oError));
  if (!lArray) return nullptr;
  if (!lArray->IsMatrix()) {
    oError = iPath + ": " + ThingName(iKind) + " " + lName + " is 1-D, a matrix is needed";
    return nullptr;
  }
  // values[i_z, i_x]: rows go with Z, columns with X.
  if (oZ) *oZ = lAxes[0];
  if (oX) *oX = lAxes[1];
  return lArray.Detach();
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
                     unsigned long long& ioNeeded, DataAxis* oX) {
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
  const Kind lKind = KindOf(lFile, lPath);
  if (IsContainer(lKind)) return ContainerVector(lKind, lPath, lColumn, lHasColumn, oError, oName, oX);
  if (lKind == Kind::Npy) return NpyVector(lFile, lPath, lColumn, lHasColumn, oError, oName);
  CsvFile lCsv;
  if (!lCsv.Read(lFile, ioPath, oError)) return nullptr;
  return CsvVector(lCsv, ioPath, lPath, lColumn, lHasColumn, oError, oName);
}

NumericArray* Matrix(const std::string& iSpec, std::string& oError, std::string& oName, unsigned long long& ioNeeded,
                     DataAxis* oX, DataAxis* oZ) {
  // A measurement file's matrix is named after ':'; any other file is a path as a whole.
  std::string lPath, lName;
  bool lHasName = false;
  DataFile::SplitSpec(iSpec, lPath, lName, lHasName);
  {
    std::string lIgnored;
    const FileDescriptor lNamed = lHasName ? FileDescriptor::Open(lPath, lIgnored) : FileDescriptor();
    if (lNamed.IsOpen() && IsContainer(KindOf(lNamed, lPath))) {
      oName = lPath;
      ioNeeded = lNamed.GetSize();
      return ContainerMatrix(KindOf(lNamed, lPath), lPath, lName, true, oError, oX, oZ);
    }
  }
  const std::string& iPath = iSpec;
  const FileDescriptor lFile = Open(iPath, oName, oError);
  if (!lFile.IsOpen()) return nullptr;
  ioNeeded = lFile.GetSize();
  const Kind lKind = KindOf(lFile, iPath);
  if (IsContainer(lKind)) return ContainerMatrix(lKind, iPath, std::string(), false, oError, oX, oZ);
  if (lKind == Kind::Text) {
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
  return LoadVector(iSpec, oError, oName, nullptr);
}

NumericArray* DataFile::LoadVector(const std::string& iSpec, std::string& oError, std::string& oName, DataAxis* oX) {
  std::string lPath = iSpec;
  unsigned long long lNeeded = 0;
  try {
    return Vector(iSpec, oError, oName, lPath, lNeeded, oX);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(lPath, lNeeded);
    return nullptr;
  }
}

NumericArray* DataFile::LoadMatrix(const std::string& iSpec, std::string& oError) {
  return LoadMatrix(iSpec, oError, nullptr, nullptr);
}

NumericArray* DataFile::LoadMatrix(const std::string& iSpec, std::string& oError, DataAxis* oX, DataAxis* oZ) {
  std::string lName = iSpec;
  unsigned long long lNeeded = 0;
  try {
    return Matrix(iSpec, oError, lName, lNeeded, oX, oZ);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(lName, lNeeded);
    return nullptr;
  }
}

bool DataFile::List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError) {
  std::string lName;
  const FileDescriptor lFile = Open(iPath, lName, oError);
  if (!lFile.IsOpen()) return false;
  const Kind lKind = KindOf(lFile, iPath);
  if (IsContainer(lKind)) return ListContainer(lKind, iPath, oEntries, oError);
  DataEntry lEntry;
  lEntry.Name = Stem(iPath);
  if (lKind == Kind::Text) {
    CsvFile lCsv;
    if (!lCsv.Read(lFile, lName, oError)) return false;
    RefPtr<NumericArray> lArray(lCsv.LoadMatrix(oError));
    if (!lArray) return false;
    lEntry.Shape = {lArray->GetRows(), lArray->GetColumns()};
    lEntry.Type = "text";
    lEntry.Notes = "columns " + lCsv.NameList();
  } else {
    RefPtr<NumericArray> lArray(NpyFile::Load(lFile, iPath, false, oError));
    if (!lArray) return false;
    lEntry.Shape = {lArray->GetRows()};
    if (lArray->IsMatrix()) lEntry.Shape.push_back(lArray->GetColumns());
    lEntry.Type = "npy";
    if (lArray->IsMatrix()) lEntry.Notes = "columns 0 to " + std::to_string(lArray->GetColumns() - 1);
  }
  oEntries.push_back(lEntry);
  return true;
}

bool DataFile::BringsAxes(const std::string& iSpec) {
  std::string lPath, lName, lIgnored;
  bool lHasName = false;
  SplitSpec(iSpec, lPath, lName, lHasName);
  const FileDescriptor lFile = lPath == StandardInput::kPath ? FileDescriptor() : FileDescriptor::Open(lPath, lIgnored);
  const Kind lKind = lFile.IsOpen() ? KindOf(lFile, lPath) : Kind::Text;
  return lKind == Kind::Hdf5 || lKind == Kind::Matlab73;
}
