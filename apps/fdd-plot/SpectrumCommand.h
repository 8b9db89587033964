// fdd-plot spectrum: the Welch spectrum of a recording as a curve of power over frequency.
#ifndef SpectrumCommand_H
#define SpectrumCommand_H

#include "AnalysisCommand.h"
#include "SpectrumPlot.h"
#include "SpectrumRequest.h"

class SpectrumCommand : public AnalysisCommand<SpectrumRequest, SpectrumPlot> {
 public:
  SpectrumCommand();

 protected:
  bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) override;
};

#endif
