// End-to-end cases of measurement files (HDF5, MATLAB, sound) written by other programs: each
// draws the very picture of the same values from .npy files, the axes the file brings included;
// info lists what a file holds; a bad file is one line and status 1.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../Display/Data/MeasurementFiles.h"
#include "FddPlotRun.h"

namespace {

std::string FileBytes(const std::string& iPath) {
  std::ifstream f(iPath, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Draws `iCommand` into a small PNG named iOut; returns its bytes, empty when it failed.
std::string Picture(const std::string& iCommand, const std::string& iOut) {
  const std::string lOut = Dir() + iOut;
  const Result r = RunFddPlot(iCommand + " --size 300x200 -o " + lOut);
  EXPECT_EQ(r.status, 0) << iCommand << "\n" << r.output;
  return r.status == 0 ? FileBytes(lOut) : std::string();
}

}  // namespace

TEST(FddPlotFiles, EachFormatDrawsThePictureOfItsValuesFromNpy) {
  std::string lError;
  const std::string d = MeasurementFiles::Folder(lError);
  ASSERT_FALSE(d.empty()) << lError;
  const std::string lSpeed = " --y " + d + "speed.npy";
  const std::string lSound = " --x " + d + "seconds.npy --xlabel 'time (s)'";
  const struct {
    std::string file, npy;
  } lCases[] = {
      {"curve --y " + d + "run.h5:/bench/speed", "curve" + lSpeed + " --x " + d + "time.npy --xlabel 'time (s)'"},
      {"curve --y " + d + "run.h5:/bench/gzip --x " + d + "time.npy", "curve" + lSpeed + " --x " + d + "time.npy --label gzip"},
      {"curve --y " + d + "v5z.mat", "curve" + lSpeed},
      {"curve --y " + d + "v4.mat:speed", "curve" + lSpeed},
      {"curve --y " + d + "rec24.wav:1 --label speed", "curve" + lSpeed + lSound},
      {"curve --y " + d + "rec.flac:2 --label speed", "curve --y " + d + "channel2.npy --label speed" + lSound},
      {"map --values " + d + "run.h5:/map", "map --values " + d + "values.npy --x " + d + "mapx.npy --z " + d +
                                                "mapz.npy --xlabel mapx --zlabel mapz"},
      // An analysis takes a sound file's rate where no --rate is given.
      {"spectrum --nfft 64 --signal " + d + "rec.wav:1", "spectrum --nfft 64 --rate 1000 --signal " + d + "speed.npy"},
      {"map --values " + d + "v5.mat:bench.values --x " + d + "mapx.npy --z " + d + "mapz.npy",
       "map --values " + d + "values.npy --x " + d + "mapx.npy --z " + d + "mapz.npy"},
  };
  int i = 0;
  for (const auto& c : lCases) {
    const std::string lName = "files-" + std::to_string(i++);
    const std::string lFromFile = Picture(c.file, lName + "-file.png");
    EXPECT_FALSE(lFromFile.empty());
    EXPECT_TRUE(lFromFile == Picture(c.npy, lName + "-npy.png")) << c.file;
  }
}

TEST(FddPlotFiles, InfoListsWhatAFileHoldsAndABadFileIsOneLine) {
  std::string lError;
  const std::string d = MeasurementFiles::Folder(lError);
  ASSERT_FALSE(d.empty()) << lError;
  const struct {
    std::string arguments;
    int status;
    std::vector<std::string> words;
  } lCases[] = {
      {"info " + d + "run.h5", 0, {"/bench/speed", "240 ", "float64", "units rpm", "dimension 0 scale /time",
                                   "/map ", "12 x 20", "strings", "not plotted"}},
      {"info " + d + "v5.mat", 0, {"bench.speed", "1 x 240", "bench.values", "12 x 20", "double"}},
      {"info " + d + "rec.flac", 0, {"1 ", "2 ", "sample rate 1000 Hz", "0.24 s"}},
      {"info " + d + "column2.npy", 0, {"column2", "240"}},
      {"info " + d + "cut.h5", 1, {"cut.h5: cannot be read as an HDF5 file"}},
      {"curve --y " + d + "run.h5:/bench/sped -o " + Dir() + "never.png", 1,
       {"run.h5: no dataset /bench/sped; there are /bench/speed"}},
      {"map --values " + d + "values.npy --x " + d + "mapx.npy -o " + Dir() + "never.png", 2, {"--z is required"}},
  };
  for (const auto& c : lCases) {
    const Result r = RunFddPlot(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.output;
    for (const std::string& lWord : c.words) EXPECT_NE(r.output.find(lWord), std::string::npos) << r.output;
    if (c.status != 0) {
      EXPECT_EQ(r.output.find('\n'), r.output.size() - 1) << r.output;
    }
  }
}
