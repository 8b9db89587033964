#include "StandardInput.h"

#include <unistd.h>

#include <cerrno>

#include "MessageText.h"

bool StandardInput::Read(std::string& oText, std::string& oError) {
  static bool sRead = false;
  static std::string sText;
  static int sErrno = 0;
  if (!sRead) {
    sRead = true;
    char lBuffer[65536];
    for (;;) {
      const ssize_t n = ::read(STDIN_FILENO, lBuffer, sizeof lBuffer);
      if (n > 0) {
        sText.append(lBuffer, static_cast<size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        sErrno = errno;
        break;
      }
    }
  }
  if (sErrno != 0) {
    oError = MessageText::SystemError(kName, "cannot read", sErrno);
    return false;
  }
  if (sText.empty()) {
    oError = std::string(kName) + ": no data";
    return false;
  }
  oText = sText;
  return true;
}
