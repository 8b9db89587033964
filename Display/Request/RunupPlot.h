// The run-up of a run-up request's signal and speed, computed (spectra binned by speed) and shown
// as a map of frequency (with order interpolation when asked) or order (X) over speed (Z), or as
// the curves of order cuts over speed. Keeps the spectra and what is shown of them.
#ifndef RunupPlot_H
#define RunupPlot_H

#include "AnalysisPlot.h"
#include "RunupRequest.h"
#include "RunupPowers.h"

class RunupPlot : public AnalysisPlot {
 public:
  // Computes the run-up of a checked request; false with oError.
  bool Compute(const RunupRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings);

  const RunupPowers& GetSpectra() const { return _Spectra; }
  // The X of what is shown (frequencies, orders or the cuts' orders) and its values: rows of
  // speeds (a row per order for cuts).
  const std::vector<double>& GetX() const { return _X; }
  const std::vector<double>& GetValues() const { return _Values; }

 private:
  bool ShowCuts(const RunupRequest& iRequest, RequestError& oError);

  RunupPowers _Spectra;
  std::vector<double> _X;
  std::vector<double> _Values;
};

#endif
