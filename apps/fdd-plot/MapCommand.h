// fdd-plot map and fdd-plot probe: a colour map of a matrix of values over X and Z (regular, or
// non-homogeneous with per-row X values), linear or order-interpolated, with its colour scale; the
// probe prints the value the map shows at one point instead of writing a picture.
#ifndef MapCommand_H
#define MapCommand_H

#include <string>

namespace CLI {
class App;
}

class MapCommand {
 public:
  // iProbe: registers "probe" instead of "map".
  void Register(CLI::App& ioApp, bool iProbe);
  bool Parsed() const;
  int Run();

 private:
  CLI::App* _Command = nullptr;
  bool _Probe = false;
  std::string _X;
  std::string _Z;
  std::string _Values;
  std::string _XRows;
  bool _Transpose = false;
  bool _Order = false;
  double _Tolerance = 0.05;
  double _ZFactor = 1.0;
  std::string _XLimits;
  std::string _ZLimits;
  std::string _Colors = "viridis";
  std::string _ValueLimits;
  std::string _XLabel;
  std::string _ZLabel;
  std::string _ValueLabel;
  std::string _Title;
  std::string _Size = "900x700";
  std::string _Out;
  std::string _At;
};

#endif
