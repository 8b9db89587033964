// Legend of a plot area: one entry per named curve or bar series, a sample line (in the series'
// width and dashes, with its marker; a filled square for bars) in the series' colour and the name
// beside it, in a framed box no wider than the room it is given (names too long end with "…").
// Model units of the page; borrows the font.
#ifndef Legend_H
#define Legend_H

#include <string>
#include <vector>

#include "CATMathBox2D.h"
#include "SeriesStyle.h"

class CATFont;
class CATViewer;
struct FigureStyle;

class Legend {
 public:
  enum eSample { Line = 0, Bar = 1 };
  // Where a plot area puts its legend: eAuto beside the data box when there are two series or more (with a name)
  // (in its upper right corner when that would crowd the box); eBest in the corner of the box that
  // covers the fewest samples; the others where they say, with one name or more.
  enum ePlace { eAuto = 0, eBest, eUpperLeft, eUpperRight, eLowerLeft, eLowerRight, eOutside, eNone };

  // A curve's entry shows its line and its symbol as the style has them.
  void Add(const std::string& iName, const SeriesStyle& iStyle, eSample iSample);
  int GetNbrEntries() const { return static_cast<int>(_Entries.size()); }

  // Width and height of the box, at most iMaxWidth wide.
  void GetSize(const FigureStyle& iStyle, CATFont& iFont, double iMaxWidth, double& oWidth, double& oHeight) const;
  // Draws the box, at most iMaxWidth wide, with its top-left corner at (iLeft, iTop).
  void Show(CATViewer& ioViewer, double iLeft, double iTop, double iMaxWidth, const FigureStyle& iStyle,
            CATFont& iFont) const;

 private:
  struct Entry {
    std::string name;
    SeriesStyle style;
    eSample sample;
  };
  // The names as shown in a box at most iMaxWidth wide.
  std::vector<std::string> Names(const FigureStyle& iStyle, CATFont& iFont, double iMaxWidth) const;

  std::vector<Entry> _Entries;
};

#endif
