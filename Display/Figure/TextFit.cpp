#include "TextFit.h"

#include <algorithm>
#include <cmath>

#include "CATFont.h"
#include "CATUnicodeString.h"

const char* const TextFit::kEllipsis = "\xE2\x80\xA6";

namespace {

double Width(const std::string& iText, CATFont& iFont, double iHeight) {
  return iText.empty() ? 0.0 : iFont.GetAdvance(CATUnicodeString(iText)) * iHeight;
}

// iText with control characters as spaces (a font has no glyph for them) and without spaces at
// its ends.
std::string Cleaned(const std::string& iText) {
  std::string lText = iText;
  for (char& c : lText)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  const size_t lFirst = lText.find_first_not_of(' ');
  if (lFirst == std::string::npos) return std::string();
  return lText.substr(lFirst, lText.find_last_not_of(' ') + 1 - lFirst);
}

// Whether a cut before byte i of iText falls between two characters.
bool IsBoundary(const std::string& iText, size_t i) {
  return i == 0 || i >= iText.size() || (static_cast<unsigned char>(iText[i]) & 0xC0) != 0x80;
}

// The first iLength bytes of iText, moved back to a character boundary, without trailing spaces,
// with the ellipsis.
std::string Shortened(const std::string& iText, size_t iLength) {
  size_t n = std::min(iLength, iText.size());
  while (!IsBoundary(iText, n)) --n;
  while (n > 0 && iText[n - 1] == ' ') --n;
  return iText.substr(0, n) + TextFit::kEllipsis;
}

}  // namespace

std::string TextFit::Line(const std::string& iText, CATFont& iFont, double iHeight, double iWidth) {
  if (!(iWidth > 0.0) || !(iHeight > 0.0)) return std::string();
  const std::string lText = Cleaned(iText);
  // A prefix that is already too wide bounds the search, so a long text costs what its room holds.
  size_t lHigh = 256;
  while (lHigh < lText.size() && Width(lText.substr(0, lHigh), iFont, iHeight) <= iWidth) lHigh *= 4;
  if (lHigh >= lText.size() && Width(lText, iFont, iHeight) <= iWidth) return lText;
  if (Width(kEllipsis, iFont, iHeight) > iWidth) return std::string();
  // The longest prefix that fits with the ellipsis: it lies in [lLow, lHigh).
  size_t lLow = 0;
  lHigh = std::min(lHigh, lText.size());
  while (lHigh - lLow > 1) {
    const size_t lMiddle = lLow + (lHigh - lLow) / 2;
    if (Width(Shortened(lText, lMiddle), iFont, iHeight) <= iWidth)
      lLow = lMiddle;
    else
      lHigh = lMiddle;
  }
  return Shortened(lText, lLow);
}

std::vector<std::string> TextFit::Lines(const std::string& iText, CATFont& iFont, double iHeight, double iWidth,
                                        int iMaxLines) {
  const size_t lMax = static_cast<size_t>(std::max(1, iMaxLines));
  // The text's own lines, those with something to show.
  std::vector<std::string> lParagraphs;
  for (size_t lStart = 0; lStart <= iText.size();) {
    const size_t lBreak = std::min(iText.find('\n', lStart), iText.size());
    std::string lParagraph = Cleaned(iText.substr(lStart, lBreak - lStart));
    if (!lParagraph.empty()) lParagraphs.push_back(std::move(lParagraph));
    lStart = lBreak + 1;
  }
  std::vector<std::string> lLines;
  for (size_t p = 0; p < lParagraphs.size(); ++p) {
    const std::string& lParagraph = lParagraphs[p];
    for (size_t lFrom = 0; lFrom < lParagraph.size();) {
      if (lLines.size() + 1 == lMax) {
        // The last line holds the rest of the text.
        std::string lRest = lParagraph.substr(lFrom);
        for (size_t q = p + 1; q < lParagraphs.size(); ++q) lRest += " " + lParagraphs[q];
        lLines.push_back(Line(lRest, iFont, iHeight, iWidth));
        return lLines;
      }
      // Whole words while they fit (a first word too wide is shortened on its own line).
      size_t lEnd = std::min(lParagraph.find(' ', lFrom), lParagraph.size());
      while (lEnd < lParagraph.size()) {
        const size_t lNext = std::min(lParagraph.find(' ', lEnd + 1), lParagraph.size());
        if (Width(lParagraph.substr(lFrom, lNext - lFrom), iFont, iHeight) > iWidth) break;
        lEnd = lNext;
      }
      const std::string lLine = Line(lParagraph.substr(lFrom, lEnd - lFrom), iFont, iHeight, iWidth);
      if (!lLine.empty()) lLines.push_back(lLine);
      lFrom = std::min(lParagraph.find_first_not_of(' ', lEnd), lParagraph.size());
    }
  }
  return lLines;
}
