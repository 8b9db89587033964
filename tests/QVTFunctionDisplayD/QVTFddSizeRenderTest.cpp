#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CAT2DPolygonGP.h"
#include "CATDynamicGP.h"
#include "CATFont.h"
#include "CATSupport.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddGPList.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddSizeRender.h"

namespace {

void ExpectBB(const CAT2DBoundingBox& iBox, float x0, float x1, float y0, float y1) {
  ASSERT_FALSE(iBox.IsEmpty());
  EXPECT_FLOAT_EQ(iBox.GetXMin(), x0);
  EXPECT_FLOAT_EQ(iBox.GetXMax(), x1);
  EXPECT_FLOAT_EQ(iBox.GetYMin(), y0);
  EXPECT_FLOAT_EQ(iBox.GetYMax(), y1);
}

void DrawLine(CATRender& iRender, float x0, float y0, float x1, float y1) {
  const CATMathPoint2Df lPoints[2] = {{x0, y0}, {x1, y1}};
  CAT2DLineGP* lLine = new CAT2DLineGP(lPoints, 2, 1, 0);
  ASSERT_NE(lLine, nullptr);
  lLine->Draw(iRender);
  lLine->Destroy();
}

// Draws a line and a marker itself, and remembers the viewpoint and viewport it was given.
class SelfDrawingGP : public CATDynamicGP {
 public:
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override {
    ++_Calls;
    _Viewpoint = iViewpoint;
    _Viewport = iViewport;
    const float lLine[4] = {-5, 1, 2, 3};
    iRender.ImmediateDraw2DLine(lLine, 2, 1, 0);
    const float lMarker[2] = {100, 100};
    iRender.ImmediateDraw2DMarker(lMarker, 1, CATSymbolType());
  }
  int _Calls = 0;
  const CATViewpoint* _Viewpoint = reinterpret_cast<const CATViewpoint*>(1);
  const CATViewport* _Viewport = reinterpret_cast<const CATViewport*>(1);
};

}  // namespace

TEST(QVTFddSizeRender, AccumulatesLinesAndPolygons) {
  QVTFddSizeRender lRender;
  EXPECT_TRUE(lRender.GetBB().IsEmpty());

  DrawLine(lRender, 0, 0, 10, 5);
  ExpectBB(lRender.GetBB(), 0, 10, 0, 5);
  const CATMathPoint2Df lTriangle[3] = {{-2, 1}, {3, 8}, {4, 4}};
  CAT2DPolygonGP* lPolygon = new CAT2DPolygonGP(lTriangle, 3);
  ASSERT_NE(lPolygon, nullptr);
  lPolygon->Draw(lRender);
  lPolygon->Destroy();
  ExpectBB(lRender.GetBB(), -2, 10, 0, 8);
  ExpectBB(lRender.GetBB(), -2, 10, 0, 8);  // reading does not reset

  DrawLine(lRender, 20, -1, 20, -1);  // drawing on enlarges the next result
  ExpectBB(lRender.GetBB(), -2, 20, -1, 8);
}

TEST(QVTFddSizeRender, IgnoresEverythingElseAndBadInput) {
  QVTFddSizeRender lRender;
  const float lPoints[6] = {1, 2, 3, 4, 5, 6};
  lRender.ImmediateDraw2DPolyline(lPoints, 3, 0);
  lRender.ImmediateDraw2DMarker(lPoints, 3, CATSymbolType());
  lRender.ImmediateDraw3DLine(lPoints, 2, 1, 0);
  lRender.ImmediateDraw2DAnnotationText(lPoints, "text", CATAnchorPoint(), 10.0f, 0, nullptr, nullptr);
  lRender.ImmediateDraw2DImagePixel(lPoints, nullptr, 1, 0, 0);
  lRender.ImmediateDraw2DLine(lPoints, 0, 1, 0);
  lRender.ImmediateDraw2DLine(lPoints, -4, 1, 0);
  lRender.ImmediateDraw2DLine(nullptr, 3, 1, 0);
  lRender.ImmediateDraw2DPolygon(nullptr, 3, 1, 0, nullptr, nullptr, nullptr, 0);
  const float lNaN[2] = {std::numeric_limits<float>::quiet_NaN(), 0};
  lRender.ImmediateDraw2DLine(lNaN, 1, 1, 0);
  EXPECT_TRUE(lRender.GetBB().IsEmpty());
}

