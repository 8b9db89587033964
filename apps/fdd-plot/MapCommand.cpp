#include "MapCommand.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include "ArrayMatrix.h"
#include "ArrayValueRows.h"
#include "ArrayVector.h"
#include "ArrayXRows.h"
#include "CATApplicationFrame.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "ColormapData.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "LinearScaling.h"
#include "NumericArray.h"
#include "MemoryBudget.h"
#include "PlotArea.h"
#include "QVTFddColormapAlgoOrderBase.h"
#include "SampleOrder.h"

namespace {

// Everything loaded for one map, released together.
struct MapInput {
  ArrayVector* x = nullptr;
  ArrayVector* z = nullptr;
  NumericArray* values = nullptr;
  NumericArray* xRows = nullptr;
  ArrayMatrix* matrix = nullptr;
  ArrayXRows* rows = nullptr;
  ArrayValueRows* valueRows = nullptr;
  ~MapInput() {
    for (CATBaseUnknown* lObject : {static_cast<CATBaseUnknown*>(x), static_cast<CATBaseUnknown*>(z),
                                    static_cast<CATBaseUnknown*>(values), static_cast<CATBaseUnknown*>(xRows),
                                    static_cast<CATBaseUnknown*>(matrix), static_cast<CATBaseUnknown*>(rows),
                                    static_cast<CATBaseUnknown*>(valueRows)})
      if (lObject) lObject->Release();
  }
};

std::string Shape(const NumericArray& iArray) {
  return std::to_string(iArray.GetRows()) + " x " + std::to_string(iArray.GetColumns());
}

}  // namespace

void MapCommand::Register(CLI::App& ioApp, bool iProbe) {
  _Probe = iProbe;
  _Command = iProbe ? ioApp.add_subcommand("probe", "Print the value a colour map shows at one point (X,Z)")
                    : ioApp.add_subcommand("map", "Draw a colour map of values over X and Z, with its colour scale");
  CLI::App& c = *_Command;
  CLI::Option* lX = c.add_option("--x", _X, "X values (1-D file, ascending or descending): one per column of the values");
  c.add_option("--z", _Z, "Z values (1-D file, ascending or descending): one per row of the values")->required();
  c.add_option("--values", _Values,
               "Values (2-D file), one row per Z value: values[i_z, i_x], as images and spectrograms store "
               "them; with --x-rows, row j holds the values of Z sample j")
      ->required();
  CLI::Option* lXRows = c.add_option(
      "--x-rows", _XRows, "Non-homogeneous data: 2-D file whose row j holds the X values of Z sample j, NaN-padded");
  lX->excludes(lXRows);
  c.add_flag("--transpose", _Transpose, "The values file holds one row per X value: values[i_x, i_z]")
      ->excludes(lXRows);
  CLI::Option* lOrder = c.add_flag(
      "--order", _Order,
      "Order interpolation: join samples along lines of equal X/Z ratio (Ctrl-C stops it and keeps the rows done)");
  c.add_option("--tolerance", _Tolerance,
               "Relative order tolerance of --order: a sample counts for a pixel when its order lies within this "
               "fraction of the pixel's order. Within a speed row the value is taken at the pixel's own order, so "
               "lines of constant order stay straight at any tolerance; a larger value fills gaps where X samples "
               "are far apart (low X), a smaller one stops a row's last sample from standing in for orders beyond it")
      ->capture_default_str()
      ->needs(lOrder);
  c.add_option("--z-factor", _ZFactor, "Factor that brings Z to the unit of X for --order (1/60 for rpm and Hz)")
      ->capture_default_str()
      ->needs(lOrder);
  c.add_option("--x-limits", _XLimits, "X range shown, A,B (default: the data's)");
  c.add_option("--z-limits", _ZLimits, "Z range shown, A,B (default: the data's)");
  c.add_option("--colors", _Colors, "Colour table: viridis, rainbow or grey")->capture_default_str();
  c.add_option("--value-limits", _ValueLimits, "Values at the ends of the colour scale, A,B (default: the data's)");
  c.add_option("--xlabel", _XLabel, "Label of the X axis");
  c.add_option("--zlabel", _ZLabel, "Label of the Z axis");
  c.add_option("--value-label", _ValueLabel, "Label of the colour scale");
  c.add_option("--title", _Title, "Title above the map");
  c.add_option("--size", _Size, "Picture size WIDTHxHEIGHT in pixels")->capture_default_str();
  if (iProbe)
    c.add_option("--at", _At, "The point X,Z")->required();
  else
    c.add_option("-o,--output", _Out, "Output file: .png, .svg or .pdf")->required();
}

