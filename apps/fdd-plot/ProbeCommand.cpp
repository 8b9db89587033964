#include "ProbeCommand.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>

#include "CATFont.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "MapInput.h"
#include "OrderInterrupts.h"
#include "PlotArea.h"

void ProbeCommand::Register(CLI::App& ioApp) {
  _Command = ioApp.add_subcommand("probe", "Print the value a colour map shows at one point (X,Z)");
  _Data.Register(*_Command);
  _Colors.Register(*_Command);
  _Output.Register(*_Command, "900x700", "Picture size WIDTHxHEIGHT in pixels", false);
  _Command->add_option("--at", _At, "The point X,Z")->required();
}

bool ProbeCommand::Parsed() const { return _Command && _Command->parsed(); }

int ProbeCommand::Run() {
  std::string lError;
  double lX = NAN, lZ = NAN;
  if (!_Output.Check("", lError) || !_Data.Check(lError) || !_Colors.Check(lError) ||
      !CommandSupport::ParsePair(_At, lX, lZ, lError))
    return CommandSupport::Usage(lError);
  MapInput lInput;
  if (const int lStatus = lInput.Load(_Data, _Colors)) return lStatus;
  CATFont* lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  int lStatus = 0;
  {
    const OrderInterrupts lInterrupts(_Data.Order);
    {
      // The value is the one the map shows: draw it at the picture's size, then ask.
      Figure lFigure(_Output.Width, _Output.Height);
      PlotArea& lPlot = lFigure.AddPlot();
      lInput.Show(lPlot, _Data, _Colors);
      CATViewer lViewer(_Output.Width, _Output.Height);
      lFigure.Build(lViewer, *lFont);
      CairoRender lRender(_Output.Width, _Output.Height, CairoRender::PNG, "");
      lViewer.Draw(lRender);
      CommandSupport::PrintWarnings(lFigure);
      double lValue = 0.0;
      if (lPlot.GetMapValue(lX, lZ, lValue) == 0)
        std::printf("value at X=%.10g, Z=%.10g: %.10g\n", lX, lZ, lValue);
      else
        std::printf("no value at X=%.10g, Z=%.10g: no sample of the map lies there\n", lX, lZ);
    }
    lStatus = lInterrupts.Finish(lStatus, "the probed map");
  }
  lFont->Release();
  return lStatus;
}
