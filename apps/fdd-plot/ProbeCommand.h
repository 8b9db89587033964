// fdd-plot probe: the value the map of the same options shows at one point X,Z, computed on the
// pixel grid of the picture map would draw, printed instead of a picture.
#ifndef ProbeCommand_H
#define ProbeCommand_H

#include <string>

#include "ColorOptions.h"
#include "MapDataOptions.h"
#include "OutputOptions.h"

namespace CLI {
class App;
}

class ProbeCommand {
 public:
  void Register(CLI::App& ioApp);
  bool Parsed() const;
  int Run();

 private:
  CLI::App* _Command = nullptr;
  MapDataOptions _Data;
  ColorOptions _Colors;
  OutputOptions _Output;
  std::string _At;
};

#endif
