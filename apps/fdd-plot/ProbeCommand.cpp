#include "ProbeCommand.h"

#include <cmath>
#include <cstdio>

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "PlotArea.h"
#include "RequestCheck.h"

void ProbeCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "probe", "Print the value a colour map shows at one point (X,Z)", false, true);
}

bool ProbeCommand::Check(RequestError& oError) {
  _ProbeBinding.Finish(_Request);
  return RequestCheck::Run(_Request, oError);
}

int ProbeCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioPlot;
  double lValue = 0.0;
  const bool lFound = ioFigure.ProbeMap(0, _Request.AtX, _Request.AtZ, iFont, lValue);
  CommandSupport::PrintWarnings(ioFigure);
  if (lFound)
    std::printf("value at X=%.10g, Z=%.10g: %.10g\n", _Request.AtX, _Request.AtZ, lValue);
  else
    std::printf("no value at X=%.10g, Z=%.10g: no sample of the map lies there\n", _Request.AtX, _Request.AtZ);
  return 0;
}

std::string ProbeCommand::Target() const { return "the probed map"; }
