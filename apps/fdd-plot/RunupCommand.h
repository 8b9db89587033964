// fdd-plot runup: the spectra of a recording binned by the shaft's speed (from a speed channel or
// a tacho), drawn as frequency or order over speed, or as order cuts.
#ifndef RunupCommand_H
#define RunupCommand_H

#include "AnalysisCommand.h"
#include "RunupPlot.h"
#include "RunupRequest.h"

class RunupCommand : public AnalysisCommand<RunupRequest, RunupPlot> {
 public:
  RunupCommand();

 protected:
  bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) override;
};

#endif
