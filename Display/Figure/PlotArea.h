// One plot area of a figure: a data box with its background, bottom and left axes (top and right
// on request, or a second value axis on the right for the curves given to it, with its own range),
// axis labels, a title and optional grid lines, holding any number of curves (optionally with symbols),
// bar series and contribution bars, and at most one colour map (each a series of its own kind,
// which fits and shows itself). A colour map or contribution bar gets a colour-scale bar on the
// right; several named series get a legend beside it.
//
// The layout measures every axis drawing the library builds (GetBoundingElement) and moves the
// data box's edges inward until everything fits the page area: no text is cut off and nothing
// overlaps, whatever the texts' lengths. Its series hold one reference on every data object it
// is given; borrows the font during Build. Model units of the page.
#ifndef PlotArea_H
#define PlotArea_H

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CAT2DBoundingBox.h"
#include "CATMathBox2D.h"
#include "ColorScaleAxis.h"
#include "ColormapData.h"
#include "Legend.h"
#include "PlotAxis.h"
#include "RefPtr.h"
#include "SeriesStyle.h"

class CATFont;
class CATSamIVector;
class CATViewer;
class ContributionSeries;
class CurveLevels;
class MapSeries;
class PlotFrame;
class PlotSeries;
class QVTIFddTicks;
class QVTFdd2DAxisDrawing;
struct FigureStyle;

class PlotArea {
 public:
  enum eSide { Bottom = 0, Left = 1, Top = 2, Right = 3 };

  PlotArea();
  ~PlotArea();
  PlotArea(const PlotArea&) = delete;
  PlotArea& operator=(const PlotArea&) = delete;

  void SetTitle(const std::string& iTitle) { _Title = iTitle; }
  PlotAxis& GetXAxis() { return _XAxis; }
  PlotAxis& GetYAxis() { return _YAxis; }
  // The value axis on the right, shown when a curve is drawn against it.
  PlotAxis& GetY2Axis() { return _Y2Axis; }
  // Light lines at the major ticks of the bottom and left axes, under the data.
  void SetGrid(bool iGrid) { _Grid = iGrid; }
  void SetLegendPlace(Legend::ePlace iPlace) { _LegendPlace = iPlace; }
  // Bottom and left are shown unless hidden; top and right (ticks only) when asked for.
  void ShowAxis(eSide iSide, bool iShown);

  // Curves and bars take colours of the palette in the order they are added, and curves with
  // symbols the symbol kinds in turn; the style is fixed here, for the legend and the drawing.
  // With levels of iX and iY (CurveLevels), a curve of ascending x is drawn from them on linear axes.
  void AddCurve(CATSamIVector* iX, CATSamIVector* iY, const std::string& iName, bool iSymbols,
                std::shared_ptr<const CurveLevels> iLevels = nullptr);
  // The style the next curve or bar series gets unless told otherwise.
  SeriesStyle GetNextStyle(bool iSymbols) const;
  // A curve in its own style, against the right value axis when iRight.
  void AddCurve(CATSamIVector* iX, CATSamIVector* iY, const std::string& iName, const SeriesStyle& iStyle,
                bool iRight = false, std::shared_ptr<const CurveLevels> iLevels = nullptr);
  void AddBars(CATSamIVector* iX, CATSamIVector* iHeights, const std::string& iName);
  // Colour maps and contribution bars are drawn on linear axes. X and Z (the arguments of a bar)
  // may be ascending or descending and hold NaN samples, which are left out with a warning; data
  // in any other order is not drawn, with a warning (SampleOrder::Check refuses it beforehand).
  void SetColormap(const ColormapData& iData);
  // A strip over the whole data box (several share it in bands): iRes over iArg, along x, or along
  // y when iVertical; logarithmic when that axis is (set the axis first).
  void AddContributionBar(CATSamIDoubleVector* iArg, CATSamIDoubleVector* iRes, bool iVertical);
  // Colour table (reversed on request), value range (NaN: the data's) and label of the colour
  // scale. A logarithmic scale over data that reaches zero or below shows three decades below
  // the largest value.
  void SetColorScale(ColorScaleAxis::eTable iTable, double iMin, double iMax, const std::string& iLabel,
                     bool iReversed = false, bool iLog = false);
  // Shows the colour scale set even without a map or bar coloured by it (the frame a window draws
  // around an older picture of a map); its range must then be given.
  void ShowColorScale() { _ScaleAlone = true; }
  // Two cursors: vertical lines at x = iA and iB (data units) named A and B, and iLines (what they
  // measure) in a box right of the plot, as many lines as the data box is high.
  void SetCursors(double iA, double iB, std::vector<std::string> iLines);

