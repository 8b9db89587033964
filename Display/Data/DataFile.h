// Loading of measured data named on the command line: NumPy .npy files (the extension decides,
// in any case), measurement files (HDF5, MATLAB .mat, sound files: their extension or first bytes
// decide) and CSV or blank-separated text files (any other file, and standard input named "-",
// read as a file is: see StandardInput). Errors are one line,
// "<path>: <what is wrong>", with the path as the user gave it; running out of memory is one of
// them, never an exception. Owns nothing; static functions only.
#ifndef DataFile_H
#define DataFile_H

#include <string>
#include <vector>

#include "DataAxis.h"
#include "DataEntry.h"

class NumericArray;

class DataFile {
 public:
  // iSpec is "PATH" or "PATH:COLUMN". COLUMN names a CSV column by its header, else by its number
  // from 0; on a 2-D .npy it is the number of a column of the matrix. Without COLUMN a .npy must
  // be 1-D or 2-D with one row or one column, and a CSV must have exactly one column. A 1-D array
  // with one reference; null with oError.
  static NumericArray* LoadVector(const std::string& iSpec, std::string& oError);
  // In a measurement file, COLUMN is NAME or NAME:COLUMN: a dataset (/bench/speed, the leading
  // '/' optional), a MATLAB variable or struct field (bench.speed), a sound channel (from 1);
  // COLUMN a column of a 2-D one, from 0. A file holding one such thing needs no name; a name
  // that is not there is told with the closest ones.
  // The same, and the vector's name in oName: a CSV column's header name (its number when the
  // file has none), a .npy column's number, a dataset's or variable's last name, the file's stem
  // for a whole file. oX, when given, receives the X the file brings for the vector (a sound
  // file's sample rate, the dimension scale of an HDF5 dataset), else is left alone.
  static NumericArray* LoadVector(const std::string& iSpec, std::string& oError, std::string& oName);
  static NumericArray* LoadVector(const std::string& iSpec, std::string& oError, std::string& oName, DataAxis* oX);
  // A 2-D .npy, every column of a CSV (its data rows are the matrix's rows), or the 2-D dataset
  // or variable of a measurement file that "PATH:NAME" names. oX and oZ, when given, receive the
  // axes the file brings for the columns and the rows. A matrix with one reference; null with
  // oError.
  static NumericArray* LoadMatrix(const std::string& iSpec, std::string& oError);
  static NumericArray* LoadMatrix(const std::string& iSpec, std::string& oError, DataAxis* oX, DataAxis* oZ);
  // True when iSpec names an HDF5 file (MATLAB 7.3 included), whose datasets may bring their
  // axes as dimension scales.
  static bool BringsAxes(const std::string& iSpec);
  // What the file holds, for a listing: the datasets, variables or channels of a measurement
  // file, the one array of a .npy, the columns of a text file. False with oError.
  static bool List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError);

  // Splits iArgument at the ':' before COLUMN. An argument naming an existing file as a whole is
  // a path (file names may hold ':'), as is a prefix naming one; otherwise the last ':' splits.
  static void SplitSpec(const std::string& iArgument, std::string& oPath, std::string& oColumn, bool& oHasColumn);
  // The name of a file without folder and extension.
  static std::string Stem(const std::string& iPath);
};

#endif
