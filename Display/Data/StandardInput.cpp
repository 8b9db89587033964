#include "StandardInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <new>

#include "MessageText.h"

namespace {

// The copy's block: reading costs little per byte, and it is all the copy holds in memory.
const size_t kBlock = 256 * 1024;

// Writes all of iData to iFd; false with errno set.
bool WriteAll(int iFd, const char* iData, size_t iSize) {
  while (iSize > 0) {
    const ssize_t lWritten = ::write(iFd, iData, iSize);
    if (lWritten < 0 && errno == EINTR) continue;
    if (lWritten <= 0) {
      if (lWritten == 0) errno = ENOSPC;
      return false;
    }
    iData += lWritten;
    iSize -= static_cast<size_t>(lWritten);
  }
  return true;
}

}  // namespace

int StandardInput::Keep(std::string& oError) {
  struct stat lStat;
  if (::fstat(STDIN_FILENO, &lStat) != 0) {
    oError = MessageText::SystemError(kName, "cannot read", errno);
    return -1;
  }
  // A file read from its start is read as it is, without a copy.
  if (S_ISREG(lStat.st_mode) && ::lseek(STDIN_FILENO, 0, SEEK_CUR) == 0) return STDIN_FILENO;
  const char* lTmp = std::getenv("TMPDIR");
  const std::string lFolder = lTmp && *lTmp ? lTmp : "/tmp";
  const std::string lCannotKeep = "cannot keep a copy in " + lFolder;
  std::string lTemplate = lFolder + "/fdd-input.XXXXXX";
  const int lCopy = ::mkostemp(lTemplate.data(), O_CLOEXEC);
  if (lCopy < 0) {
    oError = MessageText::SystemError(kName, lCannotKeep, errno);
    return -1;
  }
  // Nobody else needs its name, and nothing is left behind however the program ends.
  ::unlink(lTemplate.c_str());
  const std::unique_ptr<char[]> lBlock(new (std::nothrow) char[kBlock]);
  if (!lBlock) {
    ::close(lCopy);
    oError = MessageText::OutOfMemory(kName, kBlock);
    return -1;
  }
  for (;;) {
    const ssize_t lRead = ::read(STDIN_FILENO, lBlock.get(), kBlock);
    if (lRead < 0 && errno == EINTR) continue;
    if (lRead == 0) return lCopy;
    if (lRead < 0) {
      oError = MessageText::SystemError(kName, "cannot read", errno);
    } else if (WriteAll(lCopy, lBlock.get(), static_cast<size_t>(lRead))) {
      continue;
    } else {
      oError = MessageText::SystemError(kName, lCannotKeep, errno);
    }
    ::close(lCopy);
    return -1;
  }
}

FileDescriptor StandardInput::Open(std::string& oError) {
  // Read once: a second look finds the input consumed.
  static std::string sError;
  static const int sFd = Keep(sError);
  if (sFd < 0) {
    oError = sError;
    return FileDescriptor();
  }
  const int lFd = ::fcntl(sFd, F_DUPFD_CLOEXEC, 0);
  if (lFd < 0) {
    oError = MessageText::SystemError(kName, "cannot read", errno);
    return FileDescriptor();
  }
  FileDescriptor lFile = FileDescriptor::Adopt(lFd, kName, oError);
  if (lFile.IsOpen() && lFile.GetSize() == 0) {
    oError = std::string(kName) + ": no data";
    return FileDescriptor();
  }
  return lFile;
}
