#include "MapCommand.h"

#include <CLI/CLI.hpp>

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "MapInput.h"
#include "MemoryBudget.h"
#include "OrderInterrupts.h"

void MapCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "map", "Draw a colour map of values over X and Z, with its colour scale", true);
}

void MapCommand::RegisterMap(CLI::App& ioApp, const char* iName, const char* iDescription, bool iFile) {
  _Command = ioApp.add_subcommand(iName, iDescription);
  _Data.Register(*_Command);
  _Colors.Register(*_Command);
  _Output.Register(*_Command, "900x700", "Picture size WIDTHxHEIGHT in pixels", iFile);
}

bool MapCommand::Check(std::string& oError) {
  (void)oError;
  return true;
}

int MapCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioPlot;
  return _Output.Write(ioFigure, iFont) ? 0 : 1;
}

std::string MapCommand::Target() const { return _Output.Out; }

int MapCommand::Finish(const OrderInterrupts& iInterrupts, int iStatus) const {
  return iInterrupts.Finish(iStatus, Target());
}

int MapCommand::Run() {
  std::string lError;
  if (!_Output.Check("", lError) || !_Data.Check(lError) || !_Colors.Check(lError) || !Check(lError))
    return CommandSupport::Usage(lError);
  MapInput& lInput = _Input;
  if (const int lStatus = RunLoad([&] { return lInput.Load(_Data, _Colors); })) return lStatus;
  // An order map whose tables and image cannot fit is refused before it starts.
  if (_Data.Order && !MemoryBudget::Fits("order map", lInput.OrderMapBytes(_Output.Width, _Output.Height), lError))
    return CommandSupport::Fail(lError);
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  int lStatus = 0;
  {
    const OrderInterrupts lInterrupts(_Data.Order);
    {
      Figure lFigure(_Output.Width, _Output.Height);
      PlotArea& lPlot = lFigure.AddPlot();
      lInput.Show(lPlot, _Data, _Colors);
      lStatus = Output(lFigure, lPlot, *lFont);
    }
    lStatus = Finish(lInterrupts, lStatus);
  }
  return lStatus;
}
