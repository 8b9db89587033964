// fdd-plot's command line: usage errors are sentences with status 2, options that do nothing in
// their combination are refused, numbers are decimal, and the program's small services.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "FddPlotRun.h"

TEST(FddPlotUsage, ErrorsAreSentencesWithStatusTwo) {
  const std::string y = Npy("u_y.npy", Range(20, 0, 1)), x = Npy("u_x.npy", Range(20, 0, 19));
  const std::string lMap = "--x " + x + " --z " + Npy("u_z.npy", {1, 2}) + " --values " +
                           Npy("u_v.npy", Range(40, 0, 1), {2, 20}) + " -o " + Dir() + "u.png";
  const struct {
    std::string arguments;
    int status;
    std::string message;
  } kCases[] = {
      {"curve --colour red --y " + y + " -o a.png", 2, "curve: unknown option --colour"},
      {"curve stray --y " + y + " -o a.png", 2, "unexpected argument 'stray'"},
      {"plot --y " + y, 2, "unknown command 'plot': the commands are demo, curve, map"},
      {"", 2, "name a command"},
      {"curve -o a.png", 2, "--y is required"},
      {"curve --y " + y + " --size 0x3E8x600 -o a.png", 2, "size '0x3E8x600'"},
      {"curve --y " + y + " --size 1e3x600 -o a.png", 2, "size '1e3x600'"},
      {"curve --y " + y + " -o a.gif", 2, "name the output file .png, .svg or .pdf"},
      {"map " + lMap + " --order --tolerance 0", 2, "--tolerance 0: give a fraction above 0"},
      {"map " + lMap + " --order --z-factor -1", 2, "--z-factor -1: give a factor above 0"},
      {"curve --y " + y + " --log-y --y-limits -1,100 -o a.png", 2, "--y-limits -1,100: a logarithmic axis"},
      {"map " + lMap + " --log-values --value-limits 0,10", 2, "--value-limits 0,10: a logarithmic axis"},
      {"map " + lMap + " --order --tolerance abc", 2, "--tolerance: 'abc' is not a number"},
      {"map " + lMap + " --x-rows " + y, 2, "give the X values with --x or with --x-rows, not both"},
      {"map " + lMap + " --value-limits 5,1", 2, "--value-limits 5,1: the limits A,B need A < B"},
      {"map " + lMap + " --x-limits 0x10,20", 2, "--x-limits '0x10,20'"},
      {"contribution --x " + x + " --y " + y + " --value-limits 1,1 -o a.png", 2, "--value-limits 1,1"},
      {"--version", 0, "fdd-plot 0."},
      {"map " + lMap, 0, "wrote"},
  };
  for (const auto& c : kCases) {
    const Result r = RunFddPlot(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.arguments << "\n" << r.output;
  }
}

TEST(FddPlotUsage, CurvesWithoutXUseTheirOwnSampleNumbers) {
  const Result r = RunFddPlot("curve --y " + Npy("s_long.npy", Range(100, 0, 1)) + " --y " +
                              Npy("s_short.npy", Range(40, 1, 0)) + " -o " + Dir() + "own_x.png");
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.find("x values"), std::string::npos) << r.output;
}

TEST(FddPlotUsage, DemoMakesItsFolder) {
  const std::string lOut = Dir() + "demo-made/a/b";
  const Result r = RunFddPlot("demo --out " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  struct stat lStat;
  EXPECT_EQ(::stat((lOut + "/backgrounds.png").c_str(), &lStat), 0);
}
