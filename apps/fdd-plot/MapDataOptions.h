// The options that say which map to draw, shared by map and probe: the data files (regular or
// non-homogeneous), the interpolation, the ranges shown, the axis labels and the title. After
// Check, the ranges (NaN: the data's).
#ifndef MapDataOptions_H
#define MapDataOptions_H

#include <string>

namespace CLI {
class App;
}

struct MapDataOptions {
  void Register(CLI::App& ioCommand);
  // Reads the ranges and checks the order options and that X is given; false with oError.
  bool Check(std::string& oError);

  std::string X;
  std::string Z;
  std::string Values;
  std::string XRows;
  bool Transpose = false;
  bool LogX = false;
  bool LogZ = false;
  std::string Shading = "linear";
  bool Order = false;
  double Tolerance = 0.05;
  double ZFactor = 1.0;
  std::string XLimits;
  std::string ZLimits;
  std::string XLabel;
  std::string ZLabel;
  std::string Title;
  double XMin = 0.0 / 0.0, XMax = 0.0 / 0.0;
  double ZMin = 0.0 / 0.0, ZMax = 0.0 / 0.0;
};

#endif
