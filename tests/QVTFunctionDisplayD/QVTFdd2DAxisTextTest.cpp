// Layout numbers use the fixed-metric font: a text of n characters at height H is 0.6 n H wide and
// H tall, so every box below is exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "CairoRender.h"
#include "ColourAttribute.h"
#include "ImageCompare.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddTestAxisPartFixture.h"
#include "QVTFddTestExpectNear.h"
#include "QVTFddTestLog.h"

namespace {

const double kEps = 1e-9;
const CATMathPoint2D kPosition(100, 50);

QVTFddMathRegion BoxRegion(double x0, double x1, double y0, double y1) {
  return QVTFddMathRegion(CATMathBox2D(x0, x1, y0, y1), 0.00001, nullptr, nullptr);
}

class QVTFdd2DAxisTextFixture : public QVTFddTestAxisPartFixture {
 protected:
  // "ABCDE" at height 10: 30 wide, 10 tall.
  QVTFdd2DAxisText Text(const CATMathDirection2D& iPlacement, const CATMathDirection2D& iUp, int iMode,
                        const char* iText = "ABCDE") {
    return QVTFdd2DAxisText(10.0f, _Font, iText, kPosition, iPlacement, iUp, iMode);
  }

  // Pushes the text and checks that its region is the box (x0..x1, y0..y1) and that the primitive
  // starts at the origin (ox, oy) turned by iDegrees.
  void ExpectPlaced(const QVTFdd2DAxisText& iText, double x0, double x1, double y0, double y1, float ox, float oy,
                    float iDegrees) {
    QVTFddGPList* lBefore = _List;
    QVTFddMathRegion lRegion = iText.AddPrim(_List, Empty());
    ExpectOneBoxNear(lRegion, x0, x1, y0, y1, kEps);
    ASSERT_NE(_List, lBefore);
    EXPECT_EQ(_List->GetNext(), lBefore);
    auto* lGP = dynamic_cast<CAT2DGeometricTextGP*>(_List->GetGP());
    ASSERT_NE(lGP, nullptr);
    EXPECT_NEAR(lGP->GetOrigin()[0], ox, 1e-5);
    EXPECT_NEAR(lGP->GetOrigin()[1], oy, 1e-5);
    EXPECT_NEAR(lGP->GetAngle(), iDegrees, 1e-5);
    EXPECT_FLOAT_EQ(lGP->GetHeight(), 10.0f);
    EXPECT_EQ(lGP->GetFont(), _Font);
  }
};

}  // namespace

TEST_F(QVTFdd2DAxisTextFixture, UprightTextOnEachEdgeAndAnchor) {
  const CATMathDirection2D lUp(0, 1);
  // Below the position: the top edge's midpoint on it.
  ExpectPlaced(Text(CATMathDirection2D(0, -1), lUp, 1), 85, 115, 40, 50, 85, 40, 0);
  // Left of it: the right edge's far end (top right corner) on it.
  ExpectPlaced(Text(CATMathDirection2D(-1, 0), lUp, 2), 70, 100, 40, 50, 70, 40, 0);
  // Right of it: the left edge's near end, the text origin, on it.
  ExpectPlaced(Text(CATMathDirection2D(1, 0), lUp, 0), 100, 130, 50, 60, 100, 50, 0);
  // Above it: the bottom edge, near end, midpoint and far end.
  ExpectPlaced(Text(CATMathDirection2D(0, 1), lUp, 0), 100, 130, 50, 60, 100, 50, 0);
  ExpectPlaced(Text(CATMathDirection2D(0, 1), lUp, 1), 85, 115, 50, 60, 85, 50, 0);
  ExpectPlaced(Text(CATMathDirection2D(0, 1), lUp, 2), 70, 100, 50, 60, 70, 50, 0);
  // The left edge's far end is its top corner.
  ExpectPlaced(Text(CATMathDirection2D(1, 0), lUp, 2), 100, 130, 40, 50, 100, 40, 0);
  // Any other mode puts the text origin on the position, whatever edge faces it.
  ExpectPlaced(Text(CATMathDirection2D(0, -1), lUp, 5), 100, 130, 50, 60, 100, 50, 0);
  ExpectPlaced(Text(CATMathDirection2D(-1, 0), lUp, -1), 100, 130, 50, 60, 100, 50, 0);
}

