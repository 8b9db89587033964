// The look of curves, each option given once per curve in the order of the curves (the y curves,
// then the y2 ones): compact style ("r--o"), colour, line width, dashes, symbol and legend name,
// and the legend's place. A curve given fewer options keeps the plot area's choice.
#ifndef CurveStyles_H
#define CurveStyles_H

#include <string>
#include <vector>

#include "Legend.h"
#include "RequestError.h"
#include "RequestOption.h"
#include "SeriesStyle.h"
#include "StyleNames.h"

struct CurveStyles {
  std::vector<std::string> Compact;
  std::vector<std::string> Colors;
  std::vector<double> Widths;
  std::vector<std::string> Dashes;
  std::vector<std::string> Markers;
  std::vector<std::string> Labels;
  std::string Place = "auto";
  Legend::ePlace LegendPlace = Legend::eAuto;

  // Checks every option for iCurves curves.
  bool Check(size_t iCurves, RequestError& oError);
  // The style of curve iIndex, from iDefault (the plot area's next style).
  SeriesStyle Style(size_t iIndex, const SeriesStyle& iDefault) const;
  // The legend name of curve iIndex: its label, else iDefault.
  std::string Label(size_t iIndex, const std::string& iDefault) const;

  static const char* DashesHelp();
  static const char* MarkerHelp();
  static const char* PlaceHelp();

  template <class R>
  static void AddOptions(std::vector<RequestOption<R>>& ioOptions) {
    ioOptions.push_back({"style", eOptionKind::Texts, &CurveStyles::Compact,
                         "Compact style per curve as in matplotlib: colour letter, line (- -- : -.) and symbol "
                         "(o s ^ D x + .), such as 'r--o'; a symbol without a line draws symbols only"});
    ioOptions.push_back({"color", eOptionKind::Texts, &CurveStyles::Colors,
                         "Colour per curve: a name (red, C0 .. C9, b, g, r ...) or #rrggbb (default: the palette)"});
    ioOptions.push_back({"line-width", eOptionKind::Numbers, &CurveStyles::Widths,
                         "Line width per curve in pixels (default: 2, 1 for curves denser than the pixels)"});
    ioOptions.push_back({"dashes", eOptionKind::Texts, &CurveStyles::Dashes, DashesHelp()});
    ioOptions.push_back({"marker", eOptionKind::Texts, &CurveStyles::Markers, MarkerHelp()});
    ioOptions.push_back({"label", eOptionKind::Texts, &CurveStyles::Labels,
                         "Legend name per curve (default: the column's or file's name; empty: no entry)"});
    ioOptions.push_back({"legend", eOptionKind::Text, &CurveStyles::Place, PlaceHelp()});
  }
};

#endif
