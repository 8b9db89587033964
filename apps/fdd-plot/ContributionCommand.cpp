#include "ContributionCommand.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include "ArrayVector.h"
#include "CATFont.h"
#include "ColorScaleAxis.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "PlotArea.h"
#include "SampleOrder.h"

void ContributionCommand::Register(CLI::App& ioApp) {
  _Command = ioApp.add_subcommand("contribution", "Draw a contribution bar: the colours of values y along x");
  CLI::App& c = *_Command;
  c.add_option("--x", _X, "Arguments (1-D file, ascending or descending): FILE or FILE:COLUMN")->required();
  c.add_option("--y", _Y, "Values, one per argument: FILE or FILE:COLUMN")->required();
  c.add_option("--direction", _Direction, "horizontal or vertical")
      ->check(CLI::IsMember({"horizontal", "vertical"}))
      ->capture_default_str();
  c.add_flag("--log-x", _LogX, "Logarithmic argument axis (arguments <= 0 are left out)");
  c.add_option("--x-limits", _XLimits, "Argument range shown, A,B (default: the data's)");
  c.add_option("--xlabel", _XLabel, "Label of the argument axis");
  c.add_option("--title", _Title, "Title above the bar");
  _Colors.Register(c);
  _Output.Register(c, "", "Picture size WIDTHxHEIGHT (default 1000x220, vertical 300x700)", true);
}

int ContributionCommand::Run() {
  const bool lVertical = _Direction == "vertical";
  std::string lError;
  double lX0 = NAN, lX1 = NAN;
  if (!_Output.Check(lVertical ? "300x700" : "1000x220", lError) ||
      !CommandSupport::ParseLimits("--x-limits", _XLimits, lX0, lX1, lError) || !_Colors.Check(lError))
    return CommandSupport::Usage(lError);

  const RefPtr<ArrayVector> lX = CommandSupport::LoadVector(_X);
  if (!lX) return 1;
  const RefPtr<ArrayVector> lY = CommandSupport::LoadVector(_Y);
  if (!lY) return 1;
  if (lX->GetLength() != lY->GetLength())
    return CommandSupport::Fail(_Y + ": " + std::to_string(lY->GetLength()) + " values for " +
                                std::to_string(lX->GetLength()) + " arguments: one value per argument is needed");
  // Descending arguments are drawn; any other order is refused where it breaks.
  const std::string lOrder = SampleOrder::Check(lX.Get(), _X, "x");
  if (!lOrder.empty()) return CommandSupport::Fail(lOrder);
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  Figure lFigure(_Output.Width, _Output.Height);
  PlotArea& lPlot = lFigure.AddPlot();
  lPlot.SetTitle(_Title);
  PlotAxis& lAxis = lVertical ? lPlot.GetYAxis() : lPlot.GetXAxis();
  lAxis.SetLabel(_XLabel);
  lAxis.SetRange(lX0, lX1);
  lAxis.SetLog(_LogX);
  lPlot.ShowAxis(lVertical ? PlotArea::Bottom : PlotArea::Left, false);
  lPlot.SetColorScale(_Colors.Table, _Colors.Min, _Colors.Max, _Colors.Label, _Colors.Reversed, _Colors.Log);
  lPlot.AddContributionBar(lX.Get(), lY.Get(), lVertical);
  return _Output.Write(lFigure, *lFont) ? 0 : 1;
}
