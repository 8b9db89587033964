// A file written whole: through a symbolic link it writes the file the link names, and the link
// stays a link; links that go round are refused.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ImageCompare.h"
#include "WholeFile.h"

namespace {

std::string Folder(const std::string& iName) {
  const std::string lFolder = TestOutputPath(iName);
  ::mkdir(lFolder.c_str(), 0755);
  return lFolder + "/";
}

std::string Bytes(const std::string& iPath) {
  std::ifstream f(iPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool IsLink(const std::string& iPath) {
  struct stat lStat;
  return ::lstat(iPath.c_str(), &lStat) == 0 && S_ISLNK(lStat.st_mode);
}

bool Commit(const std::string& iPath, const std::string& iBytes, std::string& oError) {
  WholeFile lFile(iPath);
  const bool lDone = lFile.Write(iBytes.data(), iBytes.size()) && lFile.Commit();
  oError = lFile.GetError();
  return lDone;
}

}  // namespace

TEST(WholeFile, WritesWhereItsSymbolicLinksLead) {
  const std::string lHere = Folder("whole-file"), lThere = Folder("whole-file-target");
  const struct {
    const char* name;
    std::string link, target;  // the link's text
    std::string written;       // the file that must hold the bytes
    bool exists;               // the target is there before
  } kCases[] = {
      {"to a file", lThere + "real.png", lThere + "real.png", lThere + "real.png", true},
      {"dangling", lThere + "new.png", lThere + "new.png", lThere + "new.png", false},
      {"relative", "../whole-file-target/rel.png", "", lThere + "rel.png", true},
      {"a chain", lHere + "chained-to.png", "", lThere + "end.png", true},
  };
  // The chain: chain.png -> chained-to.png -> end.png.
  ::unlink((lHere + "chained-to.png").c_str());
  ASSERT_EQ(::symlink((lThere + "end.png").c_str(), (lHere + "chained-to.png").c_str()), 0);
  for (const auto& c : kCases) {
    const std::string lLink = lHere + "link-" + std::to_string(&c - kCases) + ".png";
    ::unlink(lLink.c_str());
    ::unlink(c.written.c_str());
    if (c.exists) std::ofstream(c.written) << "old";
    ASSERT_EQ(::symlink(c.link.c_str(), lLink.c_str()), 0) << c.name;
    std::string lError;
    EXPECT_TRUE(Commit(lLink, "new bytes", lError)) << c.name << ": " << lError;
    EXPECT_TRUE(IsLink(lLink)) << c.name;
    EXPECT_EQ(Bytes(c.written), "new bytes") << c.name;
  }
}

TEST(WholeFile, LinksThatGoRoundAreRefused) {
  const std::string lHere = Folder("whole-file");
  const std::string lA = lHere + "round-a.png", lB = lHere + "round-b.png";
  ::unlink(lA.c_str());
  ::unlink(lB.c_str());
  ASSERT_EQ(::symlink(lB.c_str(), lA.c_str()), 0);
  ASSERT_EQ(::symlink(lA.c_str(), lB.c_str()), 0);
  std::string lError;
  EXPECT_FALSE(Commit(lA, "bytes", lError));
  EXPECT_FALSE(lError.empty());
  EXPECT_TRUE(IsLink(lA) && IsLink(lB));
}