  // Finds the data box in iPage: its margins grow from the least ones (SetMargins, none at first)
  // until every text fits. The data's ranges are read at the first layout: set the content first.
  void Layout(CATFont& iFont, const CATMathBox2D& iPage, const FigureStyle& iStyle);
  // Bottom, left, top and right distances of the data box from the page part less the padding.
  void GetMargins(double oMargins[4]) const;
  void SetMargins(const double iMargins[4]);
  // Lays the area out in iPage and adds everything to the viewer, whose model units are the page's.
  void Build(CATViewer& ioViewer, CATFont& iFont, const CATMathBox2D& iPage, const FigureStyle& iStyle);

  // After Build: the data box.
  const CATMathBox2D& GetDataBox() const { return _DataBox; }
  // After Build: the value the colour map shows at (iX, iZ) in data units; 0 with oValue, else
  // non-zero (no map, or no sample there). A large map is drawn as tiles under the library's
  // image limit; the tile that shows the point answers.
  long GetMapValue(double iX, double iZ, double& oValue) const;
  // After Build: what the reader should know; empty when all is well.
  const std::string& GetWarning() const { return _Warning; }
  // Data range of each axis after Build (data units).
  void GetXRange(double& oMin, double& oMax) const;
  void GetYRange(double& oMin, double& oMax) const;
  void GetY2Range(double& oMin, double& oMax) const;
  // The style of the iIndex-th curve or bar series added (in the order added).
  const SeriesStyle& GetSeriesStyle(int iIndex) const { return _Styles[static_cast<size_t>(iIndex)]; }

 private:
  // The axis drawings and boxes that surround a data box; built again for every trial box.
  struct Decoration {
    RefPtr<QVTFdd2DAxisDrawing> axes[4];
    // Major ticks of x and y, for the grid.
    RefPtr<QVTIFddTicks> majors[2];
    RefPtr<QVTFdd2DAxisDrawing> scaleAxis;
    CATMathBox2D scaleBar;
    double legendLeft = 0.0, legendTop = 0.0, legendWidth = 0.0, legendHeight = 0.0, legendMax = 0.0;
    // The title's lines, top first, each fitted to the room, the left end of each and the
    // bottom of the lowest.
    std::vector<std::string> titleLines;
    std::vector<double> titleX;
    double titleY = 0.0;
    bool scaleShown = false;
    // The cursors' lines, each fitted to the room, and their box's top left corner.
    std::vector<std::string> noteLines;
    double noteLeft = 0.0, noteTop = 0.0;
  };

  // What a page too small for everything leaves out, step by step, so that the data still shows.
  enum eDetail { eAll = 0, eNoTitle, eNoLegend, eNoLabels, eNoAxes, eDataOnly };

