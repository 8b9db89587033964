// fdd-plot map: a colour map of a matrix of values over X and Z (regular, or non-homogeneous with
// per-row X values), linear or order-interpolated, with its colour scale.
#ifndef MapCommand_H
#define MapCommand_H

#include "ColorOptions.h"
#include "MapDataOptions.h"
#include "OutputOptions.h"

namespace CLI {
class App;
}

class MapCommand {
 public:
  void Register(CLI::App& ioApp);
  bool Parsed() const;
  int Run();

 private:
  CLI::App* _Command = nullptr;
  MapDataOptions _Data;
  ColorOptions _Colors;
  OutputOptions _Output;
};

#endif
