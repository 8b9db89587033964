#include "CurveCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <string>

#include "ArrayVector.h"
#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "IndexVector.h"
#include "PlotArea.h"

void CurveCommand::Register(CLI::App& ioApp) { RegisterCurve(ioApp, true); }

void CurveCommand::RegisterCurve(CLI::App& ioApp, bool iFile) {
  _Command = ioApp.add_subcommand("curve", "Plot one or more curves y(x) from .npy or CSV files");
  CLI::App& c = *_Command;
  c.add_option("--x", _X, "X values: FILE or FILE:COLUMN, - for standard input (default: the sample numbers 0, 1, 2 ...)");
  c.add_option("--y", _Y, "Y values of a curve: FILE or FILE:COLUMN (- reads standard input); repeat for more curves")
      ->required();
  c.add_option("--y2", _Y2, "Y values of a curve against a second value axis on the right; repeatable");
  c.add_flag("--symbols", _Symbols, "Mark every sample with a symbol");
  c.add_flag("--log-x", _LogX, "Logarithmic x axis (values <= 0 leave gaps)");
  c.add_flag("--log-y", _LogY, "Logarithmic y axis (values <= 0 leave gaps)");
  c.add_option("--x-limits", _XLimits, "X range shown, A,B (default: the data's); curves are cut at the edge");
  c.add_option("--y-limits", _YLimits, "Y range shown, A,B (default: the data's); curves are cut at the edge");
  c.add_option("--y2-limits", _Y2Limits, "Range of the right value axis, A,B (default: the data's)");
  c.add_flag("--grid", _Grid, "Light lines at the major ticks of both axes, under the data");
  _Styles.Register(c);
  c.add_option("--xlabel", _XLabel, "Label of the x axis");
  c.add_option("--ylabel", _YLabel, "Label of the y axis");
  c.add_option("--y2-label", _Y2Label, "Label of the right value axis");
  c.add_option("--title", _Title, "Title above the plot");
  _Output.Register(c, "1000x600", "Picture size WIDTHxHEIGHT in pixels", iFile);
}

int CurveCommand::Run() {
  std::string lError;
  if (!_Output.Check("", lError) || !_Styles.Check(_Y.size() + _Y2.size(), lError) ||
      !CommandSupport::ParseLimits("--x-limits", _XLimits, _Limits[0], _Limits[1], lError) ||
      !CommandSupport::ParseLimits("--y-limits", _YLimits, _Limits[2], _Limits[3], lError) ||
      !CommandSupport::ParseLimits("--y2-limits", _Y2Limits, _Limits[4], _Limits[5], lError))
    return CommandSupport::Usage(lError);

  RefPtr<ArrayVector> lX;
  // The --y curves, then the --y2 ones: the order of the style options.
  std::vector<std::string> lSpecs = _Y;
  lSpecs.insert(lSpecs.end(), _Y2.begin(), _Y2.end());
  std::vector<RefPtr<ArrayVector>> lYs;
  std::vector<std::string> lNames(lSpecs.size());
  const int lLoaded = RunLoad([&] {
    if (!_X.empty() && !(lX = CommandSupport::LoadVector(_X))) return 1;
    for (const std::string& lSpec : lSpecs) {
      lYs.push_back(CommandSupport::LoadVector(lSpec, &lNames[lYs.size()]));
      if (!lYs.back()) return 1;
    }
    return 0;
  });
  if (lLoaded) return lLoaded;
  if (lX) {
    for (size_t i = 0; i < lYs.size(); ++i)
      if (lYs[i]->GetLength() != lX->GetLength())
        CommandSupport::Warn(lSpecs[i] + " has " + std::to_string(lYs[i]->GetLength()) + " values and the x values " +
                             std::to_string(lX->GetLength()) + ": " +
                             std::to_string(std::min(lYs[i]->GetLength(), lX->GetLength())) + " are plotted");
  }
  // Without x values each curve is drawn over its own sample numbers, computed as they are read.
  std::vector<RefPtr<CATSamIVector>> lXs;
  for (const RefPtr<ArrayVector>& lY : lYs) {
    lXs.push_back(lX ? RefPtr<CATSamIVector>::Hold(lX.Get()) : RefPtr<CATSamIVector>(new IndexVector(lY->GetLength())));
    if (!lXs.back()) return CommandSupport::Fail("out of memory");
  }
  for (size_t i = 0; i < lYs.size(); ++i) {
    _Xs.push_back(lXs[i]);
    _Ys.push_back(RefPtr<CATSamIVector>::Hold(lYs[i].Get()));
  }
  _Names = lNames;
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  Figure lFigure(_Output.Width, _Output.Height);
  PlotArea& lPlot = lFigure.AddPlot();
  Show(lPlot, {});
  return Output(lFigure, lPlot, *lFont);
}

int CurveCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioPlot;
  return _Output.Write(ioFigure, iFont) ? 0 : 1;
}

void CurveCommand::Show(PlotArea& ioPlot, const std::vector<std::shared_ptr<const CurveLevels>>& iLevels) const {
  ioPlot.SetTitle(_Title);
  ioPlot.GetXAxis().SetLabel(_XLabel);
  ioPlot.GetYAxis().SetLabel(_YLabel);
  ioPlot.GetY2Axis().SetLabel(_Y2Label);
  ioPlot.GetXAxis().SetLog(_LogX);
  ioPlot.GetYAxis().SetLog(_LogY);
  ioPlot.GetXAxis().SetRange(_Limits[0], _Limits[1]);
  ioPlot.GetYAxis().SetRange(_Limits[2], _Limits[3]);
  ioPlot.GetY2Axis().SetRange(_Limits[4], _Limits[5]);
  ioPlot.SetGrid(_Grid);
  ioPlot.SetLegendPlace(_Styles.LegendPlace);
  for (size_t i = 0; i < _Ys.size(); ++i)
    ioPlot.AddCurve(_Xs[i].Get(), _Ys[i].Get(), _Styles.Label(i, _Names[i]),
                    _Styles.Style(i, ioPlot.GetNextStyle(_Symbols)), i >= _Y.size(),
                    i < iLevels.size() ? iLevels[i] : nullptr);
}
