#include "CurveStyleOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>

#include "StyleNames.h"

void CurveStyleOptions::Register(CLI::App& ioCommand) {
  CLI::App& c = ioCommand;
  c.add_option("--style", Compact,
               "Compact style per curve as in matplotlib: colour letter, line (- -- : -.) and symbol (o s ^ D x + .), "
               "such as 'r--o'; a symbol without a line draws symbols only");
  c.add_option("--color", Colors, "Colour per curve: a name (red, C0 .. C9, b, g, r ...) or #rrggbb (default: the palette)");
  c.add_option("--line-width", Widths, "Line width per curve in pixels (default: 2, 1 for curves denser than the pixels)");
  c.add_option("--dashes", Dashes, std::string("Line per curve: ") + StyleNames::kDashes + " (default: solid)");
  c.add_option("--marker", Markers, std::string("Symbol per curve: ") + StyleNames::kMarkers + " (default: none)");
  c.add_option("--label", Labels, "Legend name per curve (default: the column's or file's name)");
  c.add_option("--legend", Place, std::string("Place of the legend: ") + StyleNames::kPlaces +
                                      "; auto: beside the plot for two curves or more")
      ->capture_default_str();
}

bool CurveStyleOptions::Check(size_t iCurves, std::string& oError) {
  const struct {
    const char* option;
    size_t count;
  } kCounts[] = {{"--style", Compact.size()},   {"--color", Colors.size()},   {"--line-width", Widths.size()},
                 {"--dashes", Dashes.size()},   {"--marker", Markers.size()}, {"--label", Labels.size()}};
  for (const auto& c : kCounts)
    if (c.count > iCurves) {
      oError = std::string(c.option) + " is given " + std::to_string(c.count) + " times for " +
               std::to_string(iCurves) + " curve" + (iCurves == 1 ? "" : "s");
      return false;
    }
  SeriesStyle lStyle;
  for (const std::string& t : Compact)
    if (!StyleNames::Compact(t, lStyle)) {
      oError = "--style '" + t + "': write a colour letter, a line (- -- : -.) and a symbol (o s ^ D x + .), such as r--o";
      return false;
    }
  for (const std::string& t : Colors)
    if (!StyleNames::Color(t, lStyle)) {
      oError = "--color '" + t + "': name a colour (red, C0 .. C9, b, g, r ...) or write #rrggbb";
      return false;
    }
  for (double w : Widths)
    if (!(w >= 0.5 && w <= 63.0)) {
      oError = "--line-width " + CLI::detail::to_string(w) + ": choose a width from 0.5 to 63 pixels";
      return false;
    }
  for (const std::string& t : Dashes)
    if (!StyleNames::Dashes(t, lStyle)) {
      oError = "--dashes '" + t + "': choose " + StyleNames::kDashes;
      return false;
    }
  for (const std::string& t : Markers)
    if (!StyleNames::Marker(t, lStyle)) {
      oError = "--marker '" + t + "': choose " + StyleNames::kMarkers;
      return false;
    }
  if (StyleNames::Place(Place, LegendPlace)) return true;
  oError = "--legend '" + Place + "': choose " + StyleNames::kPlaces;
  return false;
}

SeriesStyle CurveStyleOptions::Style(size_t iIndex, const SeriesStyle& iDefault) const {
  SeriesStyle lStyle = iDefault;
  // The compact form first: a long option names one part and wins over it.
  if (iIndex < Compact.size()) StyleNames::Compact(Compact[iIndex], lStyle);
  if (iIndex < Colors.size()) StyleNames::Color(Colors[iIndex], lStyle);
  if (iIndex < Widths.size()) lStyle.Width = std::max(1, static_cast<int>(std::lround(Widths[iIndex])));
  if (iIndex < Dashes.size()) StyleNames::Dashes(Dashes[iIndex], lStyle);
  if (iIndex < Markers.size()) StyleNames::Marker(Markers[iIndex], lStyle);
  return lStyle;
}

std::string CurveStyleOptions::Label(size_t iIndex, const std::string& iDefault) const {
  return iIndex < Labels.size() ? Labels[iIndex] : iDefault;
}
