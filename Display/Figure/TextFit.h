// Texts fitted to the room a figure has for them, measured with the figure's font: a text never
// takes the room of the plot, it is shortened instead. One line (control characters such as line
// breaks read as spaces) is cut at a UTF-8 character boundary and ends with an ellipsis "…" when
// it is wider than its room; a title may first break onto further lines, at its own line breaks
// and at spaces. Widths in model units at the given text height.
#ifndef TextFit_H
#define TextFit_H

#include <string>
#include <vector>

class CATFont;

class TextFit {
 public:
  // iText on one line, at most iWidth wide; empty when not even the ellipsis fits.
  static std::string Line(const std::string& iText, CATFont& iFont, double iHeight, double iWidth);
  // iText in at most iMaxLines lines (at least one), each at most iWidth wide: broken at its own
  // line breaks and, where a line is too wide, at spaces; what the lines cannot hold ends the last
  // one, shortened. Lines left empty are dropped.
  static std::vector<std::string> Lines(const std::string& iText, CATFont& iFont, double iHeight, double iWidth,
                                        int iMaxLines);

  // The ellipsis that ends a shortened text (UTF-8).
  static const char* const kEllipsis;
};

#endif
