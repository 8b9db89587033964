// Loading of measured data named on the command line: NumPy .npy files (the extension decides,
// in any case) and CSV or blank-separated text files (any other name, and standard input named
// "-", read as a file is: see StandardInput). Errors are one line,
// "<path>: <what is wrong>", with the path as the user gave it; running out of memory is one of
// them, never an exception. Owns nothing; static functions only.
#ifndef DataFile_H
#define DataFile_H

#include <string>

class NumericArray;

class DataFile {
 public:
  // iSpec is "PATH" or "PATH:COLUMN". COLUMN names a CSV column by its header, else by its number
  // from 0; on a 2-D .npy it is the number of a column of the matrix. Without COLUMN a .npy must
  // be 1-D or 2-D with one row or one column, and a CSV must have exactly one column. A 1-D array
  // with one reference; null with oError.
  static NumericArray* LoadVector(const std::string& iSpec, std::string& oError);
  // The same, and the vector's name in oName: a CSV column's header name (its number when the
  // file has none), a .npy column's number, the file's stem for a whole file.
  static NumericArray* LoadVector(const std::string& iSpec, std::string& oError, std::string& oName);
  // A 2-D .npy, or every column of a CSV (its data rows are the matrix's rows). A matrix with one
  // reference; null with oError.
  static NumericArray* LoadMatrix(const std::string& iPath, std::string& oError);

  // Splits iArgument at the ':' before COLUMN. An argument naming an existing file as a whole is
  // a path (file names may hold ':'), as is a prefix naming one; otherwise the last ':' splits.
  static void SplitSpec(const std::string& iArgument, std::string& oPath, std::string& oColumn, bool& oHasColumn);
  // The name of a file without folder and extension.
  static std::string Stem(const std::string& iPath);
};

#endif
