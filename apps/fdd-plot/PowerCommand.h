// fdd-plot spectrum: the Welch spectrum of a recording as a curve of power over frequency.
#ifndef PowerCommand_H
#define PowerCommand_H

#include "AnalysisCommand.h"
#include "PowerPlot.h"
#include "PowerRequest.h"

class PowerCommand : public AnalysisCommand<PowerRequest, PowerPlot> {
 public:
  PowerCommand();

 protected:
  bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) override;
};

#endif
