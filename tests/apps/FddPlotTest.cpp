// fdd-plot end to end: each subcommand on small files (the picture exists, has the requested size,
// and the data is where it belongs), probe values against the data, one clear message and status 1
// for every bad file, and Ctrl-C during an order map.
#include <gtest/gtest.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FddPlotRun.h"

namespace {

// The options a help text lists, each with the text of its entry (the option line and the lines of
// its description below it).
std::map<std::string, std::string> HelpEntries(const std::string& iHelp) {
  std::map<std::string, std::string> lEntries;
  std::istringstream lLines(iHelp);
  std::string lLine, lLast;
  bool lInOptions = false;
  while (std::getline(lLines, lLine)) {
    if (lLine == "Options:") lInOptions = true;
    const size_t lStart = lLine.find_first_not_of(' ');
    if (!lInOptions || lStart == std::string::npos) continue;
    if (lLine[lStart] != '-') {
      if (!lLast.empty()) lEntries[lLast] += lLine;
      continue;
    }
    // "-o,--output TEXT ...": the long name.
    std::string lNames = lLine.substr(lStart, lLine.find(' ', lStart) - lStart);
    lLast = lNames.substr(lNames.rfind(',') + 1);
    lEntries[lLast] = lLine;
  }
  return lEntries;
}

// Loads the picture iPath a run wrote, of the size iWidth x iHeight.
void LoadPng(const std::string& iPath, int iWidth, int iHeight, PngPixels& oPng) {
  int w = 0, h = 0;
  ASSERT_TRUE(PngSize(iPath, w, h));
  EXPECT_EQ(w, iWidth);
  EXPECT_EQ(h, iHeight);
  ASSERT_TRUE(oPng.Load(iPath));
}

}  // namespace

TEST(FddPlot, HelpListsEveryOptionWithItsDefault) {
  // Each subcommand's options, with what its help must say of the default ("" for none: a flag,
  // an empty text, a required option says REQUIRED).
  const char* const kData = "the data's";
  const std::vector<std::pair<std::string, std::string>> kMap = {
      {"--x", ""},          {"--z", "required unless"},{"--values", "REQUIRED"}, {"--x-rows", ""},
      {"--transpose", ""},  {"--order", ""},           {"--tolerance", "=0.05"}, {"--z-factor", "=1"},
      {"--log-x", ""},      {"--log-z", ""},           {"--log-values", ""},     {"--shading", "=linear"},
      {"--x-limits", kData}, {"--z-limits", kData},    {"--colors", "=viridis"}, {"--value-limits", kData},
      {"--xlabel", ""},     {"--zlabel", ""},          {"--value-label", ""},    {"--title", ""},
      {"--size", "=900x700"}};
  auto lWith = [](std::vector<std::pair<std::string, std::string>> iOptions, const std::string& iOption,
                  const std::string& iDefault) {
    iOptions.push_back({iOption, iDefault});
    return iOptions;
  };
  const struct {
    const char* command;
    std::vector<std::pair<std::string, std::string>> options;
  } kCases[] = {
      {"demo", {{"--out", "=gallery"}}},
      {"curve",
       {{"--x", "default: the sample numbers"}, {"--y", "REQUIRED"}, {"--y2", ""}, {"--symbols", ""}, {"--log-x", ""},
        {"--log-y", ""}, {"--x-limits", kData}, {"--y-limits", kData}, {"--y2-limits", kData}, {"--grid", ""}, {"--cursor", ""}, {"--stats", ""},
        {"--style", ""}, {"--color", "default: the palette"}, {"--line-width", "default: 2"},
        {"--dashes", "default: solid"}, {"--marker", "default: none"}, {"--label", "default: the column's"},
        {"--legend", "=auto"}, {"--xlabel", ""}, {"--ylabel", ""}, {"--y2-label", ""}, {"--title", ""},
        {"--size", "=1000x600"}, {"--output", "REQUIRED"}}},
      {"map", lWith(kMap, "--output", "REQUIRED")},
      {"probe", lWith(kMap, "--at", "REQUIRED")},
      {"contribution",
       {{"--x", "REQUIRED"}, {"--y", "REQUIRED"}, {"--direction", "=horizontal"}, {"--colors", "=viridis"},
        {"--log-x", ""}, {"--log-values", ""},
        {"--x-limits", kData}, {"--value-limits", kData}, {"--xlabel", ""}, {"--value-label", ""}, {"--title", ""},
        {"--size", "default 1000x220, vertical 300x700"}, {"--output", "REQUIRED"}}},
  };
  for (const auto& c : kCases) {
    const Result r = RunFddPlot(std::string(c.command) + " --help");
    EXPECT_EQ(r.status, 0) << c.command;
    std::map<std::string, std::string> lEntries = HelpEntries(r.output);
    EXPECT_EQ(lEntries.erase("--help"), 1u) << c.command;
    std::vector<std::string> lListed, lExpected;
    for (const auto& e : lEntries) lListed.push_back(e.first);
    for (const auto& o : c.options) {
      lExpected.push_back(o.first);
      EXPECT_NE(lEntries[o.first].find(o.second), std::string::npos)
          << c.command << " " << o.first << ": \"" << lEntries[o.first] << "\" does not say " << o.second;
    }
    std::sort(lExpected.begin(), lExpected.end());
    EXPECT_EQ(lListed, lExpected) << c.command;
  }
  EXPECT_NE(RunFddPlot("").status, 0);
}