bool MapCommand::Parsed() const { return _Command && _Command->parsed(); }

int MapCommand::Run() {
  std::string lError;
  int lWidth = 0, lHeight = 0;
  if (!CommandSupport::ParseSize(_Size, lWidth, lHeight, lError)) return CommandSupport::Usage(lError);
  double lX0 = NAN, lX1 = NAN, lZ0 = NAN, lZ1 = NAN, lV0 = NAN, lV1 = NAN, lAtX = NAN, lAtZ = NAN;
  if (!CommandSupport::ParseLimits("--x-limits", _XLimits, lX0, lX1, lError) ||
      !CommandSupport::ParseLimits("--z-limits", _ZLimits, lZ0, lZ1, lError) ||
      !CommandSupport::ParseLimits("--value-limits", _ValueLimits, lV0, lV1, lError) ||
      (_Probe && !CommandSupport::ParsePair(_At, lAtX, lAtZ, lError)))
    return CommandSupport::Usage(lError);
  ColorScaleAxis::eTable lTable = ColorScaleAxis::Viridis;
  if (!ColorScaleAxis::TableFromName(_Colors, lTable))
    return CommandSupport::Usage("--colors " + _Colors + ": choose viridis, rainbow or grey");
  if (!(_Tolerance >= 0.0) || !std::isfinite(_ZFactor) || _ZFactor == 0.0)
    return CommandSupport::Usage("--tolerance needs a number >= 0 and --z-factor a number other than 0");
  CairoRender::eOutput lKind;
  if (!_Probe && !Figure::KindOf(_Out, lKind))
    return CommandSupport::Usage(_Out + ": name the output file .png, .svg or .pdf");
  if (_XRows.empty() && _X.empty()) return CommandSupport::Usage("give the X values with --x (or --x-rows)");

  MapInput lIn;
  ColormapData lData;
  if (!(lIn.z = CommandSupport::LoadVector(_Z)) || !(lIn.values = CommandSupport::LoadMatrix(_Values))) return 1;
  if (_XRows.empty()) {
    if (!(lIn.x = CommandSupport::LoadVector(_X))) return 1;
    lIn.matrix = new ArrayMatrix(lIn.values, _Transpose ? ArrayMatrix::RowPerX : ArrayMatrix::RowPerZ);
    if (!lIn.matrix) return CommandSupport::Fail("out of memory");
    if (lIn.matrix->GetLengthX() != lIn.x->GetLength() || lIn.matrix->GetLengthY() != lIn.z->GetLength()) {
      const std::string lNeeded = _Transpose ? std::to_string(lIn.x->GetLength()) + " x " + std::to_string(lIn.z->GetLength()) +
                                                   " (values[i_x, i_z], the lengths of --x and --z)"
                                             : std::to_string(lIn.z->GetLength()) + " x " + std::to_string(lIn.x->GetLength()) +
                                                   " (values[i_z, i_x], the lengths of --z and --x)";
      return CommandSupport::Fail(_Values + ": " + Shape(*lIn.values) + " values, but the map needs " + lNeeded);
    }
    // The colour range straight from the file's values: one fast pass instead of a cell-by-cell one.
    if (_ValueLimits.empty() && !lIn.values->GetFiniteRange(lV0, lV1)) lV0 = lV1 = NAN;
    lData.X = lIn.x;
    lData.Values = lIn.matrix;
  } else {
    if (!(lIn.xRows = CommandSupport::LoadMatrix(_XRows))) return 1;
    if (lIn.xRows->GetRows() != lIn.z->GetLength())
      return CommandSupport::Fail(_XRows + ": " + std::to_string(lIn.xRows->GetRows()) + " rows, but --z has " +
                                  std::to_string(lIn.z->GetLength()) + " values (one row per Z value)");
    if (lIn.values->GetRows() != lIn.xRows->GetRows() || lIn.values->GetColumns() != lIn.xRows->GetColumns())
      return CommandSupport::Fail(_Values + ": " + Shape(*lIn.values) + " values, but --x-rows is " +
                                  Shape(*lIn.xRows) + ": row j of both belongs to Z sample j");
    lIn.rows = new ArrayXRows(lIn.xRows);
    if (lIn.rows) {
      std::vector<unsigned int> lLengths;
      for (unsigned int j = 0; j < lIn.xRows->GetRows(); ++j) lLengths.push_back(lIn.rows->GetRowLength(j));
      lIn.valueRows = new ArrayValueRows(lIn.values, lLengths);
    }
    lData.XRows = lIn.rows;
    lData.ValueRows = lIn.valueRows;
  }
  if (!lIn.matrix && !(lIn.rows && lIn.valueRows)) return CommandSupport::Fail("out of memory");
  // Descending X and Z are drawn; any other order is refused where it breaks.
  std::string lOrder = lIn.rows ? SampleOrder::Check(lIn.rows, _XRows, "x") : SampleOrder::Check(lIn.x, _X, "x");
  if (lOrder.empty()) lOrder = SampleOrder::Check(lIn.z, _Z, "z");
  if (!lOrder.empty()) return CommandSupport::Fail(lOrder);
  if (_Order) {
    // Refused before it starts when the order map's own tables and image cannot fit.
    unsigned int lLengthX = lIn.x ? lIn.x->GetLength() : 0;
    for (unsigned int j = 0; lIn.rows && j < lIn.xRows->GetRows(); ++j) lLengthX = std::max(lLengthX, lIn.rows->GetRowLength(j));
    const long long lBytes = QVTFddColormapAlgoOrderBase::EstimateBytes(lLengthX, lIn.z->GetLength(), lWidth, lHeight);
    if (!MemoryBudget::Fits("order map", lBytes > 0 ? static_cast<unsigned long long>(lBytes) : 0, lError))
      return CommandSupport::Fail(lError);
  }
  lData.Z = lIn.z;
  lData.XMin = lX0;
  lData.XMax = lX1;
  lData.ZMin = lZ0;
  lData.ZMax = lZ1;
  lData.Order = _Order;
  lData.Tolerance = _Tolerance;
  LinearScaling* lZScaling = new LinearScaling(_ZFactor);
  lData.ZScaling = lZScaling;

  CATFont* lFont = CommandSupport::LoadFont();
  if (!lFont) {
    if (lZScaling) lZScaling->Release();
    return 1;
  }
  // The frame's main window parents the progress of order maps; Ctrl-C then cancels the
  // computation instead of ending the program.
  CATApplicationFrame lFrame;
  if (_Order) CATApplicationFrame::InstallInterruptHandler();
  const int lInterruptsBefore = CATApplicationFrame::GetDeliveredInterrupts();

  int lStatus = 0;
  {
    Figure lFigure(lWidth, lHeight);
    PlotArea& lPlot = lFigure.AddPlot();
    lPlot.SetTitle(_Title);
    lPlot.GetXAxis().SetLabel(_XLabel);
    lPlot.GetYAxis().SetLabel(_ZLabel);
    lPlot.SetColorScale(lTable, lV0, lV1, _ValueLabel);
    lPlot.SetColormap(lData);
    if (_Probe) {
      // The value is the one the map shows: draw it at the picture's size, then ask.
      CATViewer lViewer(lWidth, lHeight);
      lFigure.Build(lViewer, *lFont);
      CairoRender lRender(lWidth, lHeight, CairoRender::PNG, "");
      lViewer.Draw(lRender);
      for (const std::string& lWarning : lFigure.GetWarnings())
        std::fprintf(stderr, "fdd-plot: warning: %s\n", lWarning.c_str());
      double lValue = 0.0;
      if (lPlot.GetMapValue(lAtX, lAtZ, lValue) == 0)
        std::printf("value at X=%.10g, Z=%.10g: %.10g\n", lAtX, lAtZ, lValue);
      else
        std::printf("no value at X=%.10g, Z=%.10g: no sample of the map lies there\n", lAtX, lAtZ);
    } else if (!CommandSupport::Write(lFigure, _Out, *lFont)) {
      lStatus = 1;
    } else {
      std::printf("wrote %s\n", _Out.c_str());
    }
  }
  if (CATApplicationFrame::GetDeliveredInterrupts() != lInterruptsBefore) {
    std::fprintf(stderr, "fdd-plot: interrupted: %s holds only the rows computed before Ctrl-C\n",
                 _Probe ? "the probed map" : _Out.c_str());
    lStatus = 130;
  }
  CATApplicationFrame::RemoveInterruptHandler();
  if (lZScaling) lZScaling->Release();
  lFont->Release();
  return lStatus;
}
