// fdd-plot spectrogram: the power of a recording's frames over time and frequency as a colour
// map, the frames reduced into the picture's columns as they are computed.
#ifndef TimeFrequencyCommand_H
#define TimeFrequencyCommand_H

#include "AnalysisCommand.h"
#include "TimeFrequencyPlot.h"
#include "TimeFrequencyRequest.h"

class TimeFrequencyCommand : public AnalysisCommand<TimeFrequencyRequest, TimeFrequencyPlot> {
 public:
  TimeFrequencyCommand();

 protected:
  bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) override;
};

#endif
