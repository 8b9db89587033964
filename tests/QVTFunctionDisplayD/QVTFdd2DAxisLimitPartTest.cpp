// Limit part: axis line, end ticks and staggered limit texts. Fixed-metric font at height 2:
// every character 1.2 wide, every text 2 tall.
#include <gtest/gtest.h>

#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "QVTFdd2DAxisLimitPart.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddTestAxisPartFixture.h"
#include "QVTFddTestExpectNear.h"

namespace {

const double kEps = 1e-5;


// The list's primitives from the head.
std::vector<CATGraphicPrimitive*> FromHead(QVTFddGPList* iHead) {
  std::vector<CATGraphicPrimitive*> lAll;
  for (QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext()) lAll.push_back(lNode->GetGP());
  return lAll;
}

void ExpectLine(CATGraphicPrimitive* iGP, double x0, double y0, double x1, double y1) {
  ExpectSegmentNear(dynamic_cast<const CAT2DLineGP*>(iGP), x0, y0, x1, y1, kEps);
}

void ExpectText(CATGraphicPrimitive* iGP, const char* iText, double x, double y) {
  const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(iGP);
  ASSERT_NE(lText, nullptr);
  EXPECT_EQ(lText->GetText().ToUTF8(), iText);
  EXPECT_NEAR(lText->GetOrigin()[0], x, kEps);
  EXPECT_NEAR(lText->GetOrigin()[1], y, kEps);
}

void ExpectBox(const CATMathBox2D& iBox, double x0, double x1, double y0, double y1) {
  ExpectBoxNear(iBox, x0, x1, y0, y1, kEps);
}

class QVTFdd2DAxisLimitPartFixture : public QVTFddTestAxisPartFixture {
 protected:
  QVTFddMathRegion Lay(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, int iShowLimits, int iActive,
                       int iSPS, QVTFdd2DAxisTickPosition::eTickPosition iPosition = QVTFdd2DAxisTickPosition::eOutside,
                       const char* iMin = "lo", const char* iMax = "hi", bool iNoFont = false) {
    QVTFdd2DAxisLimitPart lPart(iStart, iEnd, CATMathDirection2D(0, -1), 2.0f, iNoFont ? nullptr : _Font, iPosition,
                                Empty(), iMin, iMax, iShowLimits, iActive, iSPS);
    return lPart.AddPrim(_List);
  }
};

}  // namespace

