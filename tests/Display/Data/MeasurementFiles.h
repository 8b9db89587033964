// Measurement files written by programs other than this project (h5py, scipy, Python's wave
// module, sox), so that a misreading cannot be mirrored by a miswriting, with .npy files of the
// values each holds as NumPy reads them. Written once a process into a folder of its own.
#ifndef MeasurementFiles_H
#define MeasurementFiles_H

#include <string>

class MeasurementFiles {
 public:
  // The folder holding the files, with a trailing slash; empty with oError when a writer failed.
  static std::string Folder(std::string& oError);
};

#endif
