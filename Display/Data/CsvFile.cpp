#include "CsvFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <new>
#include <string_view>
#include <system_error>

#include "ColumnIndex.h"
#include "FileDescriptor.h"
#include "FileName.h"
#include "StandardInput.h"
#include "MessageText.h"
#include "NumericArray.h"
#include "TextLines.h"

namespace {

bool IsBlank(char c, char iSeparator) { return c == ' ' || (c == '\t' && iSeparator != '\t') || c == '\r'; }

std::string_view Trim(std::string_view iText, char iSeparator) {
  while (!iText.empty() && IsBlank(iText.front(), iSeparator)) iText.remove_prefix(1);
  while (!iText.empty() && IsBlank(iText.back(), iSeparator)) iText.remove_suffix(1);
  return iText;
}

bool IsBlankLine(std::string_view iLine, char iSeparator) { return Trim(iLine, iSeparator).empty(); }

// The cells of a line separated by runs of blanks; blanks inside quotes do not split.
void SplitBlanks(std::string_view iLine, std::vector<std::string_view>& oCells) {
  bool lQuoted = false;
  size_t lStart = std::string_view::npos;
  for (size_t i = 0; i < iLine.size(); ++i) {
    const char c = iLine[i];
    if (!lQuoted && (c == ' ' || c == '\t' || c == '\r')) {
      if (lStart != std::string_view::npos) oCells.push_back(iLine.substr(lStart, i - lStart));
      lStart = std::string_view::npos;
      continue;
    }
    if (lStart == std::string_view::npos) lStart = i;
    if (c == '"') lQuoted = !lQuoted;
  }
  if (lStart != std::string_view::npos) oCells.push_back(iLine.substr(lStart));
}

// The cells of a line, trimmed, quotes kept; separators inside quotes do not split. A ' '
// separator stands for runs of blanks.
void Split(std::string_view iLine, char iSeparator, std::vector<std::string_view>& oCells) {
  oCells.clear();
  if (iSeparator == ' ') return SplitBlanks(iLine, oCells);
  bool lQuoted = false;
  size_t lStart = 0;
  for (size_t i = 0; i < iLine.size(); ++i) {
    if (iLine[i] == '"') {
      lQuoted = !lQuoted;
    } else if (iLine[i] == iSeparator && !lQuoted) {
      oCells.push_back(Trim(iLine.substr(lStart, i - lStart), iSeparator));
      lStart = i + 1;
    }
  }
  oCells.push_back(Trim(iLine.substr(lStart), iSeparator));
}

// A number cell without its quotes.
std::string_view Unquote(std::string_view iCell, char iSeparator) {
  if (iCell.size() >= 2 && iCell.front() == '"' && iCell.back() == '"')
    return Trim(iCell.substr(1, iCell.size() - 2), iSeparator);
  return iCell;
}

// A header cell without its quotes, doubled quotes undone.
std::string Name(std::string_view iCell) {
  if (iCell.size() < 2 || iCell.front() != '"' || iCell.back() != '"') return std::string(iCell);
  std::string lName;
  for (size_t i = 1; i + 1 < iCell.size(); ++i) {
    lName += iCell[i];
    if (iCell[i] == '"' && i + 2 < iCell.size() && iCell[i + 1] == '"') ++i;
  }
  return lName;
}

// A cell for messages: printable, at most about 40 characters.
std::string Shown(std::string_view iText) { return MessageText::Excerpt(iText, 40, false); }

// A number too large or too small for a double becomes an infinity or zero, as it is meant:
// the decimal magnitude of the digits and the exponent decide which.
double OutOfRange(std::string_view iText) {
  const bool lNegative = !iText.empty() && iText.front() == '-';
  size_t i = (!iText.empty() && (iText.front() == '-' || iText.front() == '+')) ? 1 : 0;
  while (i < iText.size() && iText[i] == '0') ++i;
  long long lMagnitude = 0;
  while (i < iText.size() && iText[i] >= '0' && iText[i] <= '9') ++i, ++lMagnitude;
  if (i < iText.size() && iText[i] == '.') {
    ++i;
    if (lMagnitude == 0) {
      while (i < iText.size() && iText[i] == '0') ++i, --lMagnitude;
    }
    while (i < iText.size() && iText[i] >= '0' && iText[i] <= '9') ++i;
  }
  if (i < iText.size() && (iText[i] == 'e' || iText[i] == 'E')) {
    ++i;
    const bool lDown = i < iText.size() && iText[i] == '-';
    if (i < iText.size() && (iText[i] == '-' || iText[i] == '+')) ++i;
    long long lExponent = 0;
    while (i < iText.size() && iText[i] >= '0' && iText[i] <= '9') {
      if (lExponent < 1000000) lExponent = lExponent * 10 + (iText[i] - '0');
      ++i;
    }
    lMagnitude += lDown ? -lExponent : lExponent;
  }
  const double lValue = lMagnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return lNegative ? -lValue : lValue;
}

// A decimal number in the C locale's form, "nan" or "inf"; empty is a missing value (NaN).
bool ParseNumber(std::string_view iText, double& oValue) {
  if (iText.empty()) {
    oValue = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  const char* lBegin = iText.data();
  const char* lEnd = lBegin + iText.size();
  if (*lBegin == '+') {
    ++lBegin;
    if (lBegin == lEnd || *lBegin == '-' || *lBegin == '+') return false;
  }
  double lValue = 0.0;
  const std::from_chars_result lResult = std::from_chars(lBegin, lEnd, lValue);
  if (lResult.ptr != lEnd) return false;
  if (lResult.ec == std::errc::result_out_of_range) {
    oValue = OutOfRange(iText);
    return true;
  }
  if (lResult.ec != std::errc()) return false;
  oValue = lValue;
  return true;
}

const size_t kMaxNamesShown = 12;

// Where a load looks at its stop flag: every this many lines, so that looking costs nothing
// against the lines' reading.
const unsigned long long kStopLines = 4096;
thread_local const std::atomic<bool>* tStop = nullptr;

// True with oError when the load of iName is to stop at its line iLine.
bool IsStopped(unsigned long long iLine, const std::string& iName, std::string& oError) {
  if (iLine % kStopLines != 0 || !tStop || !tStop->load(std::memory_order_relaxed)) return false;
  oError = iName + ": loading stopped";
  return true;
}

const std::string_view kByteOrderMark("\xEF\xBB\xBF");

// How much of the start of a text is looked at for bytes that no text holds.
const size_t kTextLook = 64 * 1024;

// The first iMost bytes of the file on iFd, fewer when it is shorter or cannot be read (the reading
// of its lines then says why).
std::string Head(int iFd, size_t iMost) {
  std::string lHead(iMost, '\0');
  size_t lDone = 0;
  while (lDone < iMost) {
    const ssize_t lRead = ::pread(iFd, &lHead[lDone], iMost - lDone, static_cast<off_t>(lDone));
    if (lRead < 0 && errno == EINTR) continue;
    if (lRead <= 0) break;
    lDone += static_cast<size_t>(lRead);
  }
  lHead.resize(lDone);
  return lHead;
}

// The offset in iHead of the first byte that no text holds: a NUL or another control byte than a
// tab, a line end or a form feed; npos when there is none. Bytes above 0x7f are text: files of
// test benches are often in an 8-bit encoding ("\xb0C" for degrees in Latin-1), not UTF-8.
size_t FirstBinaryByte(std::string_view iHead) {
  for (size_t i = 0; i < iHead.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(iHead[i]);
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7f) return i;
  }
  return std::string_view::npos;
}

bool IsComment(std::string_view iLine) {
  const size_t lFirst = iLine.find_first_not_of(" \t");
  return lFirst != std::string_view::npos && iLine[lFirst] == '#';
}

// gnuplot's and many loggers' habit: .dat and .txt files separate their cells by blanks.
// Standard input is read alike: text piped from a program is as often one as the other.
bool HasBlankSeparatedName(const std::string& iName) {
  return FileName::HasExtension(iName, ".dat") || FileName::HasExtension(iName, ".txt") ||
         iName == StandardInput::kName;
}

// True when every cell is a number and at least one is not empty: a row of data, not a header.
bool IsDataRow(const std::vector<std::string_view>& iCells, char iSeparator) {
  bool lAny = false;
  for (std::string_view lCell : iCells) {
    const std::string_view lText = Unquote(lCell, iSeparator);
    double lValue = 0.0;
    if (!ParseNumber(lText, lValue)) return false;
    lAny |= !lText.empty();
  }
  return lAny;
}

}  // namespace