TEST_F(QVTFdd2DAxisLimitPartFixture, WithoutShowLimitsOnlyTheActiveAxisLine) {
  EXPECT_TRUE(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 0, 0, 0).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);
  EXPECT_TRUE(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 0, 1, 0).mf_IsEmpty());
  const std::vector<CATGraphicPrimitive*> lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 1u);
  ExpectLine(lAll[0], 0, 0, 30, 0);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, WorkedExampleOfTheSecondSPS) {
  // From the head: end text, start text, end tick, start tick, axis line.
  QVTFddMathRegion lRegion = Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 1, 1, 1);
  const std::vector<CATGraphicPrimitive*> lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 5u);
  // Texts 2.4 wide, anchored 5 below the axis at 2 and at 28, both extending inward.
  ExpectText(lAll[0], "hi", 28 - 2.4, -7);
  ExpectText(lAll[1], "lo", 2, -7);
  ExpectLine(lAll[2], 30, 0, 30, -4);
  ExpectLine(lAll[3], 0, 0, 0, -4);
  ExpectLine(lAll[4], 0, 0, 30, 0);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 2);
  ExpectBox(lRegion.mf_GetBox(0), 2, 4.4, -7, -5);
  ExpectBox(lRegion.mf_GetBox(1), 25.6, 28, -7, -5);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, EndTicksRunOutwardOnly) {
  // eInside: zero-length end ticks, texts 1 from the axis.
  Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 1, 0, 0, QVTFdd2DAxisTickPosition::eInside);
  std::vector<CATGraphicPrimitive*> lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 4u);
  ExpectText(lAll[0], "hi", 30 - 2.4, -3);
  ExpectText(lAll[1], "lo", 0, -3);
  ExpectLine(lAll[2], 30, 0, 30, 0);
  ExpectLine(lAll[3], 0, 0, 0, 0);
  // eCentered: 2 outward, not across the axis; any other value as eInside.
  delete _List;
  _List = nullptr;
  Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 1, 0, 0, QVTFdd2DAxisTickPosition::eCentered);
  lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 4u);
  ExpectText(lAll[1], "lo", 0, -5);
  ExpectLine(lAll[3], 0, 0, 0, -2);
  delete _List;
  _List = nullptr;
  Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 1, 0, 0, static_cast<QVTFdd2DAxisTickPosition::eTickPosition>(-4));
  lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 4u);
  ExpectLine(lAll[3], 0, 0, 0, 0);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, InwardStepsAreNotBounded) {
  // SPS 8 on a 15-unit axis: the start text is anchored at 8 and extends right, the end text at 7
  // and extends left; they have passed each other without meeting.
  QVTFddMathRegion lRegion = Lay(CATMathPoint2D(0, 0), CATMathPoint2D(15, 0), 1, 0, 8);
  std::vector<CATGraphicPrimitive*> lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 4u);
  ExpectText(lAll[0], "hi", 7 - 2.4, -7);
  ExpectText(lAll[1], "lo", 8, -7);
  EXPECT_EQ(lRegion.mf_GetNbBoxes(), 2);

  // SPS 7: start text 7 .. 9.4, end text 5.6 .. 8. They meet: the end text is left out.
  delete _List;
  _List = nullptr;
  lRegion = Lay(CATMathPoint2D(0, 0), CATMathPoint2D(15, 0), 1, 0, 7);
  lAll = FromHead(_List);
  ASSERT_EQ(lAll.size(), 3u);
  ExpectText(lAll[0], "lo", 7, -7);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
  ExpectBox(lRegion.mf_GetBox(0), 7, 9.4, -7, -5);

  // Texts that only touch are both kept: "lo" ends at 2.4 where "hi" begins on a 4.8 axis.
  delete _List;
  _List = nullptr;
  EXPECT_EQ(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(4.8, 0), 1, 0, 0).mf_GetNbBoxes(), 2);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, ZeroLengthAxisAnchorsBothTextsAtOnePoint) {
  // The start text extends right of the point, the end text left of it: they only touch.
  QVTFddMathRegion lRegion = Lay(CATMathPoint2D(5, 5), CATMathPoint2D(5, 5), 1, 1, 3);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 2);
  ExpectBox(lRegion.mf_GetBox(0), 5, 7.4, -2, 0);
  ExpectBox(lRegion.mf_GetBox(1), 2.6, 5, -2, 0);
  // Anchored at one point by opposite corners, texts of any lengths only touch.
  delete _List;
  _List = nullptr;
  EXPECT_EQ(Lay(CATMathPoint2D(5, 5), CATMathPoint2D(5, 5), 1, 0, 0, QVTFdd2DAxisTickPosition::eOutside, "a", "bcd")
                .mf_GetNbBoxes(),
            2);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, OccupiedRegionIsNotLookedAt) {
  QVTFdd2DAxisLimitPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1), 2.0f, _Font,
                              QVTFdd2DAxisTickPosition::eOutside,
                              QVTFddMathRegion(CATMathBox2D(-100, 100, -100, 100), 0.00001, nullptr, nullptr), "lo",
                              "hi", 1, 0, 0);
  EXPECT_EQ(lPart.AddPrim(_List).mf_GetNbBoxes(), 2);
}

TEST_F(QVTFdd2DAxisLimitPartFixture, WithoutFontLinesOnly) {
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(
      Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), 1, 1, 0, QVTFdd2DAxisTickPosition::eOutside, "lo", "hi", true)
          .mf_IsEmpty());
  EXPECT_EQ(FromHead(_List).size(), 3u);
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore + 2);
  QVTFdd2DAxisLimitPart lDefault;
  EXPECT_TRUE(lDefault.AddPrim(_List).mf_IsEmpty());
  EXPECT_EQ(FromHead(_List).size(), 3u);
}
