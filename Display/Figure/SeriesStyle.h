// The look of one curve or bar series, fixed when the series is added to its plot area so that the
// legend and the drawing show the same: its palette colour and, for curves with symbols, its
// symbol kind (0 without).
#ifndef SeriesStyle_H
#define SeriesStyle_H

class SeriesStyle {
 public:
  // The style of the series added after iSeries others, iSymbolSeries of which had symbols.
  static SeriesStyle Next(int iSeries, int iSymbolSeries, bool iSymbols);

  int Red = 0, Green = 0, Blue = 0;
  bool Symbols = false;
  int Symbol = 0;
};

#endif
