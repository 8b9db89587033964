#include "SeriesStyle.h"

#include <algorithm>
#include <iterator>

#include "CATSymbolType.h"
#include "Palette.h"

namespace {

// Filled kinds first: they read best at the size of a sample.
const int kSymbols[] = {CATSymbolFilledCircle, CATSymbolFilledSquare, CATSymbolFilledTriangle, CATSymbolDiamond,
                        CATSymbolCross, CATSymbolPlus};

}  // namespace

SeriesStyle SeriesStyle::Next(int iSeries, int iSymbolSeries, bool iSymbols) {
  SeriesStyle lStyle;
  Palette::Color(iSeries, lStyle.Red, lStyle.Green, lStyle.Blue);
  lStyle.Symbols = iSymbols;
  if (iSymbols) lStyle.Symbol = NextSymbol(iSymbolSeries);
  return lStyle;
}

int SeriesStyle::NextSymbol(int iSymbolSeries) {
  const int lKinds = static_cast<int>(std::size(kSymbols));
  return kSymbols[(iSymbolSeries % lKinds + lKinds) % lKinds];
}

std::vector<double> SeriesStyle::GetDashes(double iWidth) const {
  // Lengths in line widths, so that a wide line keeps its rhythm; a thin one still shows gaps.
  const double w = std::max(iWidth, 1.5);
  switch (Dash) {
    case eDashed: return {3.7 * w, 1.6 * w};
    case eDotted: return {1.0 * w, 1.65 * w};
    case eDashDot: return {6.4 * w, 1.6 * w, 1.0 * w, 1.6 * w};
    default: return {};
  }
}
