// The run-up analysis against analytic truth: a synthetic run-up of known orders and amplitudes
// with its exact tacho pulse train.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AnalysisTestSignals.h"
#include "RunupPowers.h"
#include "SpeedTrace.h"
#include "SyntheticRunUp.h"

namespace {

constexpr double kRate = 2048.0;

SyntheticRunUp RunUp(std::vector<std::pair<double, double>> iProfile) {
  SyntheticRunUp r;
  r.Rate = kRate;
  r.Profile = std::move(iProfile);
  r.Orders = {{2.0, 1.0}, {4.5, 0.5}, {6.0, 0.25}};
  // Two pulses a revolution: at 6000 rpm ten samples a pulse, so that the crossings interpolated
  // between samples are timed well within the tolerance.
  r.Pulses = 2;
  return r;
}

const std::vector<std::pair<double, double>> kRunUp = {{0.0, 600.0}, {60.0, 6000.0}};

struct Analysed {
  SpeedTrace speed;
  RunupPowers spectra;
};

// The run-up of iRunUp with the speed from its tacho, analysed with iWindow.
void Analyse(const SyntheticRunUp& iRunUp, WindowFunction::eKind iWindow, Analysed& oResult) {
  std::vector<double> lSignal, lTacho, lRpm;
  ASSERT_TRUE(iRunUp.Make(lSignal, lTacho, lRpm));
  std::string lError;
  ASSERT_TRUE(oResult.speed.FromTacho(*SignalOf(lTacho), kRate, iRunUp.Pulses, NAN, lError)) << lError;
  FrameSettings s;
  s.Window = iWindow;
  s.Nfft = 1024;
  s.Overlap = 0.5;
  s.Rate = kRate;
  std::vector<std::string> lWarnings;
  ASSERT_TRUE(oResult.spectra.Compute(*SignalOf(lSignal), s, oResult.speed, 25.0, lWarnings, lError)) << lError;
}

TEST(RunupTruthTest, SpeedFromTheTachoIsWithinATenthOfAPercent) {
  const SyntheticRunUp r = RunUp(kRunUp);
  Analysed a;
  Analyse(r, WindowFunction::eHann, a);
  const std::vector<double>& t = a.speed.GetTimes();
  ASSERT_GT(t.size(), 100u);
  double lWorst = 0.0;
  for (double lTime = t.front(); lTime <= t.back(); lTime += 0.01)
    lWorst = std::max(lWorst, std::fabs(a.speed.At(lTime) / r.Rpm(lTime) - 1.0));
  EXPECT_LT(lWorst, 0.002);
}

TEST(RunupTruthTest, EveryRowPeaksWithinOneBinOfEachOrder) {
  Analysed a;
  Analyse(RunUp(kRunUp), WindowFunction::eHann, a);
  std::vector<double> lOrders, lMap;
  a.spectra.OrderMap(0.0, lOrders, lMap);
  const std::vector<double>& lSpeeds = a.spectra.GetSpeeds();
  ASSERT_GT(lSpeeds.size(), 200u);
  const double lBin = kRate / 1024;
  for (size_t r = 0; r < lSpeeds.size(); ++r)
    for (const double k : {2.0, 4.5, 6.0}) {
      // The largest value within 0.6 orders of k: the orders lie 1.5 apart or more.
      size_t lPeak = 0;
      for (size_t j = 0; j < lOrders.size(); ++j)
        if (std::fabs(lOrders[j] - k) < 0.6 && (lPeak == 0 || lMap[r * lOrders.size() + j] > lMap[r * lOrders.size() + lPeak]))
          lPeak = j;
      EXPECT_LE(std::fabs(lOrders[lPeak] - k), lBin / (lSpeeds[r] / 60.0)) << lSpeeds[r] << " rpm, order " << k;
    }
}

// The order cuts of a run, as decibels of the mean square, where the main lobes of neighbouring
// orders (1.5 orders apart) do not touch.
std::vector<std::vector<double>> Cuts(const Analysed& iAnalysed, std::vector<double>& oSpeeds) {
  std::vector<std::vector<double>> lCuts;
  const std::vector<double>& lSpeeds = iAnalysed.spectra.GetSpeeds();
  const double lLobes = 2.0 * WindowFunction::LobeHalfWidth(WindowFunction::eFlatTop) * kRate / 1024;
  for (const double k : {2.0, 4.5, 6.0}) {
    const std::vector<double> lLevels = iAnalysed.spectra.OrderCut(k);
    lCuts.emplace_back();
    oSpeeds.clear();
    for (size_t r = 0; r < lSpeeds.size(); ++r)
      if (1.5 * lSpeeds[r] / 60.0 > lLobes) {
        lCuts.back().push_back(10.0 * std::log10(lLevels[r]));
        oSpeeds.push_back(lSpeeds[r]);
      }
  }
  return lCuts;
}

TEST(RunupTruthTest, OrderCutsReadTheAmplitudesWithinHalfADecibelWithTheFlatTop) {
  const SyntheticRunUp r = RunUp(kRunUp);
  Analysed a;
  Analyse(r, WindowFunction::eFlatTop, a);
  std::vector<double> lSpeeds;
  const std::vector<std::vector<double>> lCuts = Cuts(a, lSpeeds);
  ASSERT_GT(lSpeeds.size(), 150u);
  for (size_t i = 0; i < lCuts.size(); ++i) {
    const double lTruth = 10.0 * std::log10(r.Orders[i].second * r.Orders[i].second / 2.0);
    for (size_t j = 0; j < lSpeeds.size(); ++j)
      EXPECT_NEAR(lCuts[i][j], lTruth, 0.5) << lSpeeds[j] << " rpm, order " << r.Orders[i].first;
  }
}

// The same speeds passed another way: down, or up with a stall and a dip, out of order in time.
TEST(RunupTruthTest, ARunDownAndAStallingRunGiveTheMapOfTheRunUp) {
  Analysed lUp;
  Analyse(RunUp(kRunUp), WindowFunction::eFlatTop, lUp);
  std::vector<double> lUpSpeeds;
  const std::vector<std::vector<double>> lUpCuts = Cuts(lUp, lUpSpeeds);
  for (const auto& lProfile : {std::vector<std::pair<double, double>>{{0.0, 6000.0}, {60.0, 600.0}},
                               std::vector<std::pair<double, double>>{
                                   {0.0, 600.0}, {25.0, 3000.0}, {30.0, 3000.0}, {35.0, 2000.0}, {75.0, 6000.0}}}) {
    Analysed lOther;
    Analyse(RunUp(lProfile), WindowFunction::eFlatTop, lOther);
    std::vector<double> lSpeeds;
    const std::vector<std::vector<double>> lCuts = Cuts(lOther, lSpeeds);
    // The speeds both passed (the ends may fall into a bin in one run and not the other).
    size_t lShared = 0;
    for (size_t j = 0; j < lSpeeds.size(); ++j) {
      const auto lUp = std::find(lUpSpeeds.begin(), lUpSpeeds.end(), lSpeeds[j]);
      if (lUp == lUpSpeeds.end()) continue;
      ++lShared;
      for (size_t i = 0; i < lCuts.size(); ++i)
        EXPECT_NEAR(lCuts[i][j], lUpCuts[i][static_cast<size_t>(lUp - lUpSpeeds.begin())], 0.5) << lSpeeds[j];
    }
    EXPECT_GE(lShared + 2, lUpSpeeds.size());
  }
}

}  // namespace
