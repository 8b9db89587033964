#include "PowerPlot.h"

#include "Decibels.h"
#include "SignalSource.h"
#include "WelchAverage.h"

bool PowerPlot::Compute(const PowerRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings) {
  FrameSettings lSettings = iRequest.Settings;
  const RefPtr<ArrayVector> lSignal = SignalSource::Load(iRequest, lSettings, oError);
  if (!lSignal) return false;
  std::string lError;
  if (!WelchAverage::Compute(*lSignal, lSettings, _Frequencies, _Power, ioWarnings, lError))
    return SignalSource::Failed(iRequest, lError, oError);
  if (iRequest.Db) Decibels::Apply(_Power);
  _Curves = iRequest;
  _Curves.Y.assign(1, {});
  if (!Input(_Frequencies, _Frequencies.size(), 1, false, "frequencies", _Curves.X, oError) ||
      !Input(_Power, _Power.size(), 1, false, "spectrum", _Curves.Y.front(), oError))
    return false;
  _Curves.Y.front().Name = iRequest.Signal.Label();
  if (_Curves.XLabel.empty()) _Curves.XLabel = "Frequency [Hz]";
  if (_Curves.YLabel.empty()) _Curves.YLabel = iRequest.PowerLabel();
  _IsMap = false;
  return true;
}
