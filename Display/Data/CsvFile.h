// A text file of measured numbers, one row per line. A header row names the columns unless every
// cell of the first row is a number: then the columns are named by their numbers from 0, or by
// the last comment line above the first row when it has as many cells ("# a,b", as NumPy's
// savetxt writes). Lines starting with '#' are comments. The separator is the first row's: a
// comma, else a semicolon, else a tab (a row without any of them is a single column); in a .dat
// or .txt file (or standard input) without commas or semicolons, runs of spaces and tabs separate the cells, and
// empty lines, which part blocks of data there, are skipped. Cells may be quoted and padded with
// spaces; an empty cell is a missing measurement (NaN); numbers are read alike whatever the
// process locale; "nan" and "inf" are numbers. A UTF-8 byte order mark, CRLF line ends, empty
// lines at the end and a separator at the end of every line are allowed. A file whose start holds
// a NUL, another control byte or bytes that are not UTF-8 is refused as binary data.
// The file is read in blocks each time columns are loaded: only the values kept are held, 8 bytes
// a value. Values carry the file's units.
#ifndef CsvFile_H
#define CsvFile_H

#include <atomic>
#include <string>
#include <vector>

class FileDescriptor;
class NumericArray;

class CsvFile {
 public:
  // Reads the open file up to its first row; iName names the file in messages, and its extension
  // chooses blank-separated cells. The file must stay open while columns are loaded. False with
  // oError "<iName>: <what is wrong>".
  bool Read(const FileDescriptor& iFile, const std::string& iName, std::string& oError);
  // The same for a text in memory, which the file keeps.
  bool Parse(std::string iText, const std::string& iName, std::string& oError);

  // The names of the columns: the header's, else the column numbers.
  const std::vector<std::string>& GetNames() const { return _Names; }
  // ',', ';', '\t', or ' ' for runs of blanks.
  char GetSeparator() const { return _Separator; }
  // The names of the columns, comma separated (long lists are cut), for messages.
  std::string NameList() const;

  // The column named iColumn, else the one numbered so from 0; false with oError.
  bool FindColumn(const std::string& iColumn, unsigned int& oIndex, std::string& oError) const;
  // Column iColumn, one value per data row, as a 1-D array with one reference; null with oError
  // (a ragged line, a cell of that column that is not a number, a read error, out of memory).
  NumericArray* LoadColumn(unsigned int iColumn, std::string& oError) const;
  // Every column: data rows x columns, as a matrix with one reference; null with oError.
  NumericArray* LoadMatrix(std::string& oError) const;

  // Loading on the calling thread stops once *iStop is true (looked at every few thousand lines):
  // the load gives null with oError "<name>: loading stopped". Null: it runs to its end. The flag
  // must outlive the loads.
  static void StopOnThisThread(const std::atomic<bool>* iStop);

 private:
  bool Start(std::string& oError);
  // Columns iFirst to iLast of every data row, row by row, as an array of that many columns
  // (a matrix when iMatrix, else 1-D); null with oError.
  NumericArray* Load(unsigned int iFirst, unsigned int iLast, bool iMatrix, std::string& oError) const;
  NumericArray* Rows(unsigned int iFirst, unsigned int iLast, bool iMatrix, unsigned long long& oNeeded,
                     std::string& oError) const;
  std::string ColumnLabel(unsigned int iColumn) const;
  // Whether every data row of as many cells as there are columns has an empty last cell; false
  // with oError when the file cannot be read or the look was stopped.
  bool EndsEmpty(bool& oEmpty, std::string& oError) const;

  std::string _Name;
  int _Fd = -1;                 // the file, else _Text
  unsigned long long _Size = 0;  // bytes of the file or text
  std::string _Text;
  unsigned long long _Body = 0;      // where the first row starts
  unsigned long long _BodyLine = 1;  // its line number
  bool _Header = false;  // the first row is a header row
  bool _Named = false;   // the columns have names, from a header row or comment
  bool _Trailing = false;  // every line ends with a separator, which makes no column
  char _Separator = ',';
  std::vector<std::string> _Names;
};

#endif
