// Reader of MATLAB .mat files of versions 4 and 5 (compressed too) through matio: numeric
// variables and fields of 1 x 1 structs (bench.speed), real, 1-D or 2-D. A variable is decoded
// once, in its stored type, and the array handed out reads it there (column by column, as MATLAB
// lays it out): nothing is held twice. Version 7.3 files are HDF5 files, read by Hdf5File. The
// library's messages are silenced; its failures become one line naming the file. Owns nothing;
// static functions only.
#ifndef MatFile_H
#define MatFile_H

#include <string>
#include <vector>

#include "DataEntry.h"

class NumericArray;

class MatFile {
 public:
  // The variables and struct fields of the file. False with oError "<iPath>: ...".
  static bool List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError);
  // The variable or field iName, with one reference; one row or one column comes back 1-D when
  // iFlatten. Null with oError.
  static NumericArray* Load(const std::string& iPath, const std::string& iName, bool iFlatten, std::string& oError);
};

#endif
