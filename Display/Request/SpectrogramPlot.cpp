#include "SpectrogramPlot.h"

#include "Decibels.h"
#include "SignalSource.h"

bool SpectrogramPlot::Compute(const SpectrogramRequest& iRequest, int iColumns, double iTimeMin, double iTimeMax,
                              RequestError& oError, std::vector<std::string>& ioWarnings) {
  SpectralSettings lSettings = iRequest.Settings;
  const RefPtr<ArrayVector> lSignal = SignalSource::Load(iRequest, lSettings, oError);
  if (!lSignal) return false;
  std::string lError;
  if (!_Columns.Compute(*lSignal, lSettings, iColumns, iTimeMin, iTimeMax, ioWarnings, lError))
    return SignalSource::Failed(iRequest, lError, oError);
  std::vector<double>& lValues = _Columns.GetValues();
  if (iRequest.Db) Decibels::Apply(lValues);
  _Map = iRequest;
  // The columns hold one time's bins together: a row per X value.
  _Map.Transpose = true;
  const std::vector<double>& lTimes = _Columns.GetTimes();
  const std::vector<double>& lFrequencies = _Columns.GetFrequencies();
  if (!Input(lTimes, lTimes.size(), 1, false, "times", _Map.X, oError) ||
      !Input(lFrequencies, lFrequencies.size(), 1, false, "frequencies", _Map.Z, oError) ||
      !Input(lValues, lTimes.size(), lFrequencies.size(), true, "spectrogram", _Map.Values, oError))
    return false;
  if (_Map.XLabel.empty()) _Map.XLabel = "Time [s]";
  if (_Map.ZLabel.empty()) _Map.ZLabel = "Frequency [Hz]";
  if (_Map.ValueLabel.empty()) _Map.ValueLabel = iRequest.PowerLabel();
  _IsMap = true;
  return true;
}