TEST_F(QVTFdd2DAxisTextFixture, TurnedTexts) {
  // Up vector (1, 0): a quarter turn counter-clockwise, 10 wide and 30 high.
  const CATMathDirection2D lLeft(1, 0);
  // Turned corners P0 (0, 0), P1 (-10, 0), P2 (-10, 30), P3 (0, 30): edge 2 is on top.
  ExpectPlaced(Text(CATMathDirection2D(0, -1), lLeft, 2), 100, 110, 20, 50, 110, 20, 90);
  // Edge 3 is the right side; its midpoint on the position.
  ExpectPlaced(Text(CATMathDirection2D(-1, 0), lLeft, 1), 90, 100, 35, 65, 100, 35, 90);
  // Edge 1 is the left side.
  ExpectPlaced(Text(CATMathDirection2D(1, 0), lLeft, 1), 100, 110, 35, 65, 110, 35, 90);

  // Up vector (-1, 0): a quarter turn clockwise, reading downwards; edge 3 is now the left side.
  ExpectPlaced(Text(CATMathDirection2D(1, 0), CATMathDirection2D(-1, 0), 1), 100, 110, 35, 65, 100, 65, -90);
  // Up vector (0, -1): upside down; edge 1, the glyphs' top, is now the bottom side.
  ExpectPlaced(Text(CATMathDirection2D(0, 1), CATMathDirection2D(0, -1), 1), 85, 115, 50, 60, 115, 60, 180);
}

TEST_F(QVTFdd2DAxisTextFixture, ObliqueTextIsDrawnExactlyInTheBoxTheLayoutTested) {
  // Long texts at several angles: the primitive's own box (the box that is drawn and measured)
  // must be the layout box. An angle converted with a rounded pi would turn a 300-unit text
  // measurably further.
  const char* lLong = "0123456789012345678901234567890123456789012345678";  // 49 characters
  const CATMathDirection2D lUps[] = {{-1, 1}, {1, 1}, {1, -2}, {-3, -1}, {0.2, 1}};
  for (const CATMathDirection2D& lUp : lUps) {
    QVTFdd2DAxisText lText = Text(CATMathDirection2D(0.3, -1), lUp, 1, lLong);
    QVTFddMathRegion lRegion = lText.AddPrim(_List, Empty());
    ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
    auto* lGP = dynamic_cast<CAT2DGeometricTextGP*>(_List->GetGP());
    ASSERT_NE(lGP, nullptr);
    float lCorners[8];
    lGP->GetBoundingBox(lCorners);
    double lXMin = lCorners[0], lXMax = lCorners[0], lYMin = lCorners[1], lYMax = lCorners[1];
    for (int i = 1; i < 4; ++i) {
      lXMin = std::min<double>(lXMin, lCorners[2 * i]);
      lXMax = std::max<double>(lXMax, lCorners[2 * i]);
      lYMin = std::min<double>(lYMin, lCorners[2 * i + 1]);
      lYMax = std::max<double>(lYMax, lCorners[2 * i + 1]);
    }
    CATMathBox2D lBox = lRegion.mf_GetBox(0);
    EXPECT_NEAR(lXMin, lBox.GetLow().GetX(), 2e-4);
    EXPECT_NEAR(lXMax, lBox.GetHigh().GetX(), 2e-4);
    EXPECT_NEAR(lYMin, lBox.GetLow().GetY(), 2e-4);
    EXPECT_NEAR(lYMax, lBox.GetHigh().GetY(), 2e-4);
    const double lDegrees = std::atan2(lUp.GetX(), lUp.GetY()) * 180.0 / std::acos(-1.0);
    EXPECT_NEAR(lGP->GetAngle(), lDegrees, 1e-4);
  }
}

