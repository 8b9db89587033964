// The look of one curve or bar series, fixed when the series is added to its plot area so that the
// legend and the drawing show the same: its colour, line (width in device pixels, 0 for the
// figure's own; dash pattern; none for symbols only) and, for curves with symbols, its symbol kind
// (0 without).
#ifndef SeriesStyle_H
#define SeriesStyle_H

#include <vector>

class SeriesStyle {
 public:
  enum eDash { eSolid = 0, eDashed = 1, eDotted = 2, eDashDot = 3 };

  // The style of the series added after iSeries others, iSymbolSeries of which had symbols.
  static SeriesStyle Next(int iSeries, int iSymbolSeries, bool iSymbols);
  // The next symbol kind after iSymbolSeries series with symbols.
  static int NextSymbol(int iSymbolSeries);

  // The dash pattern of the line drawn iWidth pixels wide: lengths on, off, on, ... in device
  // pixels; empty for a solid line.
  std::vector<double> GetDashes(double iWidth) const;

  int Red = 0, Green = 0, Blue = 0;
  bool Symbols = false;
  int Symbol = 0;
  bool Line = true;
  int Width = 0;
  eDash Dash = eSolid;
};

#endif
