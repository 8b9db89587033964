// The axes gallery page: no two of its texts overlap (captions, limit, value and discrete texts,
// labels), measured as the measuring render measures them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AxesPage.h"
#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "RecordingRender.h"

namespace {

struct Box {
  std::string text;
  double x0, x1, y0, y1;
};

// Keeps the box of every geometric text drawn into it.
class TextBoxRender : public RecordingRender {
 public:
  void Draw2DGeometricText(CAT2DGeometricTextGP& iText) override {
    float c[8];
    iText.GetBoundingBox(c);
    Boxes.push_back({iText.GetText().ToUTF8(), std::min({c[0], c[2], c[4], c[6]}), std::max({c[0], c[2], c[4], c[6]}),
                     std::min({c[1], c[3], c[5], c[7]}), std::max({c[1], c[3], c[5], c[7]})});
    RecordingRender::Draw2DGeometricText(iText);
  }
  std::vector<Box> Boxes;
};

}  // namespace

TEST(AxesPage, NoTwoTextsOverlap) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  CATViewer lViewer(1200, 900);
  AxesPage::Build(lViewer, *lFont);
  TextBoxRender lRender;
  lViewer.Draw(lRender);
  const std::vector<Box>& lBoxes = lRender.Boxes;
  EXPECT_GT(lBoxes.size(), 100u);
  for (size_t i = 0; i < lBoxes.size(); ++i)
    for (size_t j = i + 1; j < lBoxes.size(); ++j) {
      const Box &a = lBoxes[i], &b = lBoxes[j];
      const bool lOverlap = std::min(a.x1, b.x1) - std::max(a.x0, b.x0) > 1e-3 &&
                            std::min(a.y1, b.y1) - std::max(a.y0, b.y0) > 1e-3;
      EXPECT_FALSE(lOverlap) << "\"" << a.text << "\" and \"" << b.text << "\"";
    }
  // 3D annotation texts are drawn too.
  EXPECT_GT(lRender.CountOf("ImmediateDraw3DAnnotationText"), 8u);
  lFont->Release();
}