TEST_F(QVTFdd2DAxisTextFixture, DeclinesOnOverlapAndIsPlacedBeside) {
  QVTFdd2DAxisText lText = Text(CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1);  // 85..115 x 40..50
  QVTFddMathRegion lOverlapping = Empty() | BoxRegion(0, 20, 0, 20) | BoxRegion(114, 200, 45, 49);
  EXPECT_TRUE(lText.GetRegion(lOverlapping).mf_IsEmpty());
  EXPECT_TRUE(lText.AddPrim(_List, lOverlapping).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);

  // Touching along an edge, or overlapping by no more than the tolerance, leaves room.
  QVTFddMathRegion lBeside = BoxRegion(115, 200, 40, 50) | BoxRegion(85, 115, 50 - 0.5e-5, 70);
  EXPECT_EQ(lText.GetRegion(lBeside).mf_GetNbBoxes(), 1);
  EXPECT_EQ(_List, nullptr);  // GetRegion adds nothing
  EXPECT_EQ(lText.AddPrim(_List, lBeside).mf_GetNbBoxes(), 1);
  EXPECT_NE(_List, nullptr);
}

TEST_F(QVTFdd2DAxisTextFixture, NotInitialisedTextLogsAndPlacesNothing) {
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFdd2DAxisText lDefault;
  EXPECT_TRUE(lDefault.GetRegion(Empty()).mf_IsEmpty());
  EXPECT_TRUE(lDefault.GetRegion(Empty()).mf_IsEmpty());
  ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 2);  // once per call
  const QVTSydLogRecord& lRecord = QVTFddModuleLog().Records().back();
  EXPECT_EQ(lRecord.Text, testlog::kNotInitialized);
  EXPECT_EQ(lRecord.Source, testlog::Source("QVTFdd2DAxisText"));
  EXPECT_EQ(lRecord.Type, 0);

  QVTFdd2DAxisText lNoFont(10.0f, nullptr, "text", kPosition, CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1);
  EXPECT_TRUE(lNoFont.AddPrim(_List, Empty()).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore + 3);

  // Assignment makes a default text a placed one.
  lDefault = Text(CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1);
  ExpectPlaced(lDefault, 85, 115, 40, 50, 85, 40, 0);
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore + 3);
}

TEST_F(QVTFdd2DAxisTextFixture, EmptyTextHasAMinimalBox) {
  QVTFddMathRegion lRegion = Text(CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1, "").GetRegion(Empty());
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
  CATMathBox2D lBox = lRegion.mf_GetBox(0);
  EXPECT_NEAR(lBox.GetHigh().GetX() - lBox.GetLow().GetX(), 1e-9, 1e-13);
  EXPECT_NEAR(lBox.GetLow().GetX(), 100 - 0.5e-9, 1e-12);
  EXPECT_DOUBLE_EQ(lBox.GetLow().GetY(), 40);
  EXPECT_DOUBLE_EQ(lBox.GetHigh().GetY(), 50);

  // Height 0 makes both extents minimal.
  QVTFdd2DAxisText lFlat(0.0f, _Font, "ABC", kPosition, CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1);
  lRegion = lFlat.GetRegion(Empty());
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
  lBox = lRegion.mf_GetBox(0);
  EXPECT_NEAR(lBox.GetHigh().GetX() - lBox.GetLow().GetX(), 1e-9, 1e-13);
  EXPECT_NEAR(lBox.GetHigh().GetY() - lBox.GetLow().GetY(), 1e-9, 1e-13);
}

