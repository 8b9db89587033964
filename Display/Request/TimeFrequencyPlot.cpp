#include "TimeFrequencyPlot.h"

#include <algorithm>
#include <cmath>

#include "Decibels.h"
#include "SignalSource.h"

bool TimeFrequencyPlot::Compute(const TimeFrequencyRequest& iRequest, int iColumns, double iTimeMin, double iTimeMax,
                              RequestError& oError, std::vector<std::string>& ioWarnings) {
  _Request = iRequest;
  _Settings = iRequest.Settings;
  if (!(_Signal = SignalSource::Load(iRequest, _Settings, oError))) return false;
  std::string lError;
  if (!_Columns.Compute(*_Signal, _Settings, iColumns, iTimeMin, iTimeMax, ioWarnings, lError))
    return SignalSource::Failed(iRequest, lError, oError);
  return MakeMap(oError);
}

bool TimeFrequencyPlot::ComputeView(const TimeFrequencyPlot& iWhole, int iColumns, double iTimeMin, double iTimeMax,
                                  RequestError& oError) {
  _Request = iWhole._Request;
  _Settings = iWhole._Settings;
  _Signal = iWhole._Signal;
  if (!_Signal || iColumns < 1) return oError.Data("no signal");
  // A hop of one column, at least one sample and at most a frame.
  const double lHop = std::clamp(std::floor((iTimeMax - iTimeMin) / iColumns * _Settings.Rate), 1.0,
                                 static_cast<double>(_Settings.Nfft));
  _Settings.Overlap = (_Settings.Nfft - lHop + 0.5) / _Settings.Nfft;
  std::vector<std::string> lWarnings;
  std::string lError;
  if (!_Columns.Compute(*_Signal, _Settings, iColumns, iTimeMin, iTimeMax, lWarnings, lError))
    return SignalSource::Failed(_Request, lError, oError);
  if (!MakeMap(oError)) return false;
  // The colours of the whole map, so that a zoom shows levels as they were.
  const MapRequest& lWhole = iWhole.GetLoadedMap();
  if (std::isfinite(lWhole.Min) && std::isfinite(lWhole.Max)) {
    _Map.ValueLimits = "whole";
    _Map.Min = lWhole.Min;
    _Map.Max = lWhole.Max;
  }
  return true;
}

bool TimeFrequencyPlot::MakeMap(RequestError& oError) {
  const TimeFrequencyRequest& r = _Request;
  std::vector<double>& lValues = _Columns.GetValues();
  if (r.Db) Decibels::Apply(lValues);
  _Map = r;
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
  if (_Map.ValueLabel.empty()) _Map.ValueLabel = r.PowerLabel();
  _IsMap = true;
  return true;
}
