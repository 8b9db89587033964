// The words people write for the look of a curve and the place of a legend: colour names
// ("red", "C0" .. "C9" for the palette, one-letter b g r c m y k w, "#rrggbb"), dash names, symbol
// names, the compact form "r--o" (colour, line, symbol, each optional, in any order: a symbol
// without a line draws symbols only) and legend places. Each reader changes only what its text
// names and says false, changing nothing, when it does not know the text.
#ifndef StyleNames_H
#define StyleNames_H

#include <string>

#include "Legend.h"
#include "SeriesStyle.h"

class StyleNames {
 public:
  static bool Color(const std::string& iText, SeriesStyle& ioStyle);
  // solid, dashed, dotted, dashdot or none (no line; symbols are added when the style has none).
  static bool Dashes(const std::string& iText, SeriesStyle& ioStyle);
  // circle, square, triangle, diamond, cross, plus, dot or none.
  static bool Marker(const std::string& iText, SeriesStyle& ioStyle);
  static bool Compact(const std::string& iText, SeriesStyle& ioStyle);
  // auto, best, upper-left, upper-right, lower-left, lower-right, outside or none.
  static bool Place(const std::string& iText, Legend::ePlace& oPlace);

  // The words each reader knows, for help texts and messages.
  static const char* const kDashes;
  static const char* const kMarkers;
  static const char* const kPlaces;
};

#endif