TEST(FddPlot, CurveIsDrawnWhereItsDataLies) {
  // y = x over [0, 1]: the value range is [-0.05, 1.05] with the room kept around curves.
  const std::string x = Npy("line_x.npy", Range(101, 0, 1)), y = Npy("line_y.npy", Range(101, 0, 1));
  const std::string lOut = Dir() + "line.png";
  const Result r = RunFddPlot("curve --x " + x + " --y " + y + " --size 640x400 --xlabel t --title Line -o " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  const int w = 640, h = 400;
  PngPixels lPng;
  ASSERT_NO_FATAL_FAILURE(LoadPng(lOut, w, h, lPng));
  // Find the ground in a row and column the curve does not cross.
  const Box b = GroundBox(lPng, h / 2 - 40, w / 2 + 40);
  ASSERT_GT(b.right - b.left, 300);
  ASSERT_GT(b.bottom - b.top, 200);
  for (double t : {0.25, 0.5, 0.75}) {
    const int lColumn = static_cast<int>(std::lround(b.left + t * (b.right + 1 - b.left)));
    const double lExpected = b.bottom + 1 - (t + 0.05) / 1.1 * (b.bottom + 1 - b.top);
    int lFound = -1;
    for (int lRow = b.top; lRow <= b.bottom; ++lRow) {
      unsigned char p[4];
      if (lPng.Pixel(lColumn, lRow, p) && IsBlue(p)) lFound = lRow;
    }
    EXPECT_NEAR(lFound, lExpected, 2.5) << "t = " << t;
  }
  // SVG and PDF by the extension.
  for (const char* e : {"svg", "pdf"}) {
    const std::string lVector = Dir() + "line." + e;
    EXPECT_EQ(RunFddPlot("curve --x " + x + " --y " + y + " -o " + lVector).status, 0);
    struct stat s;
    EXPECT_TRUE(::stat(lVector.c_str(), &s) == 0 && s.st_size > 1000) << e;
  }
}

TEST(FddPlot, TextsAreDrawnWhenFontconfigKnowsNoFonts) {
  // The default face is the package's file, opened without fontconfig's configuration.
  struct stat lFont;
  if (::stat("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", &lFont) != 0)
    GTEST_SKIP() << "DejaVu Sans is not where Debian puts it";
  const std::string lConfig = Text("no-fonts.conf", "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n");
  const std::string y = Npy("font_y.npy", Range(11, 0, 1));
  ::setenv("FONTCONFIG_FILE", lConfig.c_str(), 1);
  const Result r = RunFddPlot("curve --y " + y + " --title Fonts -o " + Dir() + "no-fonts.png");
  ::unsetenv("FONTCONFIG_FILE");
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.find("CATFont"), std::string::npos) << r.output;
}

