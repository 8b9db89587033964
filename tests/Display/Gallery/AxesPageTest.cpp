// The axes gallery page: no two of its texts overlap (captions, limit, value and discrete texts,
// labels), measured as the measuring render measures them.
#include <gtest/gtest.h>

#include <vector>

#include "AxesPage.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "TextBoxRender.h"

TEST(AxesPage, NoTwoTextsOverlap) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  CATViewer lViewer(1200, 900);
  AxesPage::Build(lViewer, *lFont);
  TextBoxRender lRender;
  lViewer.Draw(lRender);
  const std::vector<TextBoxRender::Box>& lBoxes = lRender.Boxes;
  EXPECT_GT(lBoxes.size(), 100u);
  for (size_t i = 0; i < lBoxes.size(); ++i)
    for (size_t j = i + 1; j < lBoxes.size(); ++j) {
      const TextBoxRender::Box &a = lBoxes[i], &b = lBoxes[j];
      EXPECT_FALSE(TextBoxRender::Overlap(a, b)) << "\"" << a.text << "\" and \"" << b.text << "\"";
    }
  // 3D annotation texts are drawn too.
  EXPECT_GT(lRender.CountOf("ImmediateDraw3DAnnotationText"), 8u);
  lFont->Release();
}
