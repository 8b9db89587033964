#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Links followed at most, as the system's own limit on a path's links.
const int kMostLinks = 40;

// The file iPath names once its symbolic links are followed, whether it exists or not (a dangling
// link names the file to make); empty with oErrno when the links go round.
std::string Target(std::string iPath, int& oErrno) {
  for (int lLinks = 0; lLinks <= kMostLinks; ++lLinks) {
    struct stat lStat;
    if (::lstat(iPath.c_str(), &lStat) != 0 || !S_ISLNK(lStat.st_mode)) return iPath;
    std::string lTarget(static_cast<size_t>(lStat.st_size > 0 ? lStat.st_size : 255) + 1, '\0');
    const ssize_t lLength = ::readlink(iPath.c_str(), lTarget.data(), lTarget.size());
    // A link changed meanwhile is taken as a file; the write then fails or replaces it, as before.
    if (lLength <= 0 || static_cast<size_t>(lLength) >= lTarget.size()) return iPath;
    lTarget.resize(static_cast<size_t>(lLength));
    const size_t lSlash = iPath.find_last_of('/');
    iPath = lTarget.front() == '/' || lSlash == std::string::npos ? lTarget : iPath.substr(0, lSlash + 1) + lTarget;
  }
  oErrno = ELOOP;
  return std::string();
}

}  // namespace

WholeFile::WholeFile(const std::string& iPath) {
  // Writing through a link writes the file it names: the link stays, and the temporary file lies
  // beside the file it replaces.
  int lErrno = ENOENT;
  _Path = iPath.empty() ? iPath : Target(iPath, lErrno);
  if (_Path.empty() || _Path.back() == '/') {
    Fail(_Path.empty() ? lErrno : EISDIR);
    return;
  }
  const std::string& lPath = _Path;
  const size_t lSlash = lPath.find_last_of('/');
  const std::string lFolder = lSlash == std::string::npos ? "" : lPath.substr(0, lSlash + 1);
  const std::string lName = lSlash == std::string::npos ? lPath : lPath.substr(lSlash + 1);
  std::string lTemplate = lFolder + "." + lName + ".XXXXXX";
  _Fd = ::mkstemp(lTemplate.data());
  if (_Fd < 0) {
    Fail(errno);
    return;
  }
  _TempPath = lTemplate;
  // mkstemp makes the file private; a picture gets the mode of the file it replaces, or what the
  // user's umask gives a new file.
  struct stat lTarget;
  mode_t lMode;
  if (::stat(lPath.c_str(), &lTarget) == 0 && S_ISREG(lTarget.st_mode)) {
    lMode = lTarget.st_mode & 07777;
  } else {
    const mode_t lMask = ::umask(0);
    ::umask(lMask);
    lMode = 0666 & ~lMask;
  }
  if (::fchmod(_Fd, lMode) != 0) Fail(errno);
}

WholeFile::~WholeFile() {
  if (_Fd >= 0) ::close(_Fd);
  if (!_Committed && !_TempPath.empty()) ::unlink(_TempPath.c_str());
}

void WholeFile::Fail(int iErrno) {
  if (_Error.empty()) _Error = std::strerror(iErrno != 0 ? iErrno : EIO);
}

bool WholeFile::Flush() {
  size_t lDone = 0;
  while (lDone < _Used && IsGood()) {
    const ssize_t lWritten = ::write(_Fd, _Buffer + lDone, _Used - lDone);
    if (lWritten > 0) {
      lDone += static_cast<size_t>(lWritten);
    } else if (lWritten < 0 && errno != EINTR) {
      Fail(errno);
    } else if (lWritten == 0) {
      Fail(ENOSPC);
    }
  }
  _Used = 0;
  return IsGood();
}

bool WholeFile::Write(const void* iData, size_t iSize) {
  const unsigned char* lData = static_cast<const unsigned char*>(iData);
  while (iSize > 0 && IsGood()) {
    if (_Used == sizeof _Buffer && !Flush()) break;
    const size_t lPart = iSize < sizeof _Buffer - _Used ? iSize : sizeof _Buffer - _Used;
    std::memcpy(_Buffer + _Used, lData, lPart);
    _Used += lPart;
    lData += lPart;
    iSize -= lPart;
  }
  return IsGood();
}

bool WholeFile::Commit() {
  if (_Committed) return true;
  if (!Flush()) return false;
  const int lFd = _Fd;
  _Fd = -1;
  // Some file systems report a full disk only when the file is closed.
  if (::close(lFd) != 0) {
    Fail(errno);
    return false;
  }
  if (::rename(_TempPath.c_str(), _Path.c_str()) != 0) {
    Fail(errno);
    return false;
  }
  _Committed = true;
  return true;
}
