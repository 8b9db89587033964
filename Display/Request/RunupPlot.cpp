#include "RunupPlot.h"

#include "DataSource.h"
#include "Decibels.h"
#include "OptionText.h"
#include "SignalSource.h"
#include "SpeedTrace.h"

bool RunupPlot::Compute(const RunupRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings) {
  FrameSettings lSettings = iRequest.Settings;
  const RefPtr<ArrayVector> lSignal = SignalSource::Load(iRequest, lSettings, oError);
  if (!lSignal) return false;
  const DataInput& lSpeedInput = iRequest.Rpm.IsGiven() ? iRequest.Rpm : iRequest.Tacho;
  const RefPtr<ArrayVector> lSpeedChannel = DataSource::Vector(lSpeedInput, oError);
  if (!lSpeedChannel) return false;
  if (lSpeedChannel->GetLength() != lSignal->GetLength())
    return oError.Data(lSpeedInput.Label() + " has " + std::to_string(lSpeedChannel->GetLength()) +
                       " values and the signal " + std::to_string(lSignal->GetLength()) +
                       ": give one per sample of the signal");
  SpeedTrace lSpeed;
  std::string lError;
  const bool lTraced = iRequest.Rpm.IsGiven()
                           ? lSpeed.FromRpm(*lSpeedChannel, lSettings.Rate, lError)
                           : lSpeed.FromTacho(*lSpeedChannel, lSettings.Rate, static_cast<int>(iRequest.PulsesPerRev),
                                              iRequest.Trigger, lError);
  if (!lTraced) return oError.Data(lSpeedInput.Label() + ": " + lError);
  if (!_Spectra.Compute(*lSignal, lSettings, lSpeed, iRequest.RpmStep, ioWarnings, lError))
    return SignalSource::Failed(iRequest, lError, oError);
  if (!iRequest.CutOrders.empty()) return ShowCuts(iRequest, oError);
  const std::vector<double>& lSpeeds = _Spectra.GetSpeeds();
  if (iRequest.Orders) {
    _Spectra.OrderMap(iRequest.MaxOrder, _X, _Values);
  } else {
    _X = _Spectra.GetFrequencies();
    _Values = _Spectra.GetValues();
  }
  if (iRequest.Db) Decibels::Apply(_Values);
  _Map = iRequest;
  _Map.Transpose = false;
  _Map.ZFactor = 1.0 / 60.0;
  if (!Input(_X, _X.size(), 1, false, iRequest.Orders ? "orders" : "frequencies", _Map.X, oError) ||
      !Input(lSpeeds, lSpeeds.size(), 1, false, "speeds", _Map.Z, oError) ||
      !Input(_Values, lSpeeds.size(), _X.size(), true, "run-up", _Map.Values, oError))
    return false;
  if (_Map.XLabel.empty()) _Map.XLabel = iRequest.Orders ? "Order" : "Frequency [Hz]";
  if (_Map.ZLabel.empty()) _Map.ZLabel = "Speed [rpm]";
  if (_Map.ValueLabel.empty()) _Map.ValueLabel = iRequest.PowerLabel();
  _IsMap = true;
  return true;
}

bool RunupPlot::ShowCuts(const RunupRequest& iRequest, RequestError& oError) {
  const std::vector<double>& lSpeeds = _Spectra.GetSpeeds();
  _X = iRequest.CutOrders;
  _Values.clear();
  for (const double lOrder : _X) {
    const std::vector<double> lLevels = _Spectra.OrderCut(lOrder);
    _Values.insert(_Values.end(), lLevels.begin(), lLevels.end());
  }
  if (iRequest.Db) Decibels::Apply(_Values);
  _Curves = CurveRequest();
  _Curves.Title = iRequest.Title;
  _Curves.Width = iRequest.Width;
  _Curves.Height = iRequest.Height;
  _Curves.XLabel = iRequest.ZLabel.empty() ? "Speed [rpm]" : iRequest.ZLabel;
  _Curves.YLabel = iRequest.ValueLabel.empty() ? std::string(iRequest.Db ? "Level [dB re 1 unit²]" : "Level [unit²]")
                                               : iRequest.ValueLabel;
  _Curves.Limits[0] = iRequest.ZMin;
  _Curves.Limits[1] = iRequest.ZMax;
  _Curves.Limits[2] = iRequest.Min;
  _Curves.Limits[3] = iRequest.Max;
  if (!Input(lSpeeds, lSpeeds.size(), 1, false, "speeds", _Curves.X, oError)) return false;
  for (size_t i = 0; i < _X.size(); ++i) {
    _Curves.Y.emplace_back();
    const std::vector<double> lRow(_Values.begin() + static_cast<long>(i * lSpeeds.size()),
                                   _Values.begin() + static_cast<long>((i + 1) * lSpeeds.size()));
    if (!Input(lRow, lRow.size(), 1, false, "order cut", _Curves.Y.back(), oError)) return false;
    _Curves.Y.back().Name = "order " + OptionText::Number(_X[i]);
  }
  _IsMap = false;
  return true;
}