TEST(QVTFddSizeRender, TextCountsWithTheBoxAroundItsTurnedCorners) {
  CATFont* lFont = CATFont::CreateFixedMetric();
  ASSERT_NE(lFont, nullptr);
  // "ABCD" at height 5: 12 wide and 5 tall, turned 30 degrees about its origin (1, 2).
  const float lOrigin[2] = {1, 2};
  CAT2DGeometricTextGP* lText =
      new CAT2DGeometricTextGP(lOrigin, "ABCD", 5.0f, 0, 4, 0, lFont, 0, 30.0f, -10000.0f, 1.0f, 0.0f);
  ASSERT_NE(lText, nullptr);
  QVTFddSizeRender lRender;
  lText->Draw(lRender);
  const double c = std::cos(std::acos(-1.0) / 6), s = std::sin(std::acos(-1.0) / 6);
  // Corners: origin, top-left (-5 s, 5 c), top-right (12 c - 5 s, 12 s + 5 c), bottom-right (12 c, 12 s).
  const CAT2DBoundingBox lBox = lRender.GetBB();
  EXPECT_NEAR(lBox.GetXMin(), 1 - 5 * s, 1e-5);
  EXPECT_NEAR(lBox.GetXMax(), 1 + 12 * c, 1e-5);
  EXPECT_NEAR(lBox.GetYMin(), 2, 1e-5);
  EXPECT_NEAR(lBox.GetYMax(), 2 + 12 * s + 5 * c, 1e-5);
  lText->Destroy();
  lFont->Release();
}

TEST(QVTFddSizeRender, DynamicPrimitivesDrawThemselvesWithoutViewpoint) {
  SelfDrawingGP* lGP = new SelfDrawingGP();
  ASSERT_NE(lGP, nullptr);
  QVTFddSizeRender lRender;
  lGP->Draw(lRender);
  EXPECT_EQ(lGP->_Calls, 1);
  EXPECT_EQ(lGP->_Viewpoint, nullptr);
  EXPECT_EQ(lGP->_Viewport, nullptr);
  ExpectBB(lRender.GetBB(), -5, 2, 1, 3);  // the line counts, the marker does not
  lGP->Destroy();
}

TEST(QVTFddSizeRender, CopyStartsEmptyAndAssignmentKeepsTheBox) {
  QVTFddSizeRender lRender;
  DrawLine(lRender, 0, 0, 10, 5);
  QVTFddSizeRender lCopy(lRender);
  EXPECT_TRUE(lCopy.GetBB().IsEmpty());
  DrawLine(lCopy, 1, 1, 2, 2);
  lRender = lCopy;
  ExpectBB(lRender.GetBB(), 0, 10, 0, 5);
}

TEST(QVTFddSizeRender, AllSizeRendersShareOneSupport) {
  CATSupport* lShared = nullptr;
  {
    QVTFddSizeRender lFirst;
    lShared = QVTFddSizeRenderSupport();
    ASSERT_NE(lShared, nullptr);
    EXPECT_EQ(&lFirst.GetSupport(), lShared);
    EXPECT_EQ(lShared->GetWidth(), 10);
    EXPECT_EQ(lShared->GetHeight(), 10);
    EXPECT_EQ(lShared->GetHandle(), nullptr);
  }
  QVTFddSizeRender lSecond;  // the support outlives the renders
  EXPECT_EQ(QVTFddSizeRenderSupport(), lShared);
  EXPECT_EQ(&lSecond.GetSupport(), lShared);
  EXPECT_EQ(&QVTFddSizeRender(lSecond).GetSupport(), lShared);
}

TEST(QVTFddSizeRender, MeasuresAxisTextsAsTheLayoutPlacedThem) {
  // Texts placed at several orientations, drawn into a size render: the measured box is the union
  // of the regions the layout computed.
  CATFont* lFont = CATFont::CreateFixedMetric();
  ASSERT_NE(lFont, nullptr);
  QVTFddGPList* lList = nullptr;
  QVTFddMathRegion lTaken(0.00001, nullptr);
  const CATMathDirection2D lUps[] = {{0, 1}, {1, 0}, {-1, 1}, {2, -1}};
  const CATMathDirection2D lPlacements[] = {{0, -1}, {1, 0}, {-1, -1}, {0.5, 1}};
  for (int i = 0; i < 4; ++i) {
    QVTFdd2DAxisText lText(4.0f, lFont, "measured", CATMathPoint2D(30.0 * i, 10.0 * i), lPlacements[i], lUps[i], i % 3);
    lTaken = lTaken | lText.AddPrim(lList, QVTFddMathRegion(0.00001, nullptr));
  }
  QVTFdd2DAxisLabelPart lLabel(CATMathPoint2D(0, -20), CATMathPoint2D(100, -20), CATMathDirection2D(0, -1), 6.0f, lFont,
                               QVTFdd2DAxisTickPosition::eOutside, lTaken, "label");
  lTaken = lTaken | lLabel.AddPrim(lList);

  QVTFddSizeRender lRender;
  for (QVTFddGPList* lNode = lList; lNode; lNode = lNode->GetNext()) lNode->GetGP()->Draw(lRender);
  const CATMathBox2D lExpected = lTaken.GetBoundingBox();
  const CAT2DBoundingBox lBox = lRender.GetBB();
  EXPECT_NEAR(lBox.GetXMin(), lExpected.GetLow().GetX(), 1e-4);
  EXPECT_NEAR(lBox.GetXMax(), lExpected.GetHigh().GetX(), 1e-4);
  EXPECT_NEAR(lBox.GetYMin(), lExpected.GetLow().GetY(), 1e-4);
  EXPECT_NEAR(lBox.GetYMax(), lExpected.GetHigh().GetY(), 1e-4);
  delete lList;
  lFont->Release();
}
