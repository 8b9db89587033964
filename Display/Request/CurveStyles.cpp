#include "CurveStyles.h"

#include <algorithm>
#include <cmath>

#include "OptionText.h"

const char* CurveStyles::DashesHelp() {
  static const std::string sHelp = std::string("Line per curve: ") + StyleNames::kDashes + " (default: solid)";
  return sHelp.c_str();
}

const char* CurveStyles::MarkerHelp() {
  static const std::string sHelp = std::string("Symbol per curve: ") + StyleNames::kMarkers + " (default: none)";
  return sHelp.c_str();
}

const char* CurveStyles::PlaceHelp() {
  static const std::string sHelp =
      std::string("Place of the legend: ") + StyleNames::kPlaces + "; auto: beside the plot for two curves or more";
  return sHelp.c_str();
}

bool CurveStyles::Check(size_t iCurves, RequestError& oError) {
  const struct {
    const char* option;
    size_t count;
  } kCounts[] = {{"style", Compact.size()}, {"color", Colors.size()},   {"line-width", Widths.size()},
                 {"dashes", Dashes.size()}, {"marker", Markers.size()}, {"label", Labels.size()}};
  for (const auto& c : kCounts)
    if (c.count > iCurves)
      return oError.Usage(OptionText::Option(c.option) + " is given " + std::to_string(c.count) + " times for " +
                          std::to_string(iCurves) + " curve" + (iCurves == 1 ? "" : "s"));
  SeriesStyle lStyle;
  for (const std::string& t : Compact)
    if (!StyleNames::Compact(t, lStyle))
      return oError.Usage(OptionText::Option("style") + " '" + t +
                          "': write a colour letter, a line (- -- : -.) and a symbol (o s ^ D x + .), such as r--o");
  for (const std::string& t : Colors)
    if (!StyleNames::Color(t, lStyle))
      return oError.Usage(OptionText::Option("color") + " '" + t +
                          "': name a colour (red, C0 .. C9, b, g, r ...) or write #rrggbb");
  for (double w : Widths)
    if (!(w >= 0.5 && w <= 63.0))
      return oError.Usage(OptionText::Option("line-width") + " " + OptionText::Number(w) +
                          ": choose a width from 0.5 to 63 pixels");
  for (const std::string& t : Dashes)
    if (!StyleNames::Dashes(t, lStyle))
      return oError.Usage(OptionText::Option("dashes") + " '" + t + "': choose " + StyleNames::kDashes);
  for (const std::string& t : Markers)
    if (!StyleNames::Marker(t, lStyle))
      return oError.Usage(OptionText::Option("marker") + " '" + t + "': choose " + StyleNames::kMarkers);
  if (StyleNames::Place(Place, LegendPlace)) return true;
  return oError.Usage(OptionText::Option("legend") + " '" + Place + "': choose " + StyleNames::kPlaces);
}

SeriesStyle CurveStyles::Style(size_t iIndex, const SeriesStyle& iDefault) const {
  SeriesStyle lStyle = iDefault;
  // The compact form first: a long option names one part and wins over it.
  if (iIndex < Compact.size()) StyleNames::Compact(Compact[iIndex], lStyle);
  if (iIndex < Colors.size()) StyleNames::Color(Colors[iIndex], lStyle);
  if (iIndex < Widths.size()) lStyle.Width = std::max(1, static_cast<int>(std::lround(Widths[iIndex])));
  if (iIndex < Dashes.size()) StyleNames::Dashes(Dashes[iIndex], lStyle);
  if (iIndex < Markers.size()) StyleNames::Marker(Markers[iIndex], lStyle);
  return lStyle;
}

std::string CurveStyles::Label(size_t iIndex, const std::string& iDefault) const {
  return iIndex < Labels.size() ? Labels[iIndex] : iDefault;
}
