// The data a program reads from its standard input, named "-" on the command line: read whole the
// first time it is asked for and kept, so that several columns (and several options) can name it.
// Text only (CSV, or cells separated by blanks); "standard input" names it in messages.
#ifndef StandardInput_H
#define StandardInput_H

#include <string>

class StandardInput {
 public:
  static constexpr const char* kPath = "-";
  static constexpr const char* kName = "standard input";

  // The whole input in oText; false with oError when it cannot be read or is empty.
  static bool Read(std::string& oText, std::string& oError);
};

#endif
