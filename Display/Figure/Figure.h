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

  // Builds the figure and draws it into ioRender, which must be GetWidth() x GetHeight().
  void Draw(CairoRender& ioRender, CATFont& iFont);
  // The picture as straight-alpha RGBA, top row first, 4 * width bytes a row (oRGBA holds
  // width * height * 4 bytes); false with oError when there is no memory for it.
  bool GetPixels(CATFont& iFont, unsigned char* oRGBA, std::string& oError);
  // The picture as the bytes of a PNG file; false with oError when there is no memory for it.
  bool EncodePng(CATFont& iFont, std::vector<unsigned char>& oPng, std::string& oError);
  // The value the colour map of plot iPlot shows at the data point (iX, iZ), on the pixel grid of
  // the picture; false where no sample of the map lies (or the plot has no map).
  bool ProbeMap(int iPlot, double iX, double iZ, CATFont& iFont, double& oValue);

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
