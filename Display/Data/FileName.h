// What the name of a data file tells: its extension chooses how the file is read. Static
// functions only.
#ifndef FileName_H
#define FileName_H

#include <string>

class FileName {
 public:
  // True when iName ends in iExtension (".npy", lower case) in any case.
  static bool HasExtension(const std::string& iName, const std::string& iExtension);
};

#endif
