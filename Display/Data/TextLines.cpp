#include "TextLines.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Large enough that reading costs little per byte, small next to any data worth measuring.
const size_t kBlock = 256 * 1024;

}  // namespace

TextLines::TextLines(int iFd, std::string_view iText, unsigned long long iStart) : _Fd(iFd), _Offset(iStart) {
  if (_Fd >= 0) return;
  _Data = iText.data();
  _Begin = iStart < iText.size() ? static_cast<size_t>(iStart) : iText.size();
  _End = iText.size();
  _Offset = iText.size();
  _AtEnd = true;
}

bool TextLines::Fill() {
  if (_AtEnd) return false;
  if (_Buffer.empty()) _Buffer.resize(kBlock);
  if (_Begin > 0) {
    std::memmove(&_Buffer[0], &_Buffer[_Begin], _End - _Begin);
    _End -= _Begin;
    _Begin = 0;
  }
  if (_End == _Buffer.size()) _Buffer.resize(_Buffer.size() * 2);
  _Data = _Buffer.data();
  for (;;) {
    const ssize_t lRead = ::pread(_Fd, &_Buffer[_End], _Buffer.size() - _End, static_cast<off_t>(_Offset));
    if (lRead < 0 && errno == EINTR) continue;
    if (lRead < 0) _Errno = errno;
    if (lRead <= 0) {
      _AtEnd = true;
      return false;
    }
    _End += static_cast<size_t>(lRead);
    _Offset += static_cast<unsigned long long>(lRead);
    return true;
  }
}

bool TextLines::Next(std::string_view& oLine) {
  size_t lSearched = _Begin;
  for (;;) {
    const void* lNewline = _Data ? std::memchr(_Data + lSearched, '\n', _End - lSearched) : nullptr;
    if (lNewline) {
      const size_t lEnd = static_cast<size_t>(static_cast<const char*>(lNewline) - _Data);
      oLine = std::string_view(_Data + _Begin, lEnd - _Begin);
      _Begin = lEnd + 1;
      return true;
    }
    const size_t lUnread = _End - _Begin;
    if (!Fill()) break;
    lSearched = _Begin + lUnread;
  }
  if (_Errno != 0 || _Begin == _End) return false;
  // The last line has no '\n'.
  oLine = std::string_view(_Data + _Begin, _End - _Begin);
  _Begin = _End;
  return true;
}
