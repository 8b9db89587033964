#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "CairoRender.h"
#include "ImageCompare.h"
#include "QVTFdd2DEmptyAxisRep.h"
#include "RecordingRender.h"

namespace {

const float kWide = 0.1f;

struct BoundsCase {
  CATMathPoint2D start, end;
  double x0, x1, y0, y1;
};

void ExpectBounds(const QVTFdd2DEmptyAxisRep& iRep, double x0, double x1, double y0, double y1) {
  const CAT2DBoundingBox& lBox = iRep.GetBoundingElement();
  ASSERT_FALSE(lBox.IsEmpty());
  EXPECT_EQ(lBox.GetXMin(), static_cast<float>(x0));
  EXPECT_EQ(lBox.GetXMax(), static_cast<float>(x1));
  EXPECT_EQ(lBox.GetYMin(), static_cast<float>(y0));
  EXPECT_EQ(lBox.GetYMax(), static_cast<float>(y1));
}

}  // namespace

TEST(QVTFdd2DEmptyAxisRep, BoundingElementIsWidenedWhereTheLineIsFlat) {
  const BoundsCase lCases[] = {
      {{0, 0}, {10, 0}, 0, 10, 0 - kWide, 0 + kWide},                    // horizontal
      {{5, 2}, {5, 8}, 5 - kWide, 5 + kWide, 2, 8},                      // vertical
      {{1, 1}, {4, 3}, 1, 4, 1, 3},                                      // oblique: not widened
      {{7, -3}, {7, -3}, 7 - kWide, 7 + kWide, -3 - kWide, -3 + kWide},  // a point
      {{10, 3}, {0, 1}, 0, 10, 1, 3},                                    // end before start
  };
  for (const BoundsCase& lCase : lCases) {
    QVTFdd2DEmptyAxisRep* lRep = new QVTFdd2DEmptyAxisRep(lCase.start, lCase.end);
    ASSERT_NE(lRep, nullptr);
    ExpectBounds(*lRep, lCase.x0, lCase.x1, lCase.y0, lCase.y1);
    lRep->Release();
  }
  // Widening uses the single-precision 0.1.
  QVTFdd2DEmptyAxisRep lRep(CATMathPoint2D(5, 2), CATMathPoint2D(5, 8));
  EXPECT_EQ(lRep.GetBoundingElement().GetXMin(), static_cast<float>(5.0 - 0.10000000149011612));
}

TEST(QVTFdd2DEmptyAxisRep, DrawsOneLineInItsOwnAttributes) {
  QVTFdd2DEmptyAxisRep* lRep = new QVTFdd2DEmptyAxisRep(CATMathPoint2D(1, 2), CATMathPoint2D(30, 2));
  ASSERT_NE(lRep, nullptr);
  CATGraphicAttributeSet lRed;
  lRed.SetColor(200, 10, 20);
  lRed.SetThickness(3);
  lRep->SetAttribute(lRed);
  RecordingRender lRender;
  lRep->DrawShading(lRender, 0);
  lRep->DrawShading(lRender, 0);
  const RecordedCall lAttribute{"SetCurrentAttribute", {}, {3 << 18, 200, 10, 20, 255}, ""};
  const RecordedCall lLine{"ImmediateDraw2DLine", {1, 2, 30, 2}, {2, 1, 0}, ""};
  EXPECT_EQ(lRender.Calls(), (std::vector<RecordedCall>{lAttribute, lLine, lAttribute, lLine}));

  // Furtive drawing draws nothing at all.
  lRender.Clear();
  lRender.SetFurtive(1);
  lRep->DrawShading(lRender, 0);
  EXPECT_TRUE(lRender.Calls().empty());
  lRep->Release();
}