bool CsvFile::Read(const FileDescriptor& iFile, const std::string& iName, std::string& oError) {
  _Name = iName;
  _Fd = iFile.Get();
  _Size = iFile.GetSize();
  _Text.clear();
  return Start(oError);
}

bool CsvFile::Parse(std::string iText, const std::string& iName, std::string& oError) {
  _Name = iName;
  _Fd = -1;
  _Text = std::move(iText);
  _Size = _Text.size();
  return Start(oError);
}

bool CsvFile::Start(std::string& oError) {
  _Names.clear();
  _Header = _Named = _Trailing = false;
  _Separator = ',';
  try {
    // Binary data split at its line ends would make columns of nonsense.
    const std::string lRead = _Fd >= 0 ? Head(_Fd, static_cast<size_t>(std::min<unsigned long long>(_Size, kTextLook)))
                                       : std::string();
    const std::string_view lHead = _Fd >= 0 ? std::string_view(lRead) : std::string_view(_Text).substr(0, kTextLook);
    const size_t lBinary = FirstBinaryByte(lHead);
    if (lBinary != std::string_view::npos) {
      oError = _Name + ": binary data, not text (byte " + std::to_string(lBinary) + " is " +
               MessageText::Excerpt(lHead.substr(lBinary, 1), 1, true) + "): give CSV or blank-separated text, or .npy";
      return false;
    }
    TextLines lLines(_Fd, _Text, 0);
    std::string_view lLine;
    unsigned long long lNumber = 0, lStart = 0;
    bool lBlankFirst = false, lFound = false, lCommented = false;
    std::string lComment;  // the last comment line above the first row, without its '#'
    while (!lFound) {
      lStart = lLines.GetPosition();
      if (!lLines.Next(lLine)) break;
      if (++lNumber == 1 && lLine.substr(0, 3) == kByteOrderMark) {
        lLine.remove_prefix(3);
        lStart += 3;
      }
      if (IsBlankLine(lLine, ',')) {
        lBlankFirst |= lNumber == 1;
        continue;
      }
      if (lBlankFirst) {
        oError = _Name + ": line 1 is empty: a header row naming the columns is needed";
        return false;
      }
      if (IsComment(lLine)) {
        lComment.assign(lLine.substr(lLine.find('#') + 1));
        lCommented = true;
      } else {
        lFound = true;
      }
    }
    if (lLines.GetErrno() != 0) {
      oError = MessageText::SystemError(_Name, "cannot read", lLines.GetErrno());
      return false;
    }
    if (!lFound) {
      oError = _Name + (lCommented ? ": no data rows, only comments" : ": empty file");
      return false;
    }
    // The first separator the first row uses outside quotes, in order of preference.
    bool lQuoted = false, lComma = false, lSemicolon = false, lTab = false;
    for (char c : lLine) {
      if (c == '"') lQuoted = !lQuoted;
      if (lQuoted) continue;
      lComma |= c == ',';
      lSemicolon |= c == ';';
      lTab |= c == '\t';
    }
    if (HasBlankSeparatedName(_Name) && !lComma && !lSemicolon)
      _Separator = ' ';
    else
      _Separator = lComma ? ',' : lSemicolon ? ';' : lTab ? '\t' : ',';
    std::vector<std::string_view> lCells;
    Split(lLine, _Separator, lCells);
    if (lCells.size() > UINT_MAX) {
      oError = _Name + ": too large: more than 4294967295 columns";
      return false;
    }
    _Header = !IsDataRow(lCells, _Separator);
    _Body = _Header ? lLines.GetPosition() : lStart;
    _BodyLine = _Header ? lNumber + 1 : lNumber;
    if (!_Header && lCommented) {
      // A commented header names the columns when it has one name per cell.
      const size_t lColumns = lCells.size();
      Split(lComment, _Separator, lCells);
      _Named = lCells.size() == lColumns;
      if (!_Named) lCells.resize(lColumns);
    }
    _Named |= _Header;
    for (size_t i = 0; i < lCells.size(); ++i) _Names.push_back(_Named ? Name(lCells[i]) : std::to_string(i));
    // A separator ending every line makes a last column without a name and without a value: not a
    // column, so that a one-column file written so needs no column chosen.
    if (_Separator != ' ' && _Names.size() > 1 && (!_Named || _Names.back().empty())) {
      if (!EndsEmpty(_Trailing, oError)) return false;
      if (_Trailing) _Names.pop_back();
    }
    return true;
  } catch (const std::bad_alloc&) {
    _Names.clear();
    oError = MessageText::OutOfMemory(_Name, _Size);
    return false;
  }
}

