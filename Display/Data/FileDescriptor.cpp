#include "FileDescriptor.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "MessageText.h"

FileDescriptor FileDescriptor::Open(const std::string& iPath, std::string& oError) {
  if (iPath.empty()) {
    oError = MessageText::SystemError("(no file name)", "cannot open", ENOENT);
    return FileDescriptor();
  }
  // Non-blocking, so that a FIFO given by mistake is refused instead of waiting for a writer.
  const int lFd = ::open(iPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (lFd < 0) {
    oError = MessageText::SystemError(iPath, "cannot open", errno);
    return FileDescriptor();
  }
  return Adopt(lFd, iPath, oError);
}

FileDescriptor FileDescriptor::Adopt(int iFd, const std::string& iName, std::string& oError) {
  FileDescriptor lFile(iFd, 0);
  struct stat lStat;
  if (::fstat(lFile._Fd, &lStat) != 0) {
    oError = MessageText::SystemError(iName, "cannot read", errno);
  } else if (S_ISDIR(lStat.st_mode)) {
    oError = iName + ": is a directory, not a data file";
  } else if (!S_ISREG(lStat.st_mode)) {
    oError = iName + ": not a regular file";
  } else if (static_cast<unsigned long long>(lStat.st_size) > SIZE_MAX) {
    oError = iName + ": too large to map";
  } else {
    // Reads block from here on, as for any regular file.
    const int lFlags = ::fcntl(lFile._Fd, F_GETFL);
    if (lFlags >= 0) ::fcntl(lFile._Fd, F_SETFL, lFlags & ~O_NONBLOCK);
    lFile._Size = static_cast<size_t>(lStat.st_size);
    return lFile;
  }
  return FileDescriptor();
}

FileDescriptor::~FileDescriptor() {
  if (_Fd >= 0) ::close(_Fd);
}

FileDescriptor::FileDescriptor(FileDescriptor&& ioOther) noexcept
    : _Fd(std::exchange(ioOther._Fd, -1)), _Size(std::exchange(ioOther._Size, 0)) {}

void* FileDescriptor::Map(const std::string& iName, std::string& oError) const {
  void* lMapping = mmap(nullptr, _Size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, _Fd, 0);
  if (lMapping != MAP_FAILED) return lMapping;
  oError = errno == ENOMEM ? MessageText::OutOfMemory(iName, _Size) : MessageText::SystemError(iName, "cannot map", errno);
  return nullptr;
}