TEST(FddPlot, MapShowsItsValuesAndProbeAnswersThem) {
  // values[i_z, i_x] over x = 0 .. 9, z = 100 .. 190: one peak at (7, 120), zero elsewhere.
  std::vector<double> v(10 * 10, 0.0);
  v[2 * 10 + 7] = 1.0;
  const std::string lData = "--x " + Npy("map_x.npy", Range(10, 0, 9)) + " --z " + Npy("map_z.npy", Range(10, 100, 190)) +
                            " --values " + Npy("map_v.npy", v, {10, 10});
  const std::string lOut = Dir() + "map.png";
  const Result r = RunFddPlot("map " + lData + " --size 500x400 --colors grey -o " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  const int w = 500, h = 400;
  PngPixels lPng;
  ASSERT_NO_FATAL_FAILURE(LoadPng(lOut, w, h, lPng));
  // Grey scale: the peak is white, the rest black. Find the map's extent from its black pixels.
  Box b;
  for (int x = 0; x < w; ++x) {
    unsigned char p[4];
    if (lPng.Pixel(x, h / 2, p) && p[0] < 8 && p[1] < 8 && p[2] < 8) {
      if (b.left < 0) b.left = x;
      b.right = x;
    }
  }
  for (int y = 0; y < h; ++y) {
    unsigned char p[4];
    if (lPng.Pixel(b.left + 2, y, p) && p[0] < 8 && p[1] < 8 && p[2] < 8) {
      if (b.top < 0) b.top = y;
      b.bottom = y;
    }
  }
  ASSERT_GT(b.right - b.left, 200);
  const int lPeakX = static_cast<int>(b.left + 7.0 / 9.0 * (b.right + 1 - b.left));
  const int lPeakY = static_cast<int>(b.bottom + 1 - 2.0 / 9.0 * (b.bottom + 1 - b.top));
  unsigned char p[4];
  ASSERT_TRUE(lPng.Pixel(lPeakX, lPeakY, p));
  EXPECT_GT(p[0], 200) << "the peak at (" << lPeakX << ", " << lPeakY << ")";

  // The probe reads the value the map shows, on its pixel grid.
  Result q = RunFddPlot("probe " + lData + " --at 7,120");
  EXPECT_EQ(q.status, 0);
  EXPECT_NE(q.output.find("value at X=7, Z=120: 1"), std::string::npos) << q.output;
  q = RunFddPlot("probe " + lData + " --at 2,170");
  EXPECT_NE(q.output.find(": 0"), std::string::npos) << q.output;
  q = RunFddPlot("probe " + lData + " --at 50,120");
  EXPECT_EQ(q.status, 0);
  EXPECT_NE(q.output.find("no value"), std::string::npos) << q.output;
  // Between +inf and -inf there is no value: the probe says so, never "nan".
  q = RunFddPlot("probe --x " + Npy("inf_x.npy", {0, 1}) + " --z " + Npy("inf_z.npy", {0, 1}) + " --values " +
                 Npy("inf_v.npy", {INFINITY, -INFINITY, 1, 1}, {2, 2}) + " --at 0.5,0.2");
  EXPECT_NE(q.output.find("no value"), std::string::npos) << q.output;
  EXPECT_EQ(q.output.find("nan"), std::string::npos) << q.output;
  // The same values stored one row per X value.
  std::vector<double> t(10 * 10, 0.0);
  t[7 * 10 + 2] = 1.0;
  q = RunFddPlot("probe --transpose --x " + Dir() + "map_x.npy --z " + Dir() + "map_z.npy --values " +
                 Npy("map_t.npy", t, {10, 10}) + " --at 7,120");
  EXPECT_NE(q.output.find("value at X=7, Z=120: 1"), std::string::npos) << q.output;

  // A map wider than the library's images is drawn in tiles, and the probe agrees with it.
  q = RunFddPlot("map " + lData + " --size 2400x400 --colors grey -o " + Dir() + "wide.png");
  EXPECT_EQ(q.status, 0);
  EXPECT_EQ(q.output.find("warning"), std::string::npos) << q.output;
  PngPixels lWide;
  ASSERT_TRUE(lWide.Load(Dir() + "wide.png"));
  int lDark = 0;
  for (int x = 0; x < lWide.width; ++x) lDark += lWide.Pixel(x, 200, p) && p[0] < 8 && p[1] < 8 && p[2] < 8;
  EXPECT_GT(lDark, 2000);
  q = RunFddPlot("probe " + lData + " --size 2400x400 --at 7,120");
  EXPECT_NE(q.output.find("value at X=7, Z=120: 1"), std::string::npos) << q.output;

  // Shapes that do not fit the X and Z values are refused with both lengths named.
  q = RunFddPlot("map --x " + Dir() + "map_x.npy --z " + Npy("map_z3.npy", {1, 2, 3}) + " --values " + Dir() +
          "map_v.npy -o " + lOut);
  EXPECT_EQ(q.status, 1);
  EXPECT_NE(q.output.find("needs 3 x 10"), std::string::npos) << q.output;
}

TEST(FddPlot, NonHomogeneousMapAndContributionBar) {
  // Two rows of their own X grids, NaN-padded.
  const double n = NAN;
  const std::string lRows = Npy("nh_x.npy", {0, 1, 2, 3, 0, 2, n, n}, {2, 4});
  const std::string lValues = Npy("nh_v.npy", {1, 2, 3, 4, 5, 6, n, n}, {2, 4});
  const std::string lZ = Npy("nh_z.npy", {10, 20});
  const std::string lData = "--x-rows " + lRows + " --z " + lZ + " --values " + lValues;
  Result r = RunFddPlot("map " + lData + " --size 300x200 -o " + Dir() + "nh.png");
  EXPECT_EQ(r.status, 0) << r.output;
  r = RunFddPlot("probe " + lData + " --size 300x200 --at 1,10");
  EXPECT_NE(r.output.find(": 2"), std::string::npos) << r.output;

  const std::string lCsv = Text("bar.csv", "speed,level\n1000,1\n2000,2\n3000,3\n4000,4\n");
  for (const char* d : {"horizontal", "vertical"}) {
    const std::string lOut = Dir() + "bar-" + d + ".png";
    r = RunFddPlot("contribution --x " + lCsv + ":speed --y " + lCsv + ":level --direction " + d + " -o " + lOut);
    EXPECT_EQ(r.status, 0) << r.output;
    int w = 0, h = 0;
    EXPECT_TRUE(PngSize(lOut, w, h));
    EXPECT_EQ(w > h, std::string(d) == "horizontal");
  }
}

TEST(FddPlot, BadFilesEndWithOneMessageAndStatusOne) {
  const std::string lGood = Npy("good.npy", {1, 2, 3});
  std::string lTruncated = Npy("truncated.npy", {1, 2, 3, 4});
  ::truncate(lTruncated.c_str(), 128 + 12);
  std::string lInts = Npy("ints.npy", {1, 2});
  {
    std::fstream f(lInts, std::ios::in | std::ios::out | std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    s.replace(s.find("<f8"), 3, "<c8");
    f.seekp(0);
    f << s;
  }
  const struct {
    std::string file, words;
  } lCases[] = {
      {lTruncated, "truncated"},
      {lInts, "<c8"},
      {Text("empty.npy", ""), "empty"},
      {Text("empty.csv", ""), "empty"},
      {Text("ragged.csv", "a,b\n1,2\n3\n") + ":b", "line 3"},
      {Text("words.csv", "a\n1\nabc\n"), "abc"},
      {Dir() + "missing.npy", "No such file"},
  };
  for (const auto& c : lCases) {
    const Result r = RunFddPlot("curve --x " + lGood + " --y " + c.file + " -o " + Dir() + "bad.png");
    EXPECT_EQ(r.status, 1) << c.file;
    EXPECT_NE(r.output.find(c.file.substr(0, c.file.find(':'))), std::string::npos) << r.output;
    EXPECT_NE(r.output.find(c.words), std::string::npos) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
  }
}

// Ctrl-C while an order map is computed: the program stops the computation, writes the picture
// with the rows done and says so. It runs on a terminal so that the progress bar tells when the
// computation has started.
TEST(FddPlot, InterruptedOrderMapWritesWhatWasComputed) {
  std::vector<double> v;
  for (int i = 0; i < 400; ++i)
    for (int j = 0; j < 60; ++j) v.push_back(std::sin(i * 0.1) * std::cos(j * 0.2));
  const std::string lOut = Dir() + "interrupted.png";
  ::unlink(lOut.c_str());
  const std::vector<std::string> lArguments = {
      kProgram, "map", "--x", Npy("o_x.npy", Range(400, 0, 399)), "--z", Npy("o_z.npy", Range(60, 1, 60)),
      "--values", Npy("o_v.npy", v, {400, 60}), "--transpose", "--order", "--size", "1900x1900", "-o", lOut};
  int lMaster = -1;
  const pid_t lChild = ::forkpty(&lMaster, nullptr, nullptr, nullptr);
  ASSERT_GE(lChild, 0);
  if (lChild == 0) {
    std::vector<char*> a;
    for (const std::string& s : lArguments) a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    ::execv(a[0], a.data());
    ::_exit(127);
  }
  std::string lOutput;
  bool lInterrupted = false;
  char lBuffer[1024];
  for (;;) {
    const ssize_t n = ::read(lMaster, lBuffer, sizeof lBuffer);
    if (n <= 0) break;
    lOutput.append(lBuffer, static_cast<size_t>(n));
    if (!lInterrupted && lOutput.find("Ctrl-C") != std::string::npos) {
      ::kill(lChild, SIGINT);
      lInterrupted = true;
    }
  }
  int lStatus = 0;
  ::waitpid(lChild, &lStatus, 0);
  ::close(lMaster);
  ASSERT_TRUE(lInterrupted) << lOutput;
  ASSERT_TRUE(WIFEXITED(lStatus)) << lOutput;
  EXPECT_EQ(WEXITSTATUS(lStatus), 130);
  EXPECT_NE(lOutput.find("interrupted"), std::string::npos) << lOutput;
  EXPECT_NE(lOutput.find("Order map ["), std::string::npos) << "the progress shows a title for people: " << lOutput;
  // The rows not computed are transparent: the ground shows through at the top of the map.
  PngPixels lPng;
  ASSERT_TRUE(lPng.Load(lOut));
  const Box b = GroundBox(lPng, 40, lPng.width / 2);
  EXPECT_GT(b.right - b.left, 1000) << "no ground at the top: the whole map was computed";
}

// An order map whose tables and image cannot fit is refused before it starts, saying what it needs.
TEST(FddPlot, OrderMapThatCannotFitIsRefusedBeforeItStarts) {
#ifdef FDD_SANITIZED
  GTEST_SKIP() << "a sanitizer reserves more address space than the limit allows";
#endif
  const std::string lData = "--x " + Npy("f_x.npy", Range(40, 0, 39)) + " --z " + Npy("f_z.npy", Range(30, 1, 30)) +
                            " --values " + Npy("f_v.npy", Range(1200, 0, 1), {30, 40});
  // RunFddPlot puts the program first: a harmless --help, then the run under the limit.
  const Result r = RunFddPlot("--help >/dev/null; ulimit -v 300000; exec " + kProgram + " map " + lData +
                              " --order --size 8000x8000 -o " + Dir() + "unfit.png");
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("fdd-plot: order map: out of memory (needs about 512 MB, about "), std::string::npos)
      << r.output;
  EXPECT_EQ(RunFddPlot("map " + lData + " --order --size 400x300 -o " + Dir() + "fit.png").status, 0);
}
