#include "MapCommand.h"

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "OrderInterrupts.h"
#include "RequestCheck.h"

void MapCommand::Register(CLI::App& ioApp) {
  RegisterMap(ioApp, "map", "Draw a colour map of values over X and Z, with its colour scale", true);
}

void MapCommand::RegisterMap(CLI::App& ioApp, const char* iName, const char* iDescription, bool iFile,
                             bool iProbe) {
  _Command = ioApp.add_subcommand(iName, iDescription);
  if (iProbe)
    _ProbeBinding.Bind(*_Command, _Request);
  else
    _Binding.Bind(*_Command, _Request, MapRequest::Options());
  _File = iFile;
  if (iFile) _Output.Register(*_Command);
}

bool MapCommand::Check(RequestError& oError) {
  _Binding.Finish(_Request);
  return RequestCheck::Run(static_cast<MapRequest&>(_Request), oError) && (!_File || _Output.Check(oError));
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
  RequestError lError;
  if (!Check(lError)) return CommandSupport::Usage(lError.Message);
  if (const int lStatus = RunLoad([&] { return _Plot.Load(_Request, _Request.Width, _Request.Height, lError) ? 0 : lError.Status(); }))
    return CommandSupport::Failed(lError, lStatus);
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  int lStatus = 0;
  {
    const OrderInterrupts lInterrupts(_Request.Order);
    {
      Figure lFigure(_Request.Width, _Request.Height);
      PlotArea& lPlot = lFigure.AddPlot();
      _Plot.Show(lPlot);
      lStatus = Output(lFigure, lPlot, *lFont);
    }
    lStatus = Finish(lInterrupts, lStatus);
  }
  return lStatus;
}
