#include "RunupPowers.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "ArrayVector.h"
#include "FramePower.h"
#include "SpeedTrace.h"
#include "WelchAverage.h"

bool RunupPowers::Compute(const ArrayVector& iSignal, const FrameSettings& iSettings, const SpeedTrace& iSpeed,
                           double iRpmStep, std::vector<std::string>& ioWarnings, std::string& oError) {
  _Settings = iSettings;
  FramePower lPower;
  if (!lPower.Prepare(iSettings, oError)) return false;
  _BinEnergy = lPower.GetBinEnergy();
  const unsigned long long lCount = iSettings.Frames(iSignal.GetLength());
  if (lCount == 0) {
    oError = FramePower::NoFrame(iSettings);
    return false;
  }
  const size_t lBins = static_cast<size_t>(iSettings.Bins());
  // Speed bin -> its sum of spectra and its count of frames.
  std::map<long long, std::pair<std::vector<double>, unsigned long long>> lRows;
  const unsigned long long lSkipped = lPower.Sweep(iSignal, 0, lCount, [&](unsigned long long f, const double* p) {
    const long long lBin = std::llround(iSpeed.At(iSettings.FrameTime(f)) / iRpmStep);
    auto& lRow = lRows[lBin];
    if (lRow.first.empty()) lRow.first.assign(lBins, 0.0);
    for (size_t k = 0; k < lBins; ++k)
      lRow.first[k] = iSettings.MaxAverage ? std::max(lRow.first[k], p[k]) : lRow.first[k] + p[k];
    ++lRow.second;
  });
  if (!FramePower::Finish(lSkipped, lCount, ioWarnings, oError)) return false;
  _Frequencies = WelchAverage::Frequencies(iSettings);
  _Speeds.clear();
  _Values.clear();
  _Values.reserve(lRows.size() * lBins);
  for (const auto& lRow : lRows) {
    _Speeds.push_back(static_cast<double>(lRow.first) * iRpmStep);
    const double lDivide = iSettings.MaxAverage ? 1.0 : static_cast<double>(lRow.second.second);
    for (const double v : lRow.second.first) _Values.push_back(v / lDivide);
  }
  return true;
}

void RunupPowers::OrderMap(double iMaxOrder, std::vector<double>& oOrders, std::vector<double>& oValues) const {
  oOrders.clear();
  oValues.clear();
  if (_Speeds.empty()) return;
  const size_t lBins = _Frequencies.size();
  const double lTop = _Speeds.back() / 60.0, lBinWidth = _Settings.Rate / _Settings.Nfft;
  const double lStep = lBinWidth / lTop;
  const double lMax = iMaxOrder > 0.0 ? iMaxOrder : _Frequencies.back() / lTop;
  for (size_t j = 0; static_cast<double>(j) * lStep <= lMax * (1.0 + 1e-12); ++j) oOrders.push_back(static_cast<double>(j) * lStep);
  oValues.reserve(_Speeds.size() * oOrders.size());
  for (size_t r = 0; r < _Speeds.size(); ++r) {
    const double* lRow = &_Values[r * lBins];
    const double lShaft = _Speeds[r] / 60.0;
    for (const double o : oOrders) {
      // The bin position of the order's frequency, interpolated between its two bins.
      const double lPosition = o * lShaft / lBinWidth;
      const size_t k = static_cast<size_t>(lPosition);
      if (lPosition > static_cast<double>(lBins - 1)) {
        oValues.push_back(NAN);
        continue;
      }
      const double lFraction = lPosition - static_cast<double>(k);
      oValues.push_back(k + 1 < lBins ? lRow[k] + lFraction * (lRow[k + 1] - lRow[k]) : lRow[k]);
    }
  }
}

std::vector<double> RunupPowers::OrderCut(double iOrder) const {
  std::vector<double> lLevels;
  const size_t lBins = _Frequencies.size();
  const double lBinWidth = _Settings.Rate / _Settings.Nfft;
  const double lHalf = WindowFunction::LobeHalfWidth(_Settings.Window);
  for (size_t r = 0; r < _Speeds.size(); ++r) {
    const double lCentre = iOrder * _Speeds[r] / 60.0 / lBinWidth;
    if (lCentre > static_cast<double>(lBins - 1)) {
      lLevels.push_back(NAN);
      continue;
    }
    const long long lLow = std::max(0LL, static_cast<long long>(std::ceil(lCentre - lHalf)));
    const long long lHigh = std::min(static_cast<long long>(lBins) - 1, static_cast<long long>(std::floor(lCentre + lHalf)));
    double lSum = 0.0;
    for (long long k = lLow; k <= lHigh; ++k) lSum += _Values[r * lBins + static_cast<size_t>(k)];
    lLevels.push_back(lSum * _BinEnergy);
  }
  return lLevels;
}
