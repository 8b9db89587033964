#include "ContributionCommand.h"

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "PlotArea.h"
#include "RequestCheck.h"

void ContributionCommand::Register(CLI::App& ioApp) {
  _Command = ioApp.add_subcommand("contribution", "Draw a contribution bar: the colours of values y along x");
  _Binding.Bind(*_Command, _Request);
  _Output.Register(*_Command);
}

int ContributionCommand::Run() {
  RequestError lError;
  _Binding.Finish(_Request);
  if (!RequestCheck::Run(_Request, lError) || !_Output.Check(lError)) return CommandSupport::Usage(lError.Message);
  if (!_Plot.Load(_Request, lError)) return CommandSupport::Failed(lError, lError.Status());
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  Figure lFigure(_Request.Width, _Request.Height);
  _Plot.Show(lFigure.AddPlot());
  return _Output.Write(lFigure, *lFont) ? 0 : 1;
}
