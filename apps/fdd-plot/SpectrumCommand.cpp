#include "SpectrumCommand.h"

SpectrumCommand::SpectrumCommand()
    : AnalysisCommand("spectrum", "Plot the spectrum of a recording (Welch's averaged periodogram, one-sided)") {}

bool SpectrumCommand::Compute(RequestError& oError, std::vector<std::string>& ioWarnings) {
  return _Plot.Compute(_Request, oError, ioWarnings);
}
