// The options of a colour scale: its colour table (reversed with "_r"), the values at its ends,
// whether it is logarithmic, and its label. After Check, the table and the limits (NaN: the data's).
#ifndef ColorOptions_H
#define ColorOptions_H

#include <string>

#include "ColorScaleAxis.h"

namespace CLI {
class App;
}

struct ColorOptions {
  void Register(CLI::App& ioCommand);
  // Reads the limits and the table; false with oError.
  bool Check(std::string& oError);

  std::string Colors = "viridis";
  std::string Limits;
  std::string Label;
  bool Log = false;
  ColorScaleAxis::eTable Table = ColorScaleAxis::Viridis;
  bool Reversed = false;
  double Min = 0.0 / 0.0;
  double Max = 0.0 / 0.0;
};

#endif
