#include "SeriesStyle.h"

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
  const int lKinds = static_cast<int>(std::size(kSymbols));
  if (iSymbols) lStyle.Symbol = kSymbols[(iSymbolSeries % lKinds + lKinds) % lKinds];
  return lStyle;
}
