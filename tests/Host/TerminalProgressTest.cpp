#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "TerminalProgress.h"

namespace {

// Everything the other end of iFd has to read now.
std::string sDrain(int iFd) {
  std::string lText;
  char lBuffer[512];
  struct pollfd lPoll = {iFd, POLLIN, 0};
  while (poll(&lPoll, 1, 50) > 0 && (lPoll.revents & POLLIN)) {
    const ssize_t n = read(iFd, lBuffer, sizeof(lBuffer));
    if (n <= 0) break;
    lText.append(lBuffer, static_cast<size_t>(n));
  }
  return lText;
}

}  // namespace

TEST(TerminalProgress, LineShowsTitleBarPercentageAndHint) {
  EXPECT_EQ(TerminalProgress::Format("Map", 0, 99, 0, 10), "Map [..........]    0%  Ctrl-C cancels");
  EXPECT_EQ(TerminalProgress::Format("Map", 0, 99, 50, 10), "Map [#####.....]   50%  Ctrl-C cancels");
  EXPECT_EQ(TerminalProgress::Format("Map", 0, 99, 99, 10), "Map [##########]  100%  Ctrl-C cancels");
  EXPECT_EQ(TerminalProgress::Format(nullptr, 0, 4, 1, 4), "[#...]   25%  Ctrl-C cancels");
}

TEST(TerminalProgress, PositionsOutsideOrEmptyRangesStayInTheBar) {
  EXPECT_EQ(TerminalProgress::Percent(0, 10, -5), 0);
  EXPECT_EQ(TerminalProgress::Percent(0, 10, 50), 100);
  EXPECT_EQ(TerminalProgress::Percent(0, 0, 0), 100);  // an image of one row
  EXPECT_EQ(TerminalProgress::Percent(5, 3, 2), 0);  // inverted: done once the position reaches 3
  EXPECT_EQ(TerminalProgress::Percent(5, 3, 4), 100);
  EXPECT_EQ(TerminalProgress::Percent(-2147483647 - 1, 2147483647, 2147483647), 100);
  EXPECT_EQ(TerminalProgress::FilledCells(0, 10, 5, 0), 0);
  EXPECT_EQ(TerminalProgress::FilledCells(0, 10, 5, -3), 0);
  EXPECT_EQ(TerminalProgress::Format("T", 0, 10, 5, -3), "T []   50%  Ctrl-C cancels");
}

TEST(TerminalProgress, APipeIsNoTerminalAndGetsNothing) {
  int lPipe[2];
  ASSERT_EQ(pipe(lPipe), 0);
  {
    TerminalProgress lProgress(lPipe[1]);
    EXPECT_FALSE(lProgress.IsTerminal());
    lProgress.Show("Map", 0, 9, 3);
    EXPECT_FALSE(lProgress.IsShown());
  }
  close(lPipe[1]);
  EXPECT_EQ(sDrain(lPipe[0]), "");
  close(lPipe[0]);
}

TEST(TerminalProgress, OnATerminalRedrawsInPlaceOnlyWhenTheLineChangesAndClearsIt) {
  const int lMaster = posix_openpt(O_RDWR | O_NOCTTY);
  if (lMaster < 0 || grantpt(lMaster) != 0 || unlockpt(lMaster) != 0) GTEST_SKIP() << "no pseudo-terminal here";
  const int lSlave = open(ptsname(lMaster), O_RDWR | O_NOCTTY);
  ASSERT_GE(lSlave, 0);
  {
    TerminalProgress lProgress(lSlave);
    ASSERT_TRUE(lProgress.IsTerminal());
    lProgress.Show("Map", 0, 999, 0);
    const std::string lFirst = sDrain(lMaster);
    ASSERT_GE(lFirst.size(), 4u);
    EXPECT_EQ(lFirst.substr(0, 5), "\rMap ");
    EXPECT_NE(lFirst.find("0%  Ctrl-C cancels\x1b[K"), std::string::npos);
    lProgress.Show("Map", 0, 999, 1);  // still 0 %, same cells: nothing written
    EXPECT_EQ(sDrain(lMaster), "");
    lProgress.Show("Map", 0, 999, 500);
    EXPECT_NE(sDrain(lMaster).find("50%"), std::string::npos);
    lProgress.Clear();
    EXPECT_EQ(sDrain(lMaster), "\r\x1b[K");
    EXPECT_FALSE(lProgress.IsShown());
    lProgress.Show("Map", 0, 999, 600);
    sDrain(lMaster);
  }
  // Going away clears a line it shows.
  EXPECT_EQ(sDrain(lMaster), "\r\x1b[K");
  close(lSlave);
  close(lMaster);
}
