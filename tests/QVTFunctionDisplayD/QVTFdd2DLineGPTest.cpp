#include <gtest/gtest.h>

#include "QVTFdd2DLineGP.h"
#include "RecordingRender.h"

namespace {

// Records which line primitives reach the typed line operation.
class LineCountingRender : public RecordingRender {
 public:
  void Draw2DLine(CAT2DLineGP& iLine) override {
    _Lines.push_back(&iLine);
    RecordingRender::Draw2DLine(iLine);
  }
  std::vector<CAT2DLineGP*> _Lines;
};

}  // namespace

TEST(QVTFdd2DLineGP, DrawsThroughTheRendersLineOperation) {
  const CATMathPoint2Df lPoints[3] = {{0, 0}, {10, 5}, {20, -5}};
  QVTFdd2DLineGP* lLine = new QVTFdd2DLineGP(lPoints, 3, 1, 0);
  ASSERT_NE(lLine, nullptr);
  LineCountingRender lRender;
  lLine->Draw(lRender);
  ASSERT_EQ(lRender._Lines.size(), 1u);
  EXPECT_EQ(lRender._Lines[0], lLine);
  ASSERT_EQ(lRender.Calls().size(), 1u);
  EXPECT_EQ(lRender.Calls()[0], (RecordedCall{"ImmediateDraw2DLine", {0, 0, 10, 5, 20, -5}, {3, 1, 0}, ""}));
  lLine->Destroy();

  // A line without points reaches the render with none.
  QVTFdd2DLineGP* lEmpty = new QVTFdd2DLineGP(nullptr, 5, 1, 0);
  ASSERT_NE(lEmpty, nullptr);
  lEmpty->Draw(lRender);
  EXPECT_EQ(lRender._Lines.size(), 2u);
  lEmpty->Destroy();
}
