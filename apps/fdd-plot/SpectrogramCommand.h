// fdd-plot spectrogram: the power of a recording's frames over time and frequency as a colour
// map, the frames reduced into the picture's columns as they are computed.
#ifndef SpectrogramCommand_H
#define SpectrogramCommand_H

#include "AnalysisCommand.h"
#include "SpectrogramPlot.h"
#include "SpectrogramRequest.h"

class SpectrogramCommand : public AnalysisCommand<SpectrogramRequest, SpectrogramPlot> {
 public:
  SpectrogramCommand();

 protected:
  bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) override;
};

#endif
