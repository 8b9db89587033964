// The Welch spectrum of a spectrum request's signal, computed and shown as one curve of power over
// frequency. Keeps the frequencies and the power (in dB when the request asks).
#ifndef PowerPlot_H
#define PowerPlot_H

#include "AnalysisPlot.h"
#include "PowerRequest.h"

class PowerPlot : public AnalysisPlot {
 public:
  // Computes the spectrum of a checked request; false with oError. Frames left out are warned of.
  bool Compute(const PowerRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings);

  const std::vector<double>& GetFrequencies() const { return _Frequencies; }
  const std::vector<double>& GetPower() const { return _Power; }

 private:
  std::vector<double> _Frequencies;
  std::vector<double> _Power;
};

#endif
