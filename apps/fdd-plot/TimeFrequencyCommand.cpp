#include "TimeFrequencyCommand.h"

#include <cmath>

TimeFrequencyCommand::TimeFrequencyCommand()
    : AnalysisCommand("spectrogram", "Draw the spectrogram of a recording: power over time and frequency") {}

bool TimeFrequencyCommand::Compute(RequestError& oError, std::vector<std::string>& ioWarnings) {
  // As many columns as the picture has pixels across: no column of the map is finer.
  return _Plot.Compute(_Request, _Request.Width, NAN, NAN, oError, ioWarnings);
}
