#include "PowerCommand.h"

PowerCommand::PowerCommand()
    : AnalysisCommand("spectrum", "Plot the spectrum of a recording (Welch's averaged periodogram, one-sided)") {}

bool PowerCommand::Compute(RequestError& oError, std::vector<std::string>& ioWarnings) {
  return _Plot.Compute(_Request, oError, ioWarnings);
}
