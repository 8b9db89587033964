// A figure: a page of one or more plot areas, laid out in model units that are the pixels of the
// picture (points of a PDF page), origin at the bottom left. Owns its plot areas; borrows the font.
#ifndef Figure_H
#define Figure_H

#include <memory>
#include <string>
#include <vector>

#include "CATMathBox2D.h"
#include "CairoRender.h"
#include "FigureStyle.h"

class CATFont;
class CATViewer;
class PlotArea;

class Figure {
 public:
  Figure(int iWidth, int iHeight, const FigureStyle& iStyle = FigureStyle());
  ~Figure();
  Figure(const Figure&) = delete;
  Figure& operator=(const Figure&) = delete;

  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }
  const FigureStyle& GetStyle() const { return _Style; }

  // A new plot area over the part [iX0, iX1] x [iY0, iY1] of the page, in fractions of its width
  // and height (y up).
  PlotArea& AddPlot(double iX0 = 0.0, double iY0 = 0.0, double iX1 = 1.0, double iY1 = 1.0);
  int GetNbrPlots() const { return static_cast<int>(_Plots.size()); }
  PlotArea& GetPlot(int iIndex) { return *_Plots[static_cast<size_t>(iIndex)].area; }

  // Lays out every plot area and adds it to the viewer, which must be GetWidth() x GetHeight().
  void Build(CATViewer& ioViewer, CATFont& iFont);

  // Builds the figure once and draws it into every file of iPaths, each written as its extension
  // says (.png, .svg, .pdf). False, with oError naming the file, when one cannot be written.
  bool Write(const std::vector<std::string>& iPaths, CATFont& iFont, std::string& oError);

  // After Build: the plot areas' warnings, one a line (empty when there is none).
  std::vector<std::string> GetWarnings() const;

  // The output kind of a file name's extension (case-insensitive); false for any other.
  static bool KindOf(const std::string& iPath, CairoRender::eOutput& oKind);

 private:
  struct Plot {
    std::unique_ptr<PlotArea> area;
    CATMathBox2D part;
  };
  int _Width;
  int _Height;
  FigureStyle _Style;
  std::vector<Plot> _Plots;
};

#endif
