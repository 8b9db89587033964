#include "ProbeCommand.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include "CATFont.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "PlotArea.h"

void ProbeCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "probe", "Print the value a colour map shows at one point (X,Z)", false);
  _Command->add_option("--at", _At, "The point X,Z")->required();
}

bool ProbeCommand::Check(std::string& oError) { return CommandSupport::ParsePair(_At, _X, _Z, oError); }

int ProbeCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  // The value is the one the map shows: draw it at the picture's size, then ask.
  CATViewer lViewer(_Output.Width, _Output.Height);
  ioFigure.Build(lViewer, iFont);
  CairoRender lRender(_Output.Width, _Output.Height, CairoRender::PNG, "");
  lViewer.Draw(lRender);
  CommandSupport::PrintWarnings(ioFigure);
  double lValue = 0.0;
  if (ioPlot.GetMapValue(_X, _Z, lValue) == 0)
    std::printf("value at X=%.10g, Z=%.10g: %.10g\n", _X, _Z, lValue);
  else
    std::printf("no value at X=%.10g, Z=%.10g: no sample of the map lies there\n", _X, _Z);
  return 0;
}

std::string ProbeCommand::Target() const { return "the probed map"; }
