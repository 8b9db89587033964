// Reader of HDF5 files (and MATLAB 7.3 files, which are HDF5 files) through the HDF5 C library:
// 1-D and 2-D datasets of floats or integers of any size the machine has, in either byte order.
// A contiguous, unfiltered dataset is not read: the array handed out maps the file at the offset
// the library reports and converts values as they are read. Chunked and filtered datasets are
// decoded by the library chunk by chunk straight into the doubles kept. The library's own error
// printing is switched off; its failures become one line naming the file. The library is not
// thread-safe, so every call into it is serialised here. Owns nothing; static functions only.
#ifndef Hdf5File_H
#define Hdf5File_H

#include <string>
#include <vector>

#include "DataAxis.h"
#include "DataEntry.h"

class NumericArray;

class Hdf5File {
 public:
  // True when iPath is an HDF5 file (its signature, possibly after a user block).
  static bool Is(const std::string& iPath);
  // The datasets of the file. With iMatlab, names are MATLAB's (bench.speed) and shapes its
  // rows x columns. False with oError "<iPath>: ...".
  static bool List(const std::string& iPath, bool iMatlab, std::vector<DataEntry>& oEntries, std::string& oError);
  // The dataset iName (a name List gives), with one reference; a 2-D dataset of one row or one
  // column comes back 1-D when iFlatten. oAxes[d] receives the dimension scale attached to
  // dimension d of the array handed out, when there is one. Null with oError.
  static NumericArray* Load(const std::string& iPath, const std::string& iName, bool iMatlab, bool iFlatten,
                            DataAxis oAxes[2], std::string& oError);
};

#endif
