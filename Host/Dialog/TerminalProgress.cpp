#include "TerminalProgress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char* const kHint = "  Ctrl-C cancels";
constexpr int kMinBar = 10;
constexpr int kMaxBar = 40;

// Share of the range done, 0 .. 1; an empty or inverted range is done once iPos reaches iMax.
double sFraction(int iMin, int iMax, int iPos) {
  if (iMax <= iMin) return iPos >= iMax ? 1.0 : 0.0;
  const double lFraction = (static_cast<double>(iPos) - iMin) / (static_cast<double>(iMax) - iMin);
  return lFraction < 0.0 ? 0.0 : (lFraction > 1.0 ? 1.0 : lFraction);
}

}  // namespace

TerminalProgress::TerminalProgress(int iFd)
    : _Fd(iFd), _IsTerminal(0), _Columns(80), _Shown(0), _LastFilled(-1), _LastPercent(-1) {
  _IsTerminal = iFd >= 0 && isatty(iFd) == 1;
  if (_IsTerminal) {
    struct winsize lSize;
    std::memset(&lSize, 0, sizeof(lSize));
    if (ioctl(iFd, TIOCGWINSZ, &lSize) == 0 && lSize.ws_col > 0) _Columns = lSize.ws_col;
  }
}

TerminalProgress::~TerminalProgress() { Clear(); }

int TerminalProgress::FilledCells(int iMin, int iMax, int iPos, int iBarWidth) {
  if (iBarWidth <= 0) return 0;
  return static_cast<int>(sFraction(iMin, iMax, iPos) * iBarWidth);
}

int TerminalProgress::Percent(int iMin, int iMax, int iPos) {
  return static_cast<int>(sFraction(iMin, iMax, iPos) * 100.0);
}

std::string TerminalProgress::Format(const char* iTitle, int iMin, int iMax, int iPos, int iBarWidth) {
  const int lWidth = iBarWidth < 0 ? 0 : iBarWidth;
  const int lFilled = FilledCells(iMin, iMax, iPos, lWidth);
  std::string lLine = iTitle ? iTitle : "";
  if (!lLine.empty()) lLine += ' ';
  lLine += '[';
  lLine.append(static_cast<size_t>(lFilled), '#');
  lLine.append(static_cast<size_t>(lWidth - lFilled), '.');
  lLine += ']';
  const std::string lPercent = std::to_string(Percent(iMin, iMax, iPos));
  lLine.append(5 - lPercent.size(), ' ');  // right-aligned: "  40%", " 100%"
  lLine += lPercent;
  lLine += '%';
  lLine += kHint;
  return lLine;
}

int TerminalProgress::BarWidth(const char* iTitle) const {
  // Room left by the title, brackets, percentage and hint, and one column spare so the cursor
  // never wraps to the next line.
  const int lFixed = static_cast<int>((iTitle ? std::strlen(iTitle) + 1 : 0) + 2 + 6 + std::strlen(kHint) + 1);
  const int lRoom = _Columns - lFixed;
  return lRoom < kMinBar ? kMinBar : (lRoom > kMaxBar ? kMaxBar : lRoom);
}

void TerminalProgress::Show(const char* iTitle, int iMin, int iMax, int iPos) {
  if (!_IsTerminal) return;
  const int lWidth = BarWidth(iTitle);
  const int lFilled = FilledCells(iMin, iMax, iPos, lWidth);
  const int lPercent = Percent(iMin, iMax, iPos);
  if (_Shown && lFilled == _LastFilled && lPercent == _LastPercent) return;
  // Carriage return, the line, and "erase to the end of the line" for a shorter redraw.
  Write("\r" + Format(iTitle, iMin, iMax, iPos, lWidth) + "\x1b[K");
  _Shown = 1;
  _LastFilled = lFilled;
  _LastPercent = lPercent;
}

void TerminalProgress::Clear() {
  if (!_Shown) return;
  Write("\r\x1b[K");
  _Shown = 0;
  _LastFilled = _LastPercent = -1;
}

void TerminalProgress::Write(const std::string& iText) const {
  const char* lData = iText.data();
  size_t lLeft = iText.size();
  while (lLeft > 0) {
    const ssize_t lDone = ::write(_Fd, lData, lLeft);
    if (lDone < 0 && errno == EINTR) continue;  // Ctrl-C arrives while the line is written
    if (lDone <= 0) return;                      // a closed or full terminal: progress is optional
    lData += lDone;
    lLeft -= static_cast<size_t>(lDone);
  }
}
