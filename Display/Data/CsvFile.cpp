#include "CsvFile.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

#include "MessageText.h"
#include "NumericArray.h"

namespace {

bool IsBlank(char c, char iSeparator) { return c == ' ' || (c == '\t' && iSeparator != '\t') || c == '\r'; }

std::string_view Trim(std::string_view iText, char iSeparator) {
  while (!iText.empty() && IsBlank(iText.front(), iSeparator)) iText.remove_prefix(1);
  while (!iText.empty() && IsBlank(iText.back(), iSeparator)) iText.remove_suffix(1);
  return iText;
}

bool IsBlankLine(std::string_view iLine, char iSeparator) { return Trim(iLine, iSeparator).empty(); }

// The cells of a line, trimmed, quotes kept; separators inside quotes do not split.
void Split(std::string_view iLine, char iSeparator, std::vector<std::string_view>& oCells) {
  oCells.clear();
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

}  // namespace

bool CsvFile::Read(int iFd, const std::string& iName, std::string& oError) {
  std::string lText;
  char lBuffer[65536];
  for (;;) {
    const ssize_t lRead = ::read(iFd, lBuffer, sizeof(lBuffer));
    if (lRead < 0) {
      if (errno == EINTR) continue;
      oError = iName + ": cannot read: " + std::generic_category().message(errno);
      return false;
    }
    if (lRead == 0) break;
    lText.append(lBuffer, static_cast<size_t>(lRead));
  }
  return Parse(std::move(lText), iName, oError);
}

bool CsvFile::Parse(std::string iText, const std::string& iName, std::string& oError) {
  _Name = iName;
  _Text = std::move(iText);
  _Names.clear();
  _Separator = ',';
  size_t lStart = 0;
  if (_Text.compare(0, 3, "\xEF\xBB\xBF") == 0) lStart = 3;
  if (_Text.find_first_not_of(" \t\r\n", lStart) == std::string::npos) {
    oError = _Name + ": empty file";
    return false;
  }
  size_t lEnd = _Text.find('\n', lStart);
  if (lEnd == std::string::npos) lEnd = _Text.size();
  _Body = lEnd < _Text.size() ? lEnd + 1 : lEnd;
  const std::string_view lHeader(_Text.data() + lStart, lEnd - lStart);
  if (IsBlankLine(lHeader, ',')) {
    oError = _Name + ": line 1 is empty: a header row naming the columns is needed";
    return false;
  }
  // The first separator the header uses outside quotes, in order of preference.
  bool lQuoted = false, lComma = false, lSemicolon = false, lTab = false;
  for (char c : lHeader) {
    if (c == '"') lQuoted = !lQuoted;
    if (lQuoted) continue;
    lComma |= c == ',';
    lSemicolon |= c == ';';
    lTab |= c == '\t';
  }
  _Separator = lComma ? ',' : lSemicolon ? ';' : lTab ? '\t' : ',';
  std::vector<std::string_view> lCells;
  Split(lHeader, _Separator, lCells);
  if (lCells.size() > UINT_MAX) {
    oError = _Name + ": too large: more than 4294967295 columns";
    return false;
  }
  for (std::string_view lCell : lCells) _Names.push_back(Name(lCell));
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
  if (iColumn < _Names.size() && !_Names[iColumn].empty()) return "'" + Shown(_Names[iColumn]) + "'";
  return std::to_string(iColumn);
}

bool CsvFile::FindColumn(const std::string& iColumn, unsigned int& oIndex, std::string& oError) const {
  for (size_t i = 0; i < _Names.size(); ++i) {
    if (_Names[i] == iColumn) {
      oIndex = static_cast<unsigned int>(i);
      return true;
    }
  }
  const bool lNumber = !iColumn.empty() && iColumn.size() <= 10 &&
                       iColumn.find_first_not_of("0123456789") == std::string::npos;
  if (lNumber) {
    unsigned long long lIndex = 0;
    for (char c : iColumn) lIndex = lIndex * 10 + static_cast<unsigned>(c - '0');
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

NumericArray* CsvFile::LoadColumn(unsigned int iColumn, std::string& oError) const {
  if (iColumn >= _Names.size()) {
    oError = _Name + ": no column " + std::to_string(iColumn) + " (columns: " + NameList() + ")";
    return nullptr;
  }
  return Load(false, iColumn, oError);
}

NumericArray* CsvFile::LoadMatrix(std::string& oError) const { return Load(true, 0, oError); }

NumericArray* CsvFile::Load(bool iAll, unsigned int iColumn, std::string& oError) const {
  const size_t lColumns = _Names.size();
  std::vector<double> lValues;
  std::vector<std::string_view> lCells;
  unsigned long long lRows = 0;
  // Empty lines count as rows only when data follows: in a one-column file they are missing
  // values, elsewhere an error; at the end of the file they are ignored.
  unsigned long long lEmpty = 0, lFirstEmpty = 0;
  unsigned long long lLine = 1;
  for (size_t lPos = _Body; lPos < _Text.size();) {
    size_t lEnd = _Text.find('\n', lPos);
    if (lEnd == std::string::npos) lEnd = _Text.size();
    std::string_view lText(_Text.data() + lPos, lEnd - lPos);
    lPos = lEnd + 1;
    ++lLine;
    if (IsBlankLine(lText, _Separator)) {
      if (lEmpty++ == 0) lFirstEmpty = lLine;
      continue;
    }
    if (lEmpty) {
      if (lColumns != 1) {
        oError = _Name + ": line " + std::to_string(lFirstEmpty) + " is empty, the header has " +
                 std::to_string(lColumns) + " cells";
        return nullptr;
      }
      lValues.insert(lValues.end(), lEmpty, std::numeric_limits<double>::quiet_NaN());
      lRows += lEmpty;
      lEmpty = 0;
    }
    Split(lText, _Separator, lCells);
    if (lCells.size() != lColumns) {
      oError = _Name + ": line " + std::to_string(lLine) + " has " + std::to_string(lCells.size()) +
               (lCells.size() == 1 ? " cell" : " cells") + ", the header has " + std::to_string(lColumns);
      return nullptr;
    }
    for (size_t c = iAll ? 0 : iColumn; c < (iAll ? lColumns : iColumn + 1); ++c) {
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
  if (lRows == 0) {
    oError = _Name + ": no data rows below the header";
    return nullptr;
  }
  if (lRows > UINT_MAX) {
    oError = _Name + ": too large: more than 4294967295 data rows";
    return nullptr;
  }
  const unsigned int lCount = iAll ? static_cast<unsigned int>(lColumns) : 1u;
  NumericArray* lArray = NumericArray::FromValues(std::move(lValues), static_cast<unsigned int>(lRows), lCount, iAll);
  if (!lArray) oError = _Name + ": out of memory";
  return lArray;
}
