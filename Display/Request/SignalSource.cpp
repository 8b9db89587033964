#include "SignalSource.h"

#include <cmath>
#include <vector>

#include "DataSource.h"
#include "OptionText.h"

bool SignalSource::Failed(const AnalysisRequest& iRequest, const std::string& iMessage, RequestError& oError) {
  if (iMessage.find("out of memory") != std::string::npos) return oError.Memory(iRequest.Signal.Label() + ": " + iMessage);
  return oError.Data(iRequest.Signal.Label() + ": " + iMessage);
}

RefPtr<ArrayVector> SignalSource::Load(const AnalysisRequest& iRequest, FrameSettings& ioSettings,
                                       RequestError& oError) {
  // The request's rate, else the one the file carries (a sound file's).
  DataAxis lTime;
  RefPtr<ArrayVector> lSignal = DataSource::Vector(iRequest.Signal, oError, nullptr, &lTime);
  if (!lSignal) return {};
  ioSettings.Rate = iRequest.Rate > 0.0 ? iRequest.Rate : lTime.Rate;
  if (!(ioSettings.Rate > 0.0)) {
    oError.Usage("give the sampling rate of " + iRequest.Signal.Label() + " with " + OptionText::Option("rate"));
    return {};
  }
  const unsigned int n = lSignal->GetLength();
  if (n < static_cast<unsigned int>(ioSettings.Nfft)) {
    oError.Data(OptionText::Option("nfft") + " " + std::to_string(ioSettings.Nfft) + " is longer than the signal " +
                iRequest.Signal.Label() + " (" + std::to_string(n) + " samples)");
    return {};
  }
  // One pass for the first two different finite values: a constant signal has none.
  std::vector<double> lBlock(65536);
  double lFirst = NAN;
  for (unsigned int i = 0; i < n; i += static_cast<unsigned int>(lBlock.size())) {
    const unsigned int lRead = lSignal->GetValues(i, static_cast<unsigned int>(lBlock.size()), lBlock.data());
    for (unsigned int j = 0; j < lRead; ++j) {
      const double v = lBlock[j];
      if (!std::isfinite(v)) continue;
      if (std::isnan(lFirst)) lFirst = v;
      else if (v != lFirst) return lSignal;
    }
  }
  oError.Data(iRequest.Signal.Label() + ": " +
              (std::isnan(lFirst) ? std::string("no sample is a number")
                                  : "every sample is " + OptionText::Number(lFirst) +
                                        ": a constant signal has no spectrum but at 0 Hz"));
  return {};
}
