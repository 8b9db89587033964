#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

WholeFile::WholeFile(const std::string& iPath) : _Path(iPath) {
  if (iPath.empty() || iPath.back() == '/') {
    Fail(iPath.empty() ? ENOENT : EISDIR);
    return;
  }
  const size_t lSlash = iPath.find_last_of('/');
  const std::string lFolder = lSlash == std::string::npos ? "" : iPath.substr(0, lSlash + 1);
  const std::string lName = lSlash == std::string::npos ? iPath : iPath.substr(lSlash + 1);
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
  if (::stat(iPath.c_str(), &lTarget) == 0 && S_ISREG(lTarget.st_mode)) {
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