bool CsvFile::EndsEmpty(bool& oEmpty, std::string& oError) const {
  oEmpty = false;
  const size_t lColumns = _Names.size();
  std::vector<std::string_view> lCells;
  std::string_view lText;
  unsigned long long lLine = _BodyLine - 1;
  TextLines lLines(_Fd, _Text, _Body);
  while (lLines.Next(lText)) {
    if (IsStopped(++lLine, _Name, oError)) return false;
    if (IsComment(lText) || IsBlankLine(lText, _Separator)) continue;
    Split(lText, _Separator, lCells);
    // Lines of another length are the load's to report.
    if (lCells.size() == lColumns && !Unquote(lCells.back(), _Separator).empty()) return true;
  }
  if (lLines.GetErrno() != 0) {
    oError = MessageText::SystemError(_Name, "cannot read", lLines.GetErrno());
    return false;
  }
  oEmpty = true;
  return true;
}

std::string CsvFile::NameList() const {
  std::string lList;
  for (size_t i = 0; i < _Names.size() && i < kMaxNamesShown; ++i) {
    if (i) lList += ", ";
    lList += _Names[i].empty() ? std::string("(unnamed)") : Shown(_Names[i]);
  }
  if (_Names.size() > kMaxNamesShown) lList += ", ... " + std::to_string(_Names.size()) + " in all";
  return lList;
}