TEST_F(QVTFdd2DAxisTextFixture, AttributeSetIsComputedOncePerFontAndHeight) {
  auto Make = [](float iHeight, CATFont* iFont) {
    QVTFdd2DAxisText lText(iHeight, iFont, "x", kPosition, CATMathDirection2D(0, -1), CATMathDirection2D(0, 1), 1);
    (void)lText;
  };
  Make(7.25f, _Font);
  const unsigned long lStart = QVTFdd2DAxisText::GetNbAttributeSetComputations();
  Make(10.0f, _Font);
  EXPECT_EQ(QVTFdd2DAxisText::GetNbAttributeSetComputations(), lStart + 1);
  Make(10.0f, _Font);
  EXPECT_EQ(QVTFdd2DAxisText::GetNbAttributeSetComputations(), lStart + 1);
  Make(12.0f, _Font);
  EXPECT_EQ(QVTFdd2DAxisText::GetNbAttributeSetComputations(), lStart + 2);
  CATFont* lOther = CATFont::CreateFixedMetric(0.5);
  ASSERT_NE(lOther, nullptr);
  Make(12.0f, lOther);
  EXPECT_EQ(QVTFdd2DAxisText::GetNbAttributeSetComputations(), lStart + 3);
  // Reusing the set still measures each text on its own.
  QVTFddMathRegion lRegion = QVTFdd2DAxisText(12.0f, lOther, "ABCD", CATMathPoint2D(0, 0), CATMathDirection2D(1, 0),
                                              CATMathDirection2D(0, 1), 0)
                                 .GetRegion(Empty());
  EXPECT_EQ(QVTFdd2DAxisText::GetNbAttributeSetComputations(), lStart + 3);
  EXPECT_NEAR(lRegion.mf_GetBox(0).GetHigh().GetX(), 24.0, 1e-6);
  lOther->Release();
}

TEST_F(QVTFdd2DAxisTextFixture, NoFacingEdgeIsLoggedAndTheOriginGoesOnThePosition) {
  const double lNaN = std::numeric_limits<double>::quiet_NaN();
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFdd2DAxisText lText = Text(CATMathDirection2D(lNaN, 1), CATMathDirection2D(0, 1), 1);
  ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
  EXPECT_EQ(QVTFddModuleLog().Records().back().Text, testlog::kLineNotSelected);
  ExpectPlaced(lText, 100, 130, 50, 60, 100, 50, 0);

  // A NaN up vector or height, or an infinite position, places a text without crashing.
  QVTFdd2DAxisText(10.0f, _Font, "x", kPosition, CATMathDirection2D(0, 1), CATMathDirection2D(lNaN, lNaN), 1)
      .AddPrim(_List, Empty());
  QVTFdd2DAxisText(std::numeric_limits<float>::quiet_NaN(), _Font, "x", kPosition, CATMathDirection2D(0, 1),
                   CATMathDirection2D(0, 1), 1)
      .AddPrim(_List, Empty());
  QVTFdd2DAxisText(1e30f, _Font, "x", CATMathPoint2D(std::numeric_limits<double>::infinity(), 0),
                   CATMathDirection2D(0, 1), CATMathDirection2D(0, 0), 1)
      .AddPrim(_List, Empty());
}

TEST_F(QVTFdd2DAxisTextFixture, CopyIsTheSameText) {
  QVTFdd2DAxisText lText = Text(CATMathDirection2D(-1, 0), CATMathDirection2D(1, 0), 1);
  QVTFdd2DAxisText lCopy(lText);
  ExpectPlaced(lCopy, 90, 100, 35, 65, 100, 35, 90);
  ExpectPlaced(lText, 90, 100, 35, 65, 100, 35, 90);
}

namespace {

// Outline of a box, one pixel wide.
void DrawOutline(CATRender& iRender, const CATMathBox2D& iBox) {
  const float x0 = static_cast<float>(iBox.GetLow().GetX()), y0 = static_cast<float>(iBox.GetLow().GetY());
  const float x1 = static_cast<float>(iBox.GetHigh().GetX()), y1 = static_cast<float>(iBox.GetHigh().GetY());
  const float lPoints[10] = {x0, y0, x0, y1, x1, y1, x1, y0, x0, y0};
  iRender.ImmediateDraw2DLine(lPoints, 5, 1, 0);
}

}  // namespace

