#include "CurveCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
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
  _Command->add_option("--x", _X, "X values: FILE or FILE:COLUMN (default: the sample numbers 0, 1, 2 ...)");
  _Command->add_option("--y", _Y, "Y values of a curve: FILE or FILE:COLUMN; repeat for more curves")->required();
  _Command->add_flag("--symbols", _Symbols, "Mark every sample with a symbol");
  _Command->add_flag("--log-x", _LogX, "Logarithmic x axis (values <= 0 leave gaps)");
  _Command->add_flag("--log-y", _LogY, "Logarithmic y axis (values <= 0 leave gaps)");
  _Command->add_option("--xlabel", _XLabel, "Label of the x axis");
  _Command->add_option("--ylabel", _YLabel, "Label of the y axis");
  _Command->add_option("--title", _Title, "Title above the plot");
  _Output.Register(*_Command, "1000x600", "Picture size WIDTHxHEIGHT in pixels", iFile);
}

int CurveCommand::Run() {
  std::string lError;
  if (!_Output.Check("", lError)) return CommandSupport::Usage(lError);

  RefPtr<ArrayVector> lX;
  if (!_X.empty()) {
    lX = CommandSupport::LoadVector(_X);
    if (!lX) return 1;
  }
  std::vector<RefPtr<ArrayVector>> lYs;
  std::vector<std::string> lNames(_Y.size());
  for (const std::string& lSpec : _Y) {
    lYs.push_back(CommandSupport::LoadVector(lSpec, &lNames[lYs.size()]));
    if (!lYs.back()) return 1;
  }
  if (lX) {
    for (size_t i = 0; i < lYs.size(); ++i)
      if (lYs[i]->GetLength() != lX->GetLength())
        CommandSupport::Warn(_Y[i] + " has " + std::to_string(lYs[i]->GetLength()) + " values and the x values " +
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
  ioPlot.GetXAxis().SetLog(_LogX);
  ioPlot.GetYAxis().SetLog(_LogY);
  for (size_t i = 0; i < _Ys.size(); ++i)
    ioPlot.AddCurve(_Xs[i].Get(), _Ys[i].Get(), _Names[i], _Symbols, i < iLevels.size() ? iLevels[i] : nullptr);
}
