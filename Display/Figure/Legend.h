// Legend of a plot area: one entry per named curve or bar series, a sample line (with its marker,
// or a filled square for bars) in the series' colour and the name beside it, in a framed box.
// Model units of the page; borrows the font.
#ifndef Legend_H
#define Legend_H

#include <string>
#include <vector>

#include "CATMathBox2D.h"

class CATFont;
class CATViewer;
struct FigureStyle;

class Legend {
 public:
  enum eSample { Line = 0, LineAndMarker = 1, Bar = 2 };
  void Add(const std::string& iName, int iRed, int iGreen, int iBlue, eSample iSample, int iSymbol);
  int GetNbrEntries() const { return static_cast<int>(_Entries.size()); }

  // Width and height of the box.
  void GetSize(const FigureStyle& iStyle, CATFont& iFont, double& oWidth, double& oHeight) const;
  // Draws the box with its top-left corner at (iLeft, iTop).
  void Show(CATViewer& ioViewer, double iLeft, double iTop, const FigureStyle& iStyle, CATFont& iFont) const;

 private:
  struct Entry {
    std::string name;
    int red, green, blue;
    eSample sample;
    int symbol;
  };
  std::vector<Entry> _Entries;
};

#endif