std::string CsvFile::ColumnLabel(unsigned int iColumn) const {
  if (_Named && iColumn < _Names.size() && !_Names[iColumn].empty()) return "'" + Shown(_Names[iColumn]) + "'";
  return std::to_string(iColumn);
}

bool CsvFile::FindColumn(const std::string& iColumn, unsigned int& oIndex, std::string& oError) const {
  for (size_t i = 0; i < _Names.size(); ++i) {
    if (_Names[i] == iColumn) {
      oIndex = static_cast<unsigned int>(i);
      return true;
    }
  }
  unsigned long long lIndex = 0;
  if (ColumnIndex::Parse(iColumn, lIndex)) {
    if (lIndex < _Names.size()) {
      oIndex = static_cast<unsigned int>(lIndex);
      return true;
    }
    oError = _Name + ": no column " + iColumn + " (" + std::to_string(_Names.size()) +
             (_Names.size() == 1 ? " column: " : " columns: ") + NameList() + ")";
    return false;
  }
  oError = _Name + ": no column '" + Shown(iColumn) + "' (columns: " + NameList() + ")";
  return false;
}

void CsvFile::StopOnThisThread(const std::atomic<bool>* iStop) { tStop = iStop; }

NumericArray* CsvFile::LoadColumn(unsigned int iColumn, std::string& oError) const {
  if (iColumn >= _Names.size()) {
    oError = _Name + ": no column " + std::to_string(iColumn) + " (columns: " + NameList() + ")";
    return nullptr;
  }
  return Load(iColumn, iColumn, false, oError);
}

NumericArray* CsvFile::LoadMatrix(std::string& oError) const {
  if (_Names.empty()) {
    oError = _Name + ": no columns";
    return nullptr;
  }
  return Load(0, static_cast<unsigned int>(_Names.size() - 1), true, oError);
}

NumericArray* CsvFile::Load(unsigned int iFirst, unsigned int iLast, bool iMatrix, std::string& oError) const {
  unsigned long long lNeeded = _Size;
  try {
    return Rows(iFirst, iLast, iMatrix, lNeeded, oError);
  } catch (const std::bad_alloc&) {
    oError = MessageText::OutOfMemory(_Name, lNeeded);
    return nullptr;
  }
}

