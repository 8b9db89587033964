// fdd-plot spectrum, spectrogram and runup end to end: each draws its picture, and bad input ends
// with one line and status 1 (the data) or 2 (the command line), or a warning for frames left out.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FddPlotRun.h"
#include "SyntheticRunUp.h"

namespace {

struct Recording {
  std::string signal, rpm, tacho;
};

// A short synthetic run-up at 2048 Hz, written once.
const Recording& Files() {
  static const Recording sFiles = [] {
    SyntheticRunUp r;
    r.Rate = 2048.0;
    r.Profile = {{0.0, 600.0}, {8.0, 6000.0}};
    r.Noise = 0.01;
    std::vector<double> lSignal, lTacho, lRpm;
    r.Make(lSignal, lTacho, lRpm);
    return Recording{Npy("analysis_signal.npy", lSignal), Npy("analysis_rpm.npy", lRpm),
                     Npy("analysis_tacho.npy", lTacho)};
  }();
  return sFiles;
}

// The lines of a program's output.
int Lines(const std::string& iOutput) {
  int n = 0;
  for (const char c : iOutput) n += c == '\n';
  return n;
}

}  // namespace

TEST(FddPlotAnalysis, EveryKindDrawsItsPicture) {
  const Recording& f = Files();
  const std::string lSignal = " --signal " + f.signal + " --rate 2048 --nfft 512 --size 400x300 --db";
  const std::string kCases[] = {
      "spectrum" + lSignal,
      "spectrogram" + lSignal,
      "runup" + lSignal + " --rpm " + f.rpm + " --order",
      "runup" + lSignal + " --tacho " + f.tacho + " --orders",
      "runup" + lSignal + " --rpm " + f.rpm + " --order-cut 2,4.5,6 --window flattop",
  };
  for (const std::string& c : kCases) {
    const std::string lOut = Dir() + "analysis.png";
    std::remove(lOut.c_str());
    const Result r = RunFddPlot(c + " -o " + lOut);
    EXPECT_EQ(r.status, 0) << c << ": " << r.output;
    int lWidth = 0, lHeight = 0;
    EXPECT_TRUE(PngSize(lOut, lWidth, lHeight) && lWidth == 400 && lHeight == 300) << c;
  }
}

TEST(FddPlotAnalysis, BadInputEndsWithOneLineAndItsStatus) {
  const Recording& f = Files();
  const std::string lConstant = Npy("analysis_constant.npy", std::vector<double>(4096, 3.0));
  const std::string lEmpty = Npy("analysis_empty.npy", {}, {0});
  const std::string lFlat = Npy("analysis_flat_tacho.npy", std::vector<double>(16384, 0.0));
  std::vector<double> lStopped(16384, 1000.0);
  lStopped[5000] = 0.0;
  const std::string lStop = Npy("analysis_stopped.npy", lStopped);
  const std::string lSignal = " --signal " + f.signal + " --rate 2048";
  const struct {
    std::string arguments;
    int status;
    const char* message;
  } kCases[] = {
      {"spectrum --signal " + lConstant + " --rate 100 --nfft 256", 1, "a constant signal has no spectrum"},
      {"spectrum --signal " + lEmpty + " --rate 100", 1, "empty"},
      {"spectrum" + lSignal + " --nfft 65536", 1, "--nfft 65536 is longer than the signal"},
      {"spectrum" + lSignal + " --nfft 0", 2, "--nfft 0: give a whole number"},
      {"spectrogram" + lSignal + " --nfft 100.5", 2, "--nfft 100.5: give a whole number"},
      {"spectrum" + lSignal + " --overlap 1", 2, "--overlap 1: give a fraction"},
      {"spectrogram" + lSignal + " --overlap -0.1", 2, "--overlap -0.1: give a fraction"},
      {"spectrum --signal " + f.signal, 2, "give the sampling rate"},
      {"runup" + lSignal + " --tacho " + lFlat, 1, "the tacho crosses its trigger level"},
      {"runup" + lSignal + " --rpm " + lStop, 1, "speed 0 at sample 5000"},
      {"runup" + lSignal, 2, "give the speed with --rpm or with --tacho"},
      {"runup" + lSignal + " --rpm " + f.rpm + " --order-cut 2,,6", 2, "--order-cut '2,,6'"},
  };
  for (const auto& c : kCases) {
    const Result r = RunFddPlot(c.arguments + " -o " + Dir() + "analysis_bad.png");
    EXPECT_EQ(r.status, c.status) << c.arguments << ": " << r.output;
    EXPECT_EQ(Lines(r.output), 1) << c.arguments << ": " << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.arguments << ": " << r.output;
  }
}

TEST(FddPlotAnalysis, FramesHoldingNaNAreLeftOutWithOneWarning) {
  std::vector<double> lValues(8192);
  for (size_t i = 0; i < lValues.size(); ++i) lValues[i] = std::sin(0.3 * static_cast<double>(i));
  lValues[100] = NAN;
  lValues[7000] = NAN;
  const std::string lNaN = Npy("analysis_nan.npy", lValues);
  for (const char* lKind : {"spectrum", "spectrogram"}) {
    const Result r = RunFddPlot(std::string(lKind) + " --signal " + lNaN + " --rate 100 --nfft 1024 --overlap 0 -o " +
                                Dir() + "analysis_nan.png");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("warning: 2 of 8 frames hold samples that are not numbers"), std::string::npos) << r.output;
    EXPECT_EQ(Lines(r.output), 2) << r.output;  // the warning and "wrote"
  }
}
