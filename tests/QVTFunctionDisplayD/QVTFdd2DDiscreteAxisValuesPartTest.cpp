// Discrete values part: value texts in equal slots along the axis. Fixed-metric font at height 2:
// every character 1.2 wide, every text 2 tall. On an axis running right the texts are turned a
// quarter counter-clockwise: their boxes are 2 wide and as tall as the text is long.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "QVTFdd2DDiscreteAxisValuesPart.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddTestAxisPartFixture.h"

namespace {

const double kEps = 1e-5;


std::vector<std::string> Strings(QVTFddGPList* iHead) {
  std::vector<std::string> lStrings;
  for (QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext())
    if (const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(lNode->GetGP()))
      lStrings.insert(lStrings.begin(), lText->GetText().ToUTF8());
  return lStrings;
}

class QVTFdd2DDiscreteAxisValuesPartFixture : public QVTFddTestAxisPartFixture {
 protected:
  QVTFddMathRegion Lay(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                       const std::vector<const char*>& iTexts, CATFont* iFont) {
    QVTFdd2DDiscreteAxisValuesPart lPart(iStart, iEnd, iDirection, 2.0f, iFont, QVTFdd2DAxisTickPosition::eOutside,
                                         Empty(), Values(iTexts));
    return lPart.AddPrim(_List);
  }
};

}  // namespace

TEST_F(QVTFdd2DDiscreteAxisValuesPartFixture, ThreeSlotsOnThirtyUnits) {
  // Slots 6 wide: the walking point stops 7, 16 and 25 along the axis; each text's end point
  // (its top right corner before turning) lies one unit below it, the text reading upwards.
  QVTFddMathRegion lRegion = Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1),
                                 {"ab", "cde", "f"}, _Font);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 3);
  const double x[3] = {7, 16, 25};
  const double w[3] = {2.4, 3.6, 1.2};
  for (int i = 0; i < 3; ++i) {
    const CATMathBox2D lBox = lRegion.mf_GetBox(i);
    EXPECT_NEAR(lBox.GetLow().GetX(), x[i], kEps);
    EXPECT_NEAR(lBox.GetHigh().GetX(), x[i] + 2, kEps);
    EXPECT_NEAR(lBox.GetHigh().GetY(), -1, kEps);
    EXPECT_NEAR(lBox.GetLow().GetY(), -1 - w[i], kEps);
  }
  EXPECT_EQ(Strings(_List), std::vector<std::string>({"ab", "cde", "f"}));
  // Turned a quarter counter-clockwise, the origin at the box's bottom right.
  const CAT2DGeometricTextGP* lFirst = dynamic_cast<const CAT2DGeometricTextGP*>(_List->GetNext()->GetNext()->GetGP());
  ASSERT_NE(lFirst, nullptr);
  EXPECT_NEAR(lFirst->GetAngle(), 90.0, 1e-3);
  EXPECT_NEAR(lFirst->GetOrigin()[0], 9, kEps);
  EXPECT_NEAR(lFirst->GetOrigin()[1], -3.4, kEps);
}

TEST_F(QVTFdd2DDiscreteAxisValuesPartFixture, OneTextSitsAtTheMiddlePlusOne) {
  // On an upward axis, texts lie left of it and stand upright, their top right corner anchored.
  QVTFddMathRegion lRegion =
      Lay(CATMathPoint2D(10, 0), CATMathPoint2D(10, 40), CATMathDirection2D(-1, 0), {"abc"}, _Font);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
  const CATMathBox2D lBox = lRegion.mf_GetBox(0);
  EXPECT_NEAR(lBox.GetHigh().GetX(), 9, kEps);
  EXPECT_NEAR(lBox.GetLow().GetX(), 9 - 3.6, kEps);
  EXPECT_NEAR(lBox.GetHigh().GetY(), 21, kEps);
  EXPECT_NEAR(lBox.GetLow().GetY(), 19, kEps);
}

TEST_F(QVTFdd2DDiscreteAxisValuesPartFixture, TextsThatOverlapEarlierOnesAreLeftOut) {
  // 12 units for 3 texts: slot width (12 - 12) / 3 = 0, points 4, 7 and 10 apart by 3; the
  // turned texts are 2 wide, so all fit. With 5 texts on 12 units slots are negative: (12 - 18) / 5.
  EXPECT_EQ(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(12, 0), CATMathDirection2D(0, -1), {"a", "b", "c"}, _Font)
                .mf_GetNbBoxes(),
            3);
  delete _List;
  _List = nullptr;
  // Points at 1 + 3 - 0.6 = 3.4, then +1.8 each: 5.2, 7.0, 8.8, 10.6. Boxes 2 wide: the second
  // meets the first and is left out, the third is free, the fourth meets the third, the fifth is free.
  QVTFddMathRegion lRegion =
      Lay(CATMathPoint2D(0, 0), CATMathPoint2D(12, 0), CATMathDirection2D(0, -1), {"a", "b", "c", "d", "e"}, _Font);
  EXPECT_EQ(Strings(_List), std::vector<std::string>({"a", "c", "e"}));
  EXPECT_EQ(lRegion.mf_GetNbBoxes(), 3);
}

TEST_F(QVTFdd2DDiscreteAxisValuesPartFixture, NoTextsNoFontAndCopies) {
  EXPECT_TRUE(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1), {}, _Font).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);

  const unsigned long long lBefore = QVTFddModuleLog().Count();
  EXPECT_TRUE(
      Lay(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1), {"a", "b"}, nullptr).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore + 2);

  // A copy carries the geometry but no texts; assignment keeps the texts it had.
  QVTFdd2DDiscreteAxisValuesPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1), 2.0f,
                                       _Font, QVTFdd2DAxisTickPosition::eOutside, Empty(), Values({"a", "b"}));
  QVTFdd2DDiscreteAxisValuesPart lCopy(lPart);
  EXPECT_TRUE(lCopy.AddPrim(_List).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);
  QVTFdd2DDiscreteAxisValuesPart lOther(CATMathPoint2D(0, 0), CATMathPoint2D(60, 0), CATMathDirection2D(0, -1), 2.0f,
                                        _Font, QVTFdd2DAxisTickPosition::eOutside, Empty(), Values({"x"}));
  lOther = lPart;
  EXPECT_EQ(lOther.AddPrim(_List).mf_GetNbBoxes(), 1);
  EXPECT_EQ(Strings(_List), std::vector<std::string>({"x"}));
  // On the 30-unit axis assigned from lPart: the one slot's middle is 15, the text starts at 16.
  EXPECT_NEAR(QVTFddMathRegion(lOther.AddPrim(_List)).mf_GetBox(0).GetLow().GetX(), 16, kEps);
}

TEST_F(QVTFdd2DDiscreteAxisValuesPartFixture, OccupiedRegionAndTickPositionAreNotUsed) {
  QVTFdd2DDiscreteAxisValuesPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(30, 0), CATMathDirection2D(0, -1), 2.0f,
                                       _Font, QVTFdd2DAxisTickPosition::eCentered,
                                       QVTFddMathRegion(CATMathBox2D(-50, 50, -50, 50), 0.00001, nullptr, nullptr),
                                       Values({"ab", "cde", "f"}));
  QVTFddMathRegion lRegion = lPart.AddPrim(_List);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 3);
  EXPECT_NEAR(lRegion.mf_GetBox(0).GetLow().GetX(), 7, kEps);
}
