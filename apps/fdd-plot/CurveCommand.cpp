#include "CurveCommand.h"

#include <cstdio>

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "PlotArea.h"
#include "RequestCheck.h"

void CurveCommand::Register(CLI::App& ioApp) { RegisterCurve(ioApp, true); }

void CurveCommand::RegisterCurve(CLI::App& ioApp, bool iFile) {
  _Command = ioApp.add_subcommand("curve", "Plot one or more curves y(x) from .npy or CSV files");
  _Binding.Bind(*_Command, _Request);
  _File = iFile;
  if (iFile) _Output.Register(*_Command);
}

int CurveCommand::Run() {
  RequestError lError;
  _Binding.Finish(_Request);
  if (!RequestCheck::Run(_Request, lError) || (_File && !_Output.Check(lError)))
    return CommandSupport::Usage(lError.Message);
  std::vector<std::string> lWarnings;
  if (const int lLoaded = RunLoad([&] { return _Plot.Load(_Request, lError, lWarnings) ? 0 : lError.Status(); }))
    return CommandSupport::Failed(lError, lLoaded);
  for (const std::string& lWarning : lWarnings) CommandSupport::Warn(lWarning);
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  Figure lFigure(_Request.Width, _Request.Height);
  PlotArea& lPlot = lFigure.AddPlot();
  _Plot.Show(lPlot);
  return Output(lFigure, lPlot, *lFont);
}

int CurveCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  (void)ioPlot;
  if (!_Request.Stats) return _Output.Write(ioFigure, iFont) ? 0 : 1;
  // Standard output carries the table alone, so that it reads as CSV.
  if (!CommandSupport::Write(ioFigure, _Output.Out, iFont)) return 1;
  PrintStats();
  return 0;
}

void CurveCommand::PrintStats() const {
  if (_Request.Stats) std::fputs(_Plot.GetCursorTable().Csv().c_str(), stdout);
}
