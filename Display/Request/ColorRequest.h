// The options of a colour scale, shared by maps and contribution bars: its colour table (reversed
// with "_r"), whether it is logarithmic, the values at its ends and its label. After Check, the
// table and the limits (NaN: the data's).
#ifndef ColorRequest_H
#define ColorRequest_H

#include <cmath>
#include <string>
#include <vector>

#include "ColorScaleAxis.h"
#include "RequestError.h"
#include "RequestOption.h"

struct ColorRequest {
  std::string Colors = "viridis";
  bool LogValues = false;
  std::string ValueLimits;
  std::string ValueLabel;

  ColorScaleAxis::eTable Table = ColorScaleAxis::Viridis;
  bool Reversed = false;
  double Min = NAN;
  double Max = NAN;

  // Reads the limits and the table.
  bool Check(RequestError& oError);
  static const char* ColorsHelp();

  template <class R>
  static void AddOptions(std::vector<RequestOption<R>>& ioOptions) {
    ioOptions.push_back({"colors", eOptionKind::Text, &ColorRequest::Colors, ColorsHelp()});
    ioOptions.push_back({"log-values", eOptionKind::Flag, &ColorRequest::LogValues,
                         "Logarithmic colour scale (values <= 0 show as missing)"});
    ioOptions.push_back({"value-limits", eOptionKind::Pair, &ColorRequest::ValueLimits,
                         "Values at the ends of the colour scale, A,B (default: the data's)"});
    ioOptions.push_back({"value-label", eOptionKind::Text, &ColorRequest::ValueLabel, "Label of the colour scale"});
  }
};

#endif
