// End-to-end cases of data input: text files without a header row, blank-separated files, integer
// and big-endian .npy files, legend names of columns chosen by number, and running out of memory
// while reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FddPlotRun.h"
#include "NpyBytes.h"

namespace {

// A .npy file of 4 values with the given type and their bytes as stored.
std::string TypedNpy(const std::string& iName, const std::string& iDescr, const std::string& iBytes) {
  return Text(iName, NpyBytes(NpyDict(iDescr, "(4,)"), iBytes));
}

std::string FileBytes(const std::string& iPath) {
  std::ifstream f(iPath, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Draws `curve iArguments` into a PNG named iOut; returns its bytes, empty when it failed.
std::string Curve(const std::string& iArguments, const std::string& iOut) {
  const std::string lOut = Dir() + iOut;
  const Result r = RunFddPlot("curve " + iArguments + " --size 300x200 -o " + lOut);
  EXPECT_EQ(r.status, 0) << iArguments << "\n" << r.output;
  return r.status == 0 ? FileBytes(lOut) : std::string();
}

}  // namespace

// Every file below holds the same curve as the float64 reference (x 0 1 2 3, y 5 7 6 -8); each
// must draw the very same picture.
TEST(FddPlotData, FilesOfEveryFormatDrawTheSameCurve) {
  const std::vector<double> lX = {0, 1, 2, 3}, lY = {5, 7, 6, -8};
  const std::string lReference = Curve("--x " + Npy("ref-x.npy", lX) + " --y " + Npy("y.npy", lY), "ref.png");
  ASSERT_FALSE(lReference.empty());
  const std::vector<int64_t> lInts = {5, 7, 6, -8};
  const std::vector<uint16_t> lShorts = {0, 1, 2, 3};
  const std::string lX16 = TypedNpy("x-u2be.npy", ">u2", StoredBytes(lShorts, true));
  const struct {
    std::string name, x, y;
  } lCases[] = {
      // The first row is data when every cell is a number.
      {"headerless", Text("nohead.csv", "0,5\n1,7\n2,6\n3,-8\n") + ":0", Dir() + "nohead.csv:1"},
      // numpy.savetxt(..., header="t,y", delimiter=",").
      {"savetxt", Text("savetxt.csv", "# t,y\n0.0,5.0\n1.0,7.0\n# a note\n2.0,6.0\n3.0,-8.0\n") + ":t",
       Dir() + "savetxt.csv:y"},
      {"gnuplot", Text("gnuplot.dat", "# t y\n0  5\n1\t7\n  2   6\n3 -8\n") + ":0", Dir() + "gnuplot.dat:1"},
      {"int64", lX16, TypedNpy("int64.npy", "<i8", StoredBytes(lInts))},
      {"big-endian", lX16, TypedNpy("f8be.npy", ">f8", StoredBytes(lY, true))},
  };
  for (const auto& c : lCases) {
    // A single curve has no legend, so its name does not show.
    EXPECT_EQ(Curve("--x " + c.x + " --y " + c.y, c.name + ".png"), lReference) << c.name;
  }
}

// A column chosen by number is named in the legend by its header, as one chosen by name.
TEST(FddPlotData, LegendNamesColumnsChosenByNumberByTheirHeader) {
  const std::string lRun = Text("run.csv", "time,speed,torque\n0,1,3\n1,2,2\n2,4,1\n");
  const std::string lByName = Curve("--x " + lRun + ":time --y " + lRun + ":speed --y " + lRun + ":torque", "named.png");
  ASSERT_FALSE(lByName.empty());
  EXPECT_EQ(Curve("--x " + lRun + ":0 --y " + lRun + ":1 --y " + lRun + ":2", "numbered.png"), lByName);
}

// A CSV larger than the memory allowed ends with one line and status 1, not an abort, and says
// what the values needed, named or piped (a pipe is not held whole: its text alone is over the limit).
TEST(FddPlotData, OutOfMemoryWhileReadingIsOneLineAndStatusOne) {
#ifdef FDD_SANITIZED
  GTEST_SKIP() << "a sanitizer reserves more address space than the limit allows";
#endif
  std::string lText;
  for (int i = 0; i < 16 * 1000 * 1000; ++i) lText += "1.0\n";  // 128 MB of values, 64 MB of text
  const std::string lBig = Text("big.csv", lText);
  lText = std::string();
  const struct {
    std::string feed, data, name;  // what comes before the program, its data argument, the name said
  } kCases[] = {{"", lBig, lBig}, {"cat " + lBig + " | ", "-", "standard input"}};
  for (const auto& c : kCases) {
    // RunFddPlot puts the program first: a harmless --help, then the run under the limit.
    const Result r = RunFddPlot("--help >/dev/null; " + c.feed + "(ulimit -v 100000; exec " + kProgram +
                                " curve --y " + c.data + " -o " + Dir() + "big.png)");
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find(c.name + ": out of memory (needs about 128 MB)"), std::string::npos) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
  }
  std::remove(lBig.c_str());
}

TEST(FddPlotData, DashReadsStandardInputAsTheSameFileWould) {
  // The picture from standard input is the picture of the same text named as a file.
  auto lBytes = [](const std::string& iPath) {
    std::ifstream f(iPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  };
  const struct {
    const char* name;
    const char* text;
    const char* columns;  // the arguments, FILE standing for the data
  } kCases[] = {
      {"stdin.csv", "t,speed\n0,1\n1,3\n2,2\n3,5\n", "--x FILE:t --y FILE:speed"},
      {"stdin.dat", "# t speed\n0  1\n1\t3\n2 2\n\n3 5\n", "--x FILE:0 --y FILE:1"},
      {"stdin1.csv", "4\n1\n3\n", "--y FILE"},
      {"stdin2.csv", "t,\n4,\n1,\n3,\n", "--y FILE"},
  };
  for (const auto& c : kCases) {
    const std::string lFile = Text(c.name, c.text);
    std::string lNamed = c.columns, lPiped = c.columns;
    for (size_t p; (p = lNamed.find("FILE")) != std::string::npos;) lNamed.replace(p, 4, lFile);
    for (size_t p; (p = lPiped.find("FILE")) != std::string::npos;) lPiped.replace(p, 4, "-");
    const std::string lOut = Dir() + "named.png", lIn = Dir() + "piped.png";
    const Result a = RunFddPlot("curve " + lNamed + " --size 200x150 -o " + lOut);
    ASSERT_EQ(a.status, 0) << a.output;
    // Redirected from the file, and through a pipe.
    for (const std::string& lFeed : {"curve " + lPiped + " --size 200x150 -o " + lIn + " < " + lFile,
                                     "--help >/dev/null; cat " + lFile + " | " + kProgram + " curve " + lPiped +
                                         " --size 200x150 -o " + lIn}) {
      std::remove(lIn.c_str());
      const Result b = RunFddPlot(lFeed);
      ASSERT_EQ(b.status, 0) << c.name << ": " << b.output;
      EXPECT_EQ(lBytes(lOut), lBytes(lIn)) << c.name << ": " << lFeed;
    }
  }
  const struct {
    std::string feed, message;
  } kRefused[] = {
      {"< /dev/null", "standard input: no data"},
      {"< " + Npy("binary.npy", {1.0, 2.0}), "standard input: binary data, not text"},
  };
  for (const auto& c : kRefused) {
    const Result r = RunFddPlot("curve --y - -o " + Dir() + "refused.png " + c.feed);
    EXPECT_EQ(r.status, 1) << c.feed;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
  }
}
