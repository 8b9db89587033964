// A spectrogram reduced into fewer columns than frames: each column holds the largest power of its
// frames, so a one-sample knock keeps the level of its own frame.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "AnalysisTestSignals.h"
#include "FrameColumns.h"

TEST(FrameColumnsTest, AColumnKeepsTheLargestPowerOfItsFrames) {
  std::vector<double> lValues(256 * 1000);
  std::mt19937 lRandom(5);
  std::normal_distribution<double> lNormal(0.0, 0.01);
  for (double& v : lValues) v = lNormal(lRandom);
  const size_t lKnock = 256 * 500 + 100;
  lValues[lKnock] = 10.0;
  FrameSettings s;
  s.Nfft = 256;
  s.Overlap = 0.0;
  s.Rate = 1000.0;
  std::vector<std::string> lWarnings;
  std::string lError;
  FrameColumns lReduced, lKnockFrame;
  ASSERT_TRUE(lReduced.Compute(*SignalOf(lValues), s, 50, NAN, NAN, lWarnings, lError)) << lError;
  ASSERT_EQ(lReduced.GetTimes().size(), 50u);
  // The knock's frame alone: its middle's time is the only one in the range.
  const double lTime = s.FrameTime(500);
  ASSERT_TRUE(lKnockFrame.Compute(*SignalOf(lValues), s, 0, lTime, lTime, lWarnings, lError)) << lError;
  ASSERT_EQ(lKnockFrame.GetTimes().size(), 1u);
  const size_t lBins = lReduced.GetFrequencies().size();
  const size_t lColumn = 500 * 50 / 999;
  for (size_t k = 0; k < lBins; ++k)
    EXPECT_DOUBLE_EQ(lReduced.GetValues()[lColumn * lBins + k], lKnockFrame.GetValues()[k]) << k;
}
