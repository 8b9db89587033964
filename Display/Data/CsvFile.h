// A CSV file of measured numbers: a header row naming the columns, then one row of numbers per
// line. The separator is the header's: a comma, else a semicolon, else a tab (a header without
// any of them names a single column). Cells may be quoted and padded with spaces; an empty cell
// is a missing measurement (NaN); numbers are read alike whatever the process locale; "nan" and
// "inf" are numbers. A UTF-8 byte order mark, CRLF line ends and empty lines at the end are
// allowed. Owns the file's text while it is read; values carry the file's units.
#ifndef CsvFile_H
#define CsvFile_H

#include <string>
#include <vector>

class NumericArray;

class CsvFile {
 public:
  // Reads the file open on iFd to its end and parses its header; iName names the file in
  // messages. False with oError "<iName>: <what is wrong>".
  bool Read(int iFd, const std::string& iName, std::string& oError);
  // The same for a text already in memory.
  bool Parse(std::string iText, const std::string& iName, std::string& oError);

  const std::vector<std::string>& GetNames() const { return _Names; }
  char GetSeparator() const { return _Separator; }
  // The names of the columns, comma separated (long lists are cut), for messages.
  std::string NameList() const;

  // The column named iColumn, else the one numbered so from 0; false with oError.
  bool FindColumn(const std::string& iColumn, unsigned int& oIndex, std::string& oError) const;
  // Column iColumn, one value per data row, as a 1-D array with one reference; null with oError
  // (a ragged line or a cell of that column that is not a number).
  NumericArray* LoadColumn(unsigned int iColumn, std::string& oError) const;
  // Every column: data rows x columns, as a matrix with one reference; null with oError.
  NumericArray* LoadMatrix(std::string& oError) const;

 private:
  NumericArray* Load(bool iAll, unsigned int iColumn, std::string& oError) const;
  std::string ColumnLabel(unsigned int iColumn) const;

  std::string _Name;
  std::string _Text;
  size_t _Body = 0;  // where the line below the header starts
  char _Separator = ',';
  std::vector<std::string> _Names;
};

#endif
