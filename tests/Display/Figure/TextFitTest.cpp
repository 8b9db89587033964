#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CATFont.h"
#include "TextFit.h"

namespace {

// Every character 0.5 wide at height 1: a width of n holds 2n characters.
class TextFitTest : public ::testing::Test {
 protected:
  void SetUp() override { _Font = CATFont::CreateFixedMetric(0.5, 0.8, 0.2); }
  void TearDown() override {
    if (_Font) _Font->Release();
  }
  CATFont* _Font = nullptr;
};

}  // namespace

// A text wider than its room ends with an ellipsis at a character boundary, within the room.
TEST_F(TextFitTest, OneLineIsShortenedWithAnEllipsis) {
  const std::string e = TextFit::kEllipsis;
  const struct {
    const char* text;
    double width;
    std::string fitted;
  } lCases[] = {{"Time [s]", 4.0, "Time [s]"},
                {"Pressure at the inlet", 4.0, "Pressur" + e},
                {"ab  cdefgh", 2.5, "ab" + e},
                {"two\nlines", 10.0, "two lines"},
                {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 1.5, "\xC3\xA9\xC3\xA9" + e},
                {"anything", 0.4, ""},
                {"anything", -1.0, ""}};
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.text);
    const std::string lFitted = TextFit::Line(c.text, *_Font, 1.0, c.width);
    EXPECT_EQ(lFitted, c.fitted);
    EXPECT_LE(_Font->GetAdvance(CATUnicodeString(lFitted)), std::max(c.width, 0.0) + 1e-9);
  }
  // A very long text costs what its room holds, and still fits.
  const std::string lLong(3000000, 'x');
  EXPECT_EQ(TextFit::Line(lLong, *_Font, 1.0, 5.0), std::string(9, 'x') + e);
}

// A title keeps its own line breaks, wraps at spaces, and what two lines cannot hold is cut.
TEST_F(TextFitTest, LinesBreakAtNewlinesThenSpaces) {
  const std::string e = TextFit::kEllipsis;
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } lCases[] = {{"Run 12\nsecond try", {"Run 12", "second try"}},
                {"one two three four", {"one two", "three four"}},
                {"one two three four five six", {"one two", "three fou" + e}},
                {"a\nb\nc", {"a", "b c"}},
                {"\n\nalone\n", {"alone"}},
                {"", {}}};
  for (const auto& c : lCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextFit::Lines(c.text, *_Font, 1.0, 5.0, 2), c.lines);
  }
}
