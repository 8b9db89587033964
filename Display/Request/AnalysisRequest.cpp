#include "AnalysisRequest.h"

#include <cmath>

#include "OptionText.h"

namespace {
constexpr double kMaxNfft = 16777216.0;
}

bool AnalysisRequest::Check(RequestError& oError) {
  if (!(Nfft >= 2.0 && Nfft <= kMaxNfft && Nfft == std::floor(Nfft)))
    return oError.Usage(OptionText::Option("nfft") + " " + OptionText::Number(Nfft) +
                        ": give a whole number of samples from 2 to 16777216, such as 4096");
  if (!(Overlap >= 0.0 && Overlap < 1.0))
    return oError.Usage(OptionText::Option("overlap") + " " + OptionText::Number(Overlap) +
                        ": give a fraction from 0 up to, not including, 1, such as 0.5");
  if (!std::isnan(Rate) && !(Rate > 0.0 && std::isfinite(Rate)))
    return oError.Usage(OptionText::Option("rate") + " " + OptionText::Number(Rate) + ": give a rate above 0 Hz");
  WindowFunction::FromName(Window, Settings.Window);
  Settings.Nfft = static_cast<int>(Nfft);
  Settings.Overlap = Overlap;
  Settings.Density = Scaling != "spectrum";
  Settings.MaxAverage = Average == "max";
  Settings.Rate = Rate;
  return true;
}

std::string AnalysisRequest::PowerLabel() const {
  const std::string lUnit = Settings.Density ? "unit²/Hz" : "unit²";
  return std::string(Settings.Density ? "PSD" : "Power") + (Db ? " [dB re 1 " + lUnit + "]" : " [" + lUnit + "]");
}
