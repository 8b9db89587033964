#include "MapCommand.h"

#include <CLI/CLI.hpp>

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "MapInput.h"
#include "OrderInterrupts.h"

void MapCommand::Register(CLI::App& ioApp) {
  _Command = ioApp.add_subcommand("map", "Draw a colour map of values over X and Z, with its colour scale");
  _Data.Register(*_Command);
  _Colors.Register(*_Command);
  _Output.Register(*_Command, "900x700", "Picture size WIDTHxHEIGHT in pixels", true);
}

bool MapCommand::Parsed() const { return _Command && _Command->parsed(); }

int MapCommand::Run() {
  std::string lError;
  if (!_Output.Check("", lError) || !_Data.Check(lError) || !_Colors.Check(lError))
    return CommandSupport::Usage(lError);
  MapInput lInput;
  if (const int lStatus = lInput.Load(_Data, _Colors)) return lStatus;
  CATFont* lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  int lStatus = 0;
  {
    const OrderInterrupts lInterrupts(_Data.Order);
    {
      Figure lFigure(_Output.Width, _Output.Height);
      lInput.Show(lFigure.AddPlot(), _Data, _Colors);
      if (!_Output.Write(lFigure, *lFont)) lStatus = 1;
    }
    lStatus = lInterrupts.Finish(lStatus, _Output.Out);
  }
  lFont->Release();
  return lStatus;
}
