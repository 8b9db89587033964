// The figure behind fddplot.Figure: a page of plot areas filled from Python arrays (curves, colour
// maps, contribution bars), drawn on request into a file, a pixel array or PNG bytes, or asked
// for the value its map shows at a point. Bad arguments raise Python exceptions with one-line
// messages (ValueError for data, OSError for files, MemoryError); warnings go to Python's warnings.
// The drawing runs without the interpreter lock, so other Python threads run on meanwhile; figures
// are made, drawn and released under the library's lock (LibraryLock says why).
#ifndef PlotFigure_H
#define PlotFigure_H

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

class Figure;
class PlotArea;
struct ContributionRequest;
struct CurveRequest;
struct MapRequest;

class PlotFigure {
 public:
  // A part of the page: left, bottom, right, top in fractions of the width and height.
  using Part = std::array<double, 4>;
  // Two values (low, high) or None.
  using Limits = pybind11::object;

  // A page of iWidth x iHeight pixels (checked by the request that gave them).
  PlotFigure(int iWidth, int iHeight);
  // iSize: (width, height) in pixels, each side 16 .. 8192.
  explicit PlotFigure(const pybind11::object& iSize);
  ~PlotFigure();
  PlotFigure(const PlotFigure&) = delete;
  PlotFigure& operator=(const PlotFigure&) = delete;

  // Lays out a small figure once, so that what the library makes on first use (the default font,
  // the measuring support) exists before threads draw at once. At import.
  static void Prepare();

  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }
  int GetNbrPlots() const;

  // One plot of each kind over iPart of the page, from a checked request; raises ValueError or
  // MemoryError with the loader's message.
  void AddCurve(const CurveRequest& iRequest, const Part& iPart);
  void AddMap(const MapRequest& iRequest, const Part& iPart);
  void AddContribution(const ContributionRequest& iRequest, const Part& iPart);

  // Writes the picture; its extension chooses PNG, SVG or PDF. iPath is a str or any path-like
  // object.
  void Save(const pybind11::object& iPath);
  // The picture as uint8 RGBA, shape (height, width, 4), top row first.
  pybind11::array_t<unsigned char> ToArray();
  // The picture as the bytes of a PNG file.
  pybind11::bytes ToPng();
  // The value the map of plot iPlot shows at the point iAt (x, z) on the picture's pixel grid; None
  // where no sample lies.
  pybind11::object Probe(const pybind11::object& iAt, int iPlot);
  // The same at the point a probe request names, on plot 0.
  pybind11::object Probe(double iX, double iZ, int iPlot);

 private:
  // The plot area over iPart, after checking the part; refuses while another thread draws.
  PlotArea& NewPlot(const Part& iPart);
  // Runs iWork (which builds and draws the figure with the font it is given) without the
  // interpreter lock, holding the library's; then warns of what the figure could not show and
  // raises what iWork or Ctrl-C left.
  template <typename Work>
  void Draw(Work&& iWork);
  template <typename Plot, typename Request, typename Load>
  void AddPlot(const Request& iRequest, const Part& iPart, Load&& iLoad);

  int _Width = 0;
  int _Height = 0;
  bool _Order = false;
  std::unique_ptr<Figure> _Figure;
};

#endif
