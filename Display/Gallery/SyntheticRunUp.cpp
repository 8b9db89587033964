#include "SyntheticRunUp.h"

#include <cmath>
#include <new>
#include <random>

double SyntheticRunUp::Rpm(double iTime) const {
  if (Profile.empty()) return 0.0;
  if (iTime <= Profile.front().first) return Profile.front().second;
  for (size_t i = 1; i < Profile.size(); ++i)
    if (iTime <= Profile[i].first) {
      const double lFraction = (iTime - Profile[i - 1].first) / (Profile[i].first - Profile[i - 1].first);
      return Profile[i - 1].second + lFraction * (Profile[i].second - Profile[i - 1].second);
    }
  return Profile.back().second;
}

bool SyntheticRunUp::Make(std::vector<double>& oSignal, std::vector<double>& oTacho, std::vector<double>& oRpm) const {
  const size_t n = Profile.empty() ? 0 : static_cast<size_t>(Profile.back().first * Rate);
  oSignal.clear();
  oTacho.clear();
  oRpm.clear();
  try {
    oSignal.reserve(n);
    oTacho.reserve(n);
    oRpm.reserve(n);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::mt19937_64 lRandom(27);
  std::normal_distribution<double> lNormal(0.0, 1.0);
  // The shaft's angle in revolutions, integrated by the trapezoid rule (exact for straight lines).
  double lTurns = 0.0, lPrevious = Rpm(0.0);
  const size_t lKnock = KnockTime >= 0.0 ? static_cast<size_t>(KnockTime * Rate) : n;
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / Rate, lRpm = Rpm(t);
    if (i > 0) lTurns += 0.5 * (lPrevious + lRpm) / 60.0 / Rate;
    lPrevious = lRpm;
    double lValue = 0.0;
    for (const auto& lOrder : Orders) {
      const double lHz = lOrder.first * lRpm / 60.0;
      const double lOffset = (lHz - ResonanceHz) / ResonanceWidthHz;
      const double lGain = ResonanceHz > 0.0 ? 1.0 + ResonanceGain / (1.0 + lOffset * lOffset) : 1.0;
      lValue += lGain * lOrder.second * std::sin(2.0 * M_PI * lOrder.first * lTurns);
    }
    if (Noise > 0.0) lValue += Noise * lNormal(lRandom);
    if (i == lKnock) lValue += Knock;
    oSignal.push_back(lValue);
    oTacho.push_back(std::sin(2.0 * M_PI * Pulses * lTurns));
    oRpm.push_back(lRpm);
  }
  return true;
}
