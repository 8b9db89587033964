#include "StyleNames.h"

#include <cstring>

#include "CATSymbolType.h"
#include "Palette.h"

namespace {

struct NamedColor {
  const char* name;
  int red, green, blue;
};

// The one-letter colours matplotlib users type, and common colour names.
const NamedColor kColors[] = {
    {"b", 0, 0, 255},        {"g", 0, 128, 0},          {"r", 255, 0, 0},        {"c", 0, 191, 191},
    {"m", 191, 0, 191},      {"y", 191, 191, 0},        {"k", 0, 0, 0},          {"w", 255, 255, 255},
    {"red", 255, 0, 0},      {"green", 0, 128, 0},      {"blue", 0, 0, 255},     {"black", 0, 0, 0},
    {"white", 255, 255, 255}, {"grey", 128, 128, 128},  {"gray", 128, 128, 128}, {"orange", 255, 165, 0},
    {"purple", 128, 0, 128}, {"brown", 165, 42, 42},    {"pink", 255, 192, 203}, {"cyan", 0, 255, 255},
    {"magenta", 255, 0, 255}, {"yellow", 255, 255, 0},  {"olive", 128, 128, 0},  {"navy", 0, 0, 128},
    {"teal", 0, 128, 128}};

const struct {
  const char* name;
  const char* code;
  SeriesStyle::eDash dash;
} kDashNames[] = {{"solid", "-", SeriesStyle::eSolid},
                  {"dashed", "--", SeriesStyle::eDashed},
                  {"dotted", ":", SeriesStyle::eDotted},
                  {"dashdot", "-.", SeriesStyle::eDashDot}};

const struct {
  const char* name;
  char code;
  int symbol;
} kMarkerNames[] = {{"circle", 'o', CATSymbolFilledCircle}, {"square", 's', CATSymbolFilledSquare},
                    {"triangle", '^', CATSymbolFilledTriangle}, {"diamond", 'D', CATSymbolDiamond},
                    {"cross", 'x', CATSymbolCross},           {"plus", '+', CATSymbolPlus},
                    {"dot", '.', CATSymbolDot}};

const struct {
  const char* name;
  Legend::ePlace place;
} kPlaceNames[] = {{"auto", Legend::eAuto},           {"best", Legend::eBest},
                   {"upper-left", Legend::eUpperLeft}, {"upper-right", Legend::eUpperRight},
                   {"lower-left", Legend::eLowerLeft}, {"lower-right", Legend::eLowerRight},
                   {"outside", Legend::eOutside},     {"none", Legend::eNone}};

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void SetColor(SeriesStyle& ioStyle, int iRed, int iGreen, int iBlue) {
  ioStyle.Red = iRed;
  ioStyle.Green = iGreen;
  ioStyle.Blue = iBlue;
}

void SetMarker(SeriesStyle& ioStyle, int iSymbol) {
  ioStyle.Symbols = true;
  ioStyle.Symbol = iSymbol;
}

}  // namespace

const char* const StyleNames::kDashes = "solid, dashed, dotted, dashdot or none";
const char* const StyleNames::kMarkers = "circle, square, triangle, diamond, cross, plus, dot or none";
const char* const StyleNames::kPlaces = "auto, best, upper-left, upper-right, lower-left, lower-right, outside or none";

bool StyleNames::Color(const std::string& iText, SeriesStyle& ioStyle) {
  if (iText.size() == 7 && iText[0] == '#') {
    int lParts[3];
    for (int i = 0; i < 3; ++i) {
      const int h = Hex(iText[1 + 2 * i]), l = Hex(iText[2 + 2 * i]);
      if (h < 0 || l < 0) return false;
      lParts[i] = 16 * h + l;
    }
    SetColor(ioStyle, lParts[0], lParts[1], lParts[2]);
    return true;
  }
  if (iText.size() == 2 && iText[0] == 'C' && iText[1] >= '0' && iText[1] <= '9') {
    Palette::Color(iText[1] - '0', ioStyle.Red, ioStyle.Green, ioStyle.Blue);
    return true;
  }
  for (const NamedColor& c : kColors)
    if (iText == c.name) {
      SetColor(ioStyle, c.red, c.green, c.blue);
      return true;
    }
  return false;
}

bool StyleNames::Dashes(const std::string& iText, SeriesStyle& ioStyle) {
  if (iText == "none") {
    ioStyle.Line = false;
    // A curve without line and symbols would not show at all.
    if (!ioStyle.Symbols) SetMarker(ioStyle, SeriesStyle::NextSymbol(0));
    return true;
  }
  for (const auto& d : kDashNames)
    if (iText == d.name || iText == d.code) {
      ioStyle.Line = true;
      ioStyle.Dash = d.dash;
      return true;
    }
  return false;
}

bool StyleNames::Marker(const std::string& iText, SeriesStyle& ioStyle) {
  if (iText == "none") {
    ioStyle.Symbols = false;
    ioStyle.Symbol = 0;
    ioStyle.Line = true;
    return true;
  }
  for (const auto& m : kMarkerNames)
    if (iText == m.name || (iText.size() == 1 && iText[0] == m.code)) {
      SetMarker(ioStyle, m.symbol);
      return true;
    }
  return false;
}

bool StyleNames::Compact(const std::string& iText, SeriesStyle& ioStyle) {
  SeriesStyle lStyle = ioStyle;
  bool lLine = false, lMarker = false;
  for (size_t i = 0; i < iText.size();) {
    // Two-character codes first: "--" and "-." before "-", "C0" before "c".
    const std::string lTwo = iText.substr(i, 2), lOne = iText.substr(i, 1);
    if (lTwo.size() == 2 && (lTwo == "--" || lTwo == "-." || (lTwo[0] == 'C' && Color(lTwo, lStyle)))) {
      if (lTwo[0] != 'C') lLine = Dashes(lTwo, lStyle);
      i += 2;
    } else if (lOne == "-" || lOne == ":") {
      lLine = Dashes(lOne, lStyle);
      ++i;
    } else if (Marker(lOne, lStyle)) {
      lMarker = true;
      ++i;
    } else if (lOne != "C" && Color(lOne, lStyle)) {
      ++i;
    } else {
      return false;
    }
  }
  if (iText.empty()) return false;
  // matplotlib's rule: a symbol without a line code draws symbols only.
  lStyle.Line = lLine || !lMarker;
  if (!lLine && !lMarker) lStyle.Dash = SeriesStyle::eSolid;
  ioStyle = lStyle;
  return true;
}

bool StyleNames::Place(const std::string& iText, Legend::ePlace& oPlace) {
  for (const auto& p : kPlaceNames)
    if (iText == p.name) {
      oPlace = p.place;
      return true;
    }
  return false;
}
