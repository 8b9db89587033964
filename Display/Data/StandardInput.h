// The data a program reads from its standard input, named "-" on the command line, made a file
// that can be read again and at any offset, as a named one is: several columns (and several
// options) can name it, and each load reads it in blocks and keeps only its own values. Standard
// input redirected from a file is that file; anything else (a pipe) is copied once, in blocks, the
// first time it is asked for, into a temporary file (in $TMPDIR, else /tmp) that is removed at
// once and goes with the program. Text only (CSV, or cells separated by blanks); "standard input"
// names it in messages.
#ifndef StandardInput_H
#define StandardInput_H

#include <string>

#include "FileDescriptor.h"

class StandardInput {
 public:
  static constexpr const char* kPath = "-";
  static constexpr const char* kName = "standard input";

  // Standard input as an open file of its own (the caller's to close); a closed holder with
  // oError when it cannot be read or kept, or is empty.
  static FileDescriptor Open(std::string& oError);

 private:
  // The descriptor of the whole input (standard input itself, or its copy), -1 with oError.
  static int Keep(std::string& oError);
};

#endif
