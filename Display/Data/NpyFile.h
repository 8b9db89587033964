// Reader of NumPy .npy files: format versions 1.0, 2.0 and 3.0 holding a 1-D or 2-D array of
// float64, float32 or integers of 8 to 64 bits, signed or not, in C order and in either byte
// order. The values are not read: the array handed out maps the file and converts them as they
// are read. Owns nothing; static functions only.
#ifndef NpyFile_H
#define NpyFile_H

#include <cstddef>
#include <string>

#include "NumericArray.h"

class FileDescriptor;

class NpyFile {
 public:
  // What a header announces.
  struct Layout {
    int _Dimensions = 0;     // 1 or 2
    unsigned int _Rows = 0;  // the length of a 1-D array
    unsigned int _Columns = 0;  // 1 for a 1-D array
    NumericArray::Stored _Stored = NumericArray::Stored::Float64;
    bool _Swapped = false;  // stored in the other byte order than the machine's
    size_t _DataOffset = 0;  // of the first value, in bytes from the start of the file
  };

  // Reads the header of a file whose first iSize bytes are at iBytes and checks that the values
  // it announces follow in full (extra bytes after them are allowed). False with oWhat saying
  // what is wrong (without the file's name) when the file cannot be read as an array.
  static bool ReadHeader(const unsigned char* iBytes, size_t iSize, Layout& oLayout, std::string& oWhat);

  // The array of the open .npy file, with one reference; a 2-D array of one row or one column
  // comes back 1-D when iFlatten. Null with oError "<iName>: <what is wrong>". The file may be
  // closed afterwards.
  static NumericArray* Load(const FileDescriptor& iFile, const std::string& iName, bool iFlatten, std::string& oError);
};

#endif
