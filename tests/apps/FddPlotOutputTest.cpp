// fdd-plot end to end: a picture that cannot be written ends with one line giving the system's
// reason and status 1, and leaves neither a partial file nor a temporary one; a picture that was
// there before stays as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "FddPlotRun.h"

namespace {

std::string Content(const std::string& iPath) {
  std::ifstream f(iPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// fdd-plot under a file size limit of iBytes (the run inherits it; the test writes nothing meanwhile).
Result RunLimited(const std::string& iArguments, rlim_t iBytes) {
  rlimit lOld;
  getrlimit(RLIMIT_FSIZE, &lOld);
  rlimit lLimited = lOld;
  lLimited.rlim_cur = iBytes;
  setrlimit(RLIMIT_FSIZE, &lLimited);
  const Result r = RunFddPlot(iArguments);
  setrlimit(RLIMIT_FSIZE, &lOld);
  return r;
}

}  // namespace

TEST(FddPlotOutput, FailedWritesLeaveNoFileAndSayWhy) {
  const std::string lFolder = Dir() + "write-errors/";
  std::filesystem::remove_all(lFolder);
  std::filesystem::create_directories(lFolder + "is-a-folder.png");
  std::filesystem::create_directories(lFolder + "is-a-folder.svg");
  std::filesystem::create_directories(lFolder + "is-a-folder.pdf");
  const std::string y = Npy("write_y.npy", Range(2000, -1, 1));
  const struct {
    const char* target;
    bool limited;  // under a file size limit, over an existing picture
    const char* reason;
  } lCases[] = {
      {"missing/out.png", false, "No such file or directory"}, {"missing/out.svg", false, "No such file or directory"},
      {"missing/out.pdf", false, "No such file or directory"}, {"is-a-folder.png", false, "Is a directory"},
      {"is-a-folder.svg", false, "Is a directory"},            {"is-a-folder.pdf", false, "Is a directory"},
      {"full.png", true, "File too large"},                    {"full.svg", true, "File too large"},
      {"full.pdf", true, "File too large"},
  };
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.target);
    const std::string lTarget = lFolder + c.target;
    if (c.limited) std::ofstream(lTarget) << "the picture before";
    const std::string lArguments = "curve --y " + y + " --symbols -o " + lTarget;
    const Result r = c.limited ? RunLimited(lArguments, 4096) : RunFddPlot(lArguments);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.output, "fdd-plot: " + lTarget + ": cannot write: " + c.reason + "\n");
    if (c.limited) {
      EXPECT_EQ(Content(lTarget), "the picture before");
    }
  }
  // Nothing but what the cases made: no temporary file is left behind.
  int lEntries = 0;
  for (const auto& e : std::filesystem::directory_iterator(lFolder)) {
    const std::string lName = e.path().filename().string();
    EXPECT_TRUE(lName.rfind("is-a-folder.", 0) == 0 || lName.rfind("full.", 0) == 0) << lName;
    if (e.is_directory()) {
      EXPECT_TRUE(std::filesystem::is_empty(e.path())) << lName;
    }
    ++lEntries;
  }
  EXPECT_EQ(lEntries, 6);
  // With room, the same run replaces the picture that was there.
  EXPECT_EQ(RunFddPlot("curve --y " + y + " -o " + lFolder + "full.pdf").status, 0);
  EXPECT_EQ(Content(lFolder + "full.pdf").rfind("%PDF", 0), 0u);
}