TEST(QVTFdd2DAxisTextDrawn, EveryTextIsDrawnInsideItsLayoutBox) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  const std::string lPath = TestOutputPath("QVTFdd2DAxisText.png");
  CairoRender lRender(240, 160, CairoRender::PNG, lPath);  // no viewpoint: model units are pixels
  ASSERT_TRUE(lRender.IsValid());
  lRender.SetBackground(255, 255, 255);

  const struct {
    CATMathPoint2D position;
    CATMathDirection2D placement, up;
    int mode;
  } lTexts[] = {
      {{120, 150}, {0, -1}, {0, 1}, 1},    // below, upright
      {{120, 10}, {0, 1}, {0, 1}, 1},      // above
      {{30, 80}, {-1, 0}, {1, 0}, 1},      // left, reading upwards
      {{210, 80}, {1, 0}, {-1, 0}, 1},     // right, reading downwards
      {{48, 100}, {1, -0.2}, {-1, 1}, 1},  // turned 45 degrees clockwise
      {{192, 78}, {-1, 1}, {1, 2}, 2},     // turned about 27 degrees counter-clockwise
  };
  QVTFddGPList* lList = nullptr;
  std::vector<CATMathBox2D> lBoxes;
  for (const auto& lText : lTexts) {
    QVTFddMathRegion lRegion =
        QVTFdd2DAxisText(16.0f, lFont, "Axis 125", lText.position, lText.placement, lText.up, lText.mode)
            .AddPrim(lList, QVTFddMathRegion(0.00001, nullptr));
    ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
    lBoxes.push_back(lRegion.mf_GetBox(0));
  }
  lRender.SetCurrentAttribute(Colour(0, 0, 0));
  for (QVTFddGPList* lNode = lList; lNode; lNode = lNode->GetNext()) lNode->GetGP()->Draw(lRender);

  // Every inked pixel lies in a text's box (its centre at most a pixel outside, for antialiasing),
  // and every box holds ink.
  std::vector<long> lInkPerBox(lBoxes.size(), 0);
  long lStray = 0;
  for (int x = 0; x < 240; ++x) {
    for (int y = 0; y < 160; ++y) {
      unsigned char lRGBA[4];
      ASSERT_TRUE(lRender.GetPixel(x, y, lRGBA));
      if (std::min({lRGBA[0], lRGBA[1], lRGBA[2]}) > 200) continue;
      bool lInside = false;
      for (size_t i = 0; i < lBoxes.size(); ++i) {
        const CATMathBox2D& b = lBoxes[i];
        if (x + 0.5 >= b.GetLow().GetX() - 1 && x + 0.5 <= b.GetHigh().GetX() + 1 && y + 0.5 >= b.GetLow().GetY() - 1 &&
            y + 0.5 <= b.GetHigh().GetY() + 1) {
          lInside = true;
          ++lInkPerBox[i];
        }
      }
      if (!lInside) ++lStray;
    }
  }
  EXPECT_EQ(lStray, 0);
  for (size_t i = 0; i < lBoxes.size(); ++i) EXPECT_GT(lInkPerBox[i], 100) << i;

  // The picture: boxes and anchor points over the texts.
  lRender.SetCurrentAttribute(Colour(49, 130, 189));
  for (const CATMathBox2D& lBox : lBoxes) DrawOutline(lRender, lBox);
  lRender.SetCurrentAttribute(Colour(215, 48, 39));
  for (const auto& lText : lTexts) {
    const float lPoint[2] = {static_cast<float>(lText.position.GetX()), static_cast<float>(lText.position.GetY())};
    lRender.ImmediateDraw2DMarker(lPoint, 1, CATSymbolFilledCircle);
  }
  ASSERT_EQ(lRender.Finish(), S_OK);
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFdd2DAxisText.png", 2.0, 40);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
  delete lList;
  lFont->Release();
}
