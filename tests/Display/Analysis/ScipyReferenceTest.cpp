// Welch spectra and spectrograms against scipy.signal's on the same signals, for every window,
// frame lengths 256 .. 65536, overlaps 0 .. 0.875 and both scalings: every bin within a relative
// 1e-9 (bins under 1e-12 of the largest, where rounding is all there is, aside).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "AnalysisTestSignals.h"
#include "FrameColumns.h"
#include "WelchAverage.h"

namespace {

struct Case {
  const char* window;
  int nfft;
  double overlap;
  bool density;
  bool max;
  const char* signal;  // noise, on (a sine on a bin), between (a sine between bins), chirp
};

const Case kCases[] = {
    {"hann", 256, 0.5, true, false, "noise"},       {"hann", 4096, 0.875, false, false, "between"},
    {"hamming", 1024, 0.0, false, false, "on"},     {"hamming", 512, 0.75, true, false, "chirp"},
    {"blackman", 2048, 0.25, true, false, "between"}, {"blackman", 65536, 0.5, false, false, "noise"},
    {"flattop", 256, 0.75, false, false, "between"}, {"flattop", 8192, 0.125, true, false, "chirp"},
    {"rect", 1024, 0.5, true, false, "on"},         {"rect", 300, 0.6, false, false, "noise"},
    {"hann", 1000, 0.875, false, true, "chirp"},    {"flattop", 65536, 0.0, true, true, "noise"},
};

// Writes each case's signal and scipy's answers: signal, welch (mean or max) and the spectrogram.
// One run for all cases: starting Python and scipy takes longer than the cases.
const char* const kScript = R"(import sys
import numpy as np
from scipy import signal
folder = sys.argv[1]
for case in sys.argv[2:]:
  i, window, nfft, shared, density, average, kind = case.split(",")
  nfft, shared, rate = int(nfft), int(shared), 1000.0
  n = 3 * nfft + 77
  t = np.arange(n) / rate
  rng = np.random.default_rng(int(i))
  if kind == "noise":
      x = rng.standard_normal(n)
  elif kind == "on":
      x = 2.0 * np.sin(2 * np.pi * (nfft // 8) * rate / nfft * t)
  elif kind == "between":
      x = 2.0 * np.sin(2 * np.pi * (nfft // 8 + 0.5) * rate / nfft * t) + 1e-3 * rng.standard_normal(n)
  else:
      x = signal.chirp(t, 10.0, t[-1], 400.0) + 1e-3 * rng.standard_normal(n)
  name = {"rect": "boxcar"}.get(window, window)
  scaling = "density" if density == "1" else "spectrum"
  f, times, s = signal.spectrogram(x, rate, window=name, nperseg=nfft, noverlap=shared, detrend=False, scaling=scaling)
  if average == "max":
      w = s.max(axis=1)
  else:
      f, w = signal.welch(x, rate, window=name, nperseg=nfft, noverlap=shared, detrend=False, scaling=scaling)
  np.save(folder + "signal%s.npy" % i, x)
  np.save(folder + "welch%s.npy" % i, w)
  np.save(folder + "spectrogram%s.npy" % i, s.T)
  np.save(folder + "times%s.npy" % i, times)
)";

FrameSettings SettingsOf(const Case& c) {
  FrameSettings s;
  EXPECT_TRUE(WindowFunction::FromName(c.window, s.Window));
  s.Nfft = c.nfft;
  s.Overlap = c.overlap;
  s.Density = c.density;
  s.MaxAverage = c.max;
  s.Rate = 1000.0;
  return s;
}

// How many bins of iOurs are off iTheirs beyond the tolerance.
int Disagreeing(const std::vector<double>& iOurs, const std::vector<double>& iTheirs) {
  if (iOurs.size() != iTheirs.size()) return -1;
  double lMax = 0.0;
  for (const double v : iTheirs) lMax = std::max(lMax, v);
  int lOff = 0;
  for (size_t k = 0; k < iOurs.size(); ++k)
    if (iTheirs[k] >= 1e-12 * lMax && !(std::fabs(iOurs[k] - iTheirs[k]) <= 1e-9 * iTheirs[k])) ++lOff;
  return lOff;
}

class ScipyReferenceTest : public ::testing::TestWithParam<int> {
 public:
  // The references are made once for the cases as they stand, into a folder named after them, and
  // moved into place whole, so that test processes running at once never read a file half written.
  static void SetUpTestSuite() {
    std::string lCases;
    for (const Case& c : kCases)
      lCases += " " + std::to_string(&c - kCases) + "," + c.window + "," + std::to_string(c.nfft) + "," +
                std::to_string(SettingsOf(c).Shared()) + "," + (c.density ? "1" : "0") + "," + (c.max ? "max" : "mean") +
                "," + c.signal;
    sDir = AnalysisDir() + "scipy-" + std::to_string(std::hash<std::string>()(lCases + kScript)) + "/";
    sStatus = 0;
    if (std::filesystem::exists(sDir)) return;
    const std::string lName = "making-" + std::to_string(::getpid()) + "/";
    const std::string lMaking = AnalysisDir() + lName;
    std::filesystem::create_directories(lMaking);
    sStatus = RunPython(lName + "scipy_reference.py", kScript, lMaking + lCases);
    std::error_code lError;
    std::filesystem::rename(lMaking, sDir, lError);
    if (lError) std::filesystem::remove_all(lMaking, lError);
  }
  static int sStatus;
  static std::string sDir;
};

int ScipyReferenceTest::sStatus = -1;
std::string ScipyReferenceTest::sDir;

TEST_P(ScipyReferenceTest, SpectrumAndSpectrogramMatchScipy) {
  const int i = GetParam();
  const Case& c = kCases[i];
  const FrameSettings s = SettingsOf(c);
  const std::string& lDir = sDir;
  ASSERT_EQ(sStatus, 0) << "python3 with numpy and scipy is needed";
  const RefPtr<ArrayVector> lSignal = SignalOf(ReadNpy(lDir + "signal" + std::to_string(i) + ".npy"));
  std::vector<double> lFrequencies, lPower;
  std::vector<std::string> lWarnings;
  std::string lError;
  ASSERT_TRUE(WelchAverage::Compute(*lSignal, s, lFrequencies, lPower, lWarnings, lError)) << lError;
  EXPECT_EQ(Disagreeing(lPower, ReadNpy(lDir + "welch" + std::to_string(i) + ".npy")), 0);
  FrameColumns lColumns;
  ASSERT_TRUE(lColumns.Compute(*lSignal, s, 0, NAN, NAN, lWarnings, lError)) << lError;
  EXPECT_EQ(Disagreeing(lColumns.GetValues(), ReadNpy(lDir + "spectrogram" + std::to_string(i) + ".npy")), 0);
  const std::vector<double> lTimes = ReadNpy(lDir + "times" + std::to_string(i) + ".npy");
  ASSERT_EQ(lColumns.GetTimes().size(), lTimes.size());
  for (size_t k = 0; k < lTimes.size(); ++k) EXPECT_NEAR(lColumns.GetTimes()[k], lTimes[k], 1e-12 * lTimes.back());
  EXPECT_TRUE(lWarnings.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScipyReferenceTest, ::testing::Range(0, static_cast<int>(std::size(kCases))),
                         [](const ::testing::TestParamInfo<int>& iInfo) {
                           const Case& c = kCases[iInfo.param];
                           return std::string(c.window) + "_" + std::to_string(c.nfft) + "_" +
                                  std::to_string(static_cast<int>(c.overlap * 1000)) + "_" +
                                  (c.density ? "density" : "spectrum") + (c.max ? "_max" : "") + "_" + c.signal;
                         });

}  // namespace