TEST(QVTFdd2DEmptyAxisRep, SetPositionMovesBoundsAtOnceAndTheLineAtTheNextDraw) {
  QVTFdd2DEmptyAxisRep lRep(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0));
  RecordingRender lRender;
  lRep.DrawShading(lRender, 0);
  lRep.SetPosition(CATMathPoint2D(5, 2), CATMathPoint2D(5, 8));
  ExpectBounds(lRep, 5 - kWide, 5 + kWide, 2, 8);
  lRep.SetPosition(CATMathPoint2D(-1, -2), CATMathPoint2D(3, 4));  // twice before a draw
  ExpectBounds(lRep, -1, 3, -2, 4);
  lRender.Clear();
  lRep.DrawShading(lRender, 0);
  ASSERT_EQ(lRender.CountOf("ImmediateDraw2DLine"), 1u);
  EXPECT_EQ(lRender.CallsOf("ImmediateDraw2DLine")[0].Floats, (std::vector<float>{-1, -2, 3, 4}));
}

TEST(QVTFdd2DEmptyAxisRep, NonFinitePointsAreHarmless) {
  const double lNaN = std::numeric_limits<double>::quiet_NaN();
  const double lInf = std::numeric_limits<double>::infinity();
  QVTFdd2DEmptyAxisRep lRep(CATMathPoint2D(lNaN, 0), CATMathPoint2D(1, lNaN));
  EXPECT_TRUE(lRep.GetBoundingElement().IsEmpty());
  lRep.SetPosition(CATMathPoint2D(-lInf, 0), CATMathPoint2D(lInf, 0));
  RecordingRender lRender;
  lRep.DrawShading(lRender, 0);
  EXPECT_EQ(lRender.CountOf("ImmediateDraw2DLine"), 1u);
}

TEST(QVTFdd2DEmptyAxisRep, GoldenFrame) {
  const std::string lPath = TestOutputPath("QVTFdd2DEmptyAxisRep.png");
  CairoRender lRender(120, 80, CairoRender::PNG, lPath);  // no viewpoint: model units are pixels
  ASSERT_TRUE(lRender.IsValid());
  lRender.SetBackground(255, 255, 255);
  const struct {
    CATMathPoint2D start, end;
    int red, green, blue, thickness;
  } lAxes[] = {{{10, 10}, {110, 10}, 40, 40, 40, 2},
               {{10, 10}, {10, 70}, 40, 40, 40, 2},
               {{20, 20}, {100, 60}, 49, 130, 189, 3}};
  // Drawn first where they were built, then moved: only the moved lines may remain.
  std::vector<QVTFdd2DEmptyAxisRep*> lReps;
  for (size_t i = 0; i < 3; ++i) {
    lReps.push_back(new QVTFdd2DEmptyAxisRep(CATMathPoint2D(0, 0), CATMathPoint2D(119, 79)));
    ASSERT_NE(lReps.back(), nullptr);
    lReps.back()->DrawShading(lRender, 0);
  }
  lRender.SetBackground(255, 255, 255);
  for (size_t i = 0; i < 3; ++i) {
    lReps[i]->SetPosition(lAxes[i].start, lAxes[i].end);
    CATGraphicAttributeSet lSet;
    lSet.SetColor(lAxes[i].red, lAxes[i].green, lAxes[i].blue);
    lSet.SetThickness(lAxes[i].thickness);
    lReps[i]->SetAttribute(lSet);
    lReps[i]->DrawShading(lRender, 0);
    lReps[i]->Release();
  }
  unsigned char lRGBA[4];
  ASSERT_TRUE(lRender.GetPixel(60, 9, lRGBA));  // on the bottom axis
  EXPECT_LT(lRGBA[0], 120);
  ASSERT_TRUE(lRender.GetPixel(60, 40, lRGBA));  // on the oblique axis, which is blue
  EXPECT_GT(lRGBA[2], lRGBA[0] + 60);
  ASSERT_TRUE(lRender.GetPixel(5, 5, lRGBA));
  EXPECT_EQ(lRGBA[0], 255);
  ASSERT_EQ(lRender.Finish(), S_OK);
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFdd2DEmptyAxisRep.png", 1.0, 10);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}
