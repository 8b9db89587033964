#include "RunupCommand.h"

RunupCommand::RunupCommand()
    : AnalysisCommand("runup", "Draw a run-up: spectra over the shaft's speed, as frequency or order maps or order cuts") {}

bool RunupCommand::Compute(RequestError& oError, std::vector<std::string>& ioWarnings) {
  return _Plot.Compute(_Request, oError, ioWarnings);
}