NumericArray* CsvFile::Rows(unsigned int iFirst, unsigned int iLast, bool iMatrix, unsigned long long& oNeeded,
                            std::string& oError) const {
  const size_t lColumns = _Names.size();
  const unsigned int lKept = iLast - iFirst + 1;
  std::string_view lText;
  // The rows are counted first, so that the values are held once and without a vector's doubling.
  // A row takes a line and at least a byte per cell (its separators and line end).
  unsigned long long lRowsAtMost = 0;
  {
    TextLines lCounter(_Fd, _Text, _Body);
    while (lCounter.Next(lText)) {
      if (IsStopped(lRowsAtMost++, _Name, oError)) return nullptr;
    }
    if (lCounter.GetErrno() != 0) {
      oError = MessageText::SystemError(_Name, "cannot read", lCounter.GetErrno());
      return nullptr;
    }
    const unsigned long long lBytes = lCounter.GetPosition() - _Body + 1;
    if (lRowsAtMost > lBytes / lColumns) lRowsAtMost = lBytes / lColumns;
  }
  std::vector<double> lValues;
  const bool lFits = lRowsAtMost <= lValues.max_size() / lKept;
  oNeeded = lFits ? lRowsAtMost * lKept * sizeof(double) : std::numeric_limits<unsigned long long>::max();
  if (!lFits) {
    oError = MessageText::OutOfMemory(_Name, oNeeded);
    return nullptr;
  }
  lValues.reserve(static_cast<size_t>(lRowsAtMost * lKept));

  const std::string lFirst = _Header ? "the header" : "the first row";
  std::vector<std::string_view> lCells;
  unsigned long long lRows = 0;
  // Empty lines count as rows only when data follows: in a one-column file they are missing
  // values, elsewhere an error; at the end of the file they are ignored. Blank-separated files
  // have no empty cells: there they part blocks of data (gnuplot's habit) and are skipped.
  unsigned long long lEmpty = 0, lFirstEmpty = 0;
  unsigned long long lLine = _BodyLine - 1;
  TextLines lLinesRead(_Fd, _Text, _Body);
  while (lLinesRead.Next(lText)) {
    if (IsStopped(++lLine, _Name, oError)) return nullptr;
    if (IsComment(lText) || (_Separator == ' ' && IsBlankLine(lText, _Separator))) continue;
    if (IsBlankLine(lText, _Separator)) {
      if (lEmpty++ == 0) lFirstEmpty = lLine;
      continue;
    }
    if (lEmpty) {
      if (lColumns != 1) {
        oError = _Name + ": line " + std::to_string(lFirstEmpty) + " is empty, " + lFirst + " has " +
                 std::to_string(lColumns) + " cells";
        return nullptr;
      }
      lValues.insert(lValues.end(), lEmpty, std::numeric_limits<double>::quiet_NaN());
      lRows += lEmpty;
      lEmpty = 0;
    }
    Split(lText, _Separator, lCells);
    if (_Trailing && lCells.size() == lColumns + 1 && Unquote(lCells.back(), _Separator).empty()) lCells.pop_back();
    if (lCells.size() != lColumns) {
      oError = _Name + ": line " + std::to_string(lLine) + " has " + std::to_string(lCells.size()) +
               (lCells.size() == 1 ? " cell" : " cells") + ", " + lFirst + " has " + std::to_string(lColumns);
      return nullptr;
    }
    for (size_t c = iFirst; c <= iLast; ++c) {
      const std::string_view lCell = Unquote(lCells[c], _Separator);
      double lValue = 0.0;
      if (!ParseNumber(lCell, lValue)) {
        oError = _Name + ": line " + std::to_string(lLine) + ", column " + ColumnLabel(static_cast<unsigned int>(c)) +
                 ": '" + Shown(lCell) + "' is not a number";
        if (_Separator != ',' && lCell.find(',') != std::string_view::npos) oError += " (the decimal mark must be '.')";
        return nullptr;
      }
      lValues.push_back(lValue);
    }
    ++lRows;
  }
  if (lLinesRead.GetErrno() != 0) {
    oError = MessageText::SystemError(_Name, "cannot read", lLinesRead.GetErrno());
    return nullptr;
  }
  if (lRows == 0) {
    oError = _Name + ": no data rows below the header";
    return nullptr;
  }
  if (lRows > UINT_MAX) {
    oError = _Name + ": too large: more than 4294967295 data rows";
    return nullptr;
  }
  NumericArray* lArray = NumericArray::FromValues(std::move(lValues), static_cast<unsigned int>(lRows), lKept, iMatrix);
  if (!lArray) oError = MessageText::OutOfMemory(_Name, oNeeded);
  return lArray;
}
