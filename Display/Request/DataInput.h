// Where the values of one data option come from: a data file and column as a user writes them ("run.csv:speed",
// "-" for standard input), or an array handed over by a program (Python). Holds one reference on
// the array.
#ifndef DataInput_H
#define DataInput_H

#include <string>

#include "NumericArray.h"
#include "RefPtr.h"

struct DataInput {
  std::string Spec;
  RefPtr<NumericArray> Array;
  // What messages call it when it is an array ("y", "y[1]").
  std::string Name;

  bool IsGiven() const { return !Spec.empty() || Array; }
  // The name messages use: the file as written, else the array's name.
  const std::string& Label() const { return Spec.empty() ? Name : Spec; }
};

#endif