  // Moves the data box's edges inward from the current margins until everything fits iRoom; false
  // when a small room cannot hold everything beside the least box.
  bool Fit(CATFont& iFont, const CATMathBox2D& iRoom, const FigureStyle& iStyle);
  static CATMathBox2D Room(const CATMathBox2D& iPage, const FigureStyle& iStyle);
  void ComputeRanges();
  RefPtr<ColorScaleAxis> MakeColors() const;
  // Builds the decoration of iBox and returns the extent of all of it (data box included).
  CAT2DBoundingBox Decorate(const CATMathBox2D& iBox, const FigureStyle& iStyle, CATFont& iFont,
                            ColorScaleAxis* iColors, const CATMathBox2D& iRoom,
                            Decoration& oDecoration) const;
  void ShowData(CATViewer& ioViewer, const Decoration& iDecoration, ColorScaleAxis* iColors,
                const FigureStyle& iStyle);
  void ShowCursors(CATViewer& ioViewer, CATFont& iFont, const PlotFrame& iFrame, const FigureStyle& iStyle) const;
  void ShowGrid(CATViewer& ioViewer, const Decoration& iDecoration, const PlotFrame& iFrame,
                const FigureStyle& iStyle) const;
  // Whether curves are drawn against the right value axis.
  bool HasY2() const;
  // The legend's corner inside the data box for eBest: the one over the fewest samples.
  Legend::ePlace BestCorner(const FigureStyle& iStyle, CATFont& iFont) const;
  // The widest the legend may be: a share of the room beside the data box iBox, or of the box
  // itself inside it.
  static double LegendRoom(bool iInside, const CATMathBox2D& iBox, const CATMathBox2D& iRoom);
  // The box the legend takes in the corner iPlace of the data box iBox.
  void CornerBox(Legend::ePlace iPlace, const CATMathBox2D& iBox, const FigureStyle& iStyle,
                 Decoration& ioDecoration) const;
  void ShowDecoration(CATViewer& ioViewer, CATFont& iFont, const Decoration& iDecoration, ColorScaleAxis* iColors,
                      const FigureStyle& iStyle) const;
  bool HasLegend() const;
  // Whether the legend is drawn at the detail the layout chose.
  bool ShowsLegend() const { return HasLegend() && _Detail < eNoLegend; }
  // Keeps iStyle as the style of the next curve or bar series.
  void KeepStyle(const SeriesStyle& iStyle);

  std::string _Title;
  PlotAxis _XAxis;
  PlotAxis _YAxis;
  PlotAxis _Y2Axis;
  bool _Grid = false;
  Legend::ePlace _LegendPlace = Legend::eAuto;
  bool _Shown[4] = {true, true, false, false};
  // Curves and bars, in the order added, with their styles and the legend of the named ones.
  std::vector<std::unique_ptr<PlotSeries>> _Series;
  std::vector<SeriesStyle> _Styles;
  std::vector<bool> _OnRight;
  int _SymbolSeries = 0;
  Legend _Legend;
  std::vector<std::unique_ptr<ContributionSeries>> _Contributions;
  std::unique_ptr<MapSeries> _Map;
  ColorScaleAxis::eTable _Table = ColorScaleAxis::Viridis;
  bool _Reversed = false;
  bool _LogColors = false;
  bool _ScaleAlone = false;
  double _ColorMin = 0.0 / 0.0;
  double _ColorMax = 0.0 / 0.0;
  std::string _ColorLabel;
  double _Cursors[2] = {NAN, NAN};
  std::vector<std::string> _CursorLines;

  // Results of Build.
  double _XMin = 0.0, _XMax = 1.0, _YMin = 0.0, _YMax = 1.0, _Y2Min = 0.0, _Y2Max = 1.0;
  bool _Prepared = false;
  bool _LegendInside = false;
  // The decorations the page has room for (eDetail).
  int _Detail = eAll;
  // The corner an inside legend takes.
  Legend::ePlace _LegendCorner = Legend::eUpperRight;
  RefPtr<ColorScaleAxis> _Colors;
  double _Margins[4] = {0.0, 0.0, 0.0, 0.0};
  CATMathBox2D _DataBox;
  std::string _Warning;
  // What the data given to the area leaves out or cannot show; part of every warning.
  std::string _DataWarning;
};

#endif
