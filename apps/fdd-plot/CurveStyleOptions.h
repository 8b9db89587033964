// The options of the look of curves, each given once per curve in the order of the curves (the
// --y curves, then the --y2 ones): compact style ("r--o"), colour, line width, dashes, symbol and
// legend name, and the legend's place. A curve given fewer options keeps the plot area's choice.
#ifndef CurveStyleOptions_H
#define CurveStyleOptions_H

#include <string>
#include <vector>

#include "Legend.h"
#include "SeriesStyle.h"

namespace CLI {
class App;
}

struct CurveStyleOptions {
  void Register(CLI::App& ioCommand);
  // Checks every option for iCurves curves; false with oError.
  bool Check(size_t iCurves, std::string& oError);
  // The style of curve iIndex, from iDefault (the plot area's next style).
  SeriesStyle Style(size_t iIndex, const SeriesStyle& iDefault) const;
  // The legend name of curve iIndex: its --label, else iDefault.
  std::string Label(size_t iIndex, const std::string& iDefault) const;

  std::vector<std::string> Compact;
  std::vector<std::string> Colors;
  std::vector<double> Widths;
  std::vector<std::string> Dashes;
  std::vector<std::string> Markers;
  std::vector<std::string> Labels;
  std::string Place = "auto";
  Legend::ePlace LegendPlace = Legend::eAuto;
};

#endif
