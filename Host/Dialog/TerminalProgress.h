// The face of a progress control in our host: one line on a terminal (standard error by default)
// with a title, a bar, the percentage done and how to cancel, redrawn in place. Writes only when
// the descriptor is a terminal, and only when what the line shows changes, so a program whose
// standard error goes to a file or a pipe gets no progress text at all. Owns no descriptor.
#ifndef TerminalProgress_H
#define TerminalProgress_H

#include <string>

class TerminalProgress {
 public:
  explicit TerminalProgress(int iFd = 2);
  // Clears the line if it shows a bar.
  ~TerminalProgress();

  int IsTerminal() const { return _IsTerminal; }
  int IsShown() const { return _Shown; }

  // Shows position iPos of the range iMin .. iMax (iMax reached: full).
  void Show(const char* iTitle, int iMin, int iMax, int iPos);
  // Erases the line.
  void Clear();

  // The line's text, without the terminal controls: "title [####......]  40%  Ctrl-C cancels" with
  // a bar of iBarWidth cells. Positions outside the range count as its nearer end.
  static std::string Format(const char* iTitle, int iMin, int iMax, int iPos, int iBarWidth);
  // Cells of the bar filled for iPos, 0 .. iBarWidth.
  static int FilledCells(int iMin, int iMax, int iPos, int iBarWidth);
  static int Percent(int iMin, int iMax, int iPos);

 private:
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void Write(const std::string& iText) const;
  int BarWidth(const char* iTitle) const;

  int _Fd;
  int _IsTerminal;
  int _Columns;
  int _Shown;
  int _LastFilled;
  int _LastPercent;
};

#endif
