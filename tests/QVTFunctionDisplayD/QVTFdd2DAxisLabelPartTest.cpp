// Labels of "Label" (5 characters) at height 2 in the fixed-metric font: 6 wide, 2 tall.
#include <gtest/gtest.h>

#include <cmath>

#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddTestAxisPartFixture.h"
#include "QVTFddTestExpectNear.h"
#include "QVTFddTestLog.h"

namespace {

const double kEps = 1e-9;

QVTFddMathRegion BoxRegion(double x0, double x1, double y0, double y1) {
  return QVTFddMathRegion(CATMathBox2D(x0, x1, y0, y1), 0.00001, nullptr, nullptr);
}

void ExpectBox(const QVTFddMathRegion& iRegion, double x0, double x1, double y0, double y1) {
  ExpectOneBoxNear(iRegion, x0, x1, y0, y1, kEps);
}

class QVTFdd2DAxisLabelPartFixture : public QVTFddTestAxisPartFixture {
 protected:
  QVTFddMathRegion Lay(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                       const QVTFddMathRegion& iOccupied, const char* iLabel = "Label",
                       QVTFdd2DAxisTickPosition::eTickPosition iTicks = QVTFdd2DAxisTickPosition::eOutside) {
    QVTFdd2DAxisLabelPart lPart(iStart, iEnd, iDirection, 2.0f, _Font, iTicks, iOccupied, iLabel);
    return lPart.AddPrim(_List);
  }

  // The text primitive at the head of the list.
  const CAT2DGeometricTextGP* Head() const {
    return _List ? dynamic_cast<const CAT2DGeometricTextGP*>(_List->GetGP()) : nullptr;
  }
};

}  // namespace

TEST_F(QVTFdd2DAxisLabelPartFixture, LabelGoesOneUnitBeyondTheOccupiedRegion) {
  // Below a horizontal axis whose texts reach down to -3: distance 0 - (-3) + 1 = 4.
  QVTFddMathRegion lRegion =
      Lay(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0), CATMathDirection2D(0, -1), BoxRegion(0, 10, -3, 0));
  ExpectBox(lRegion, 2, 8, -6, -4);  // the top edge's midpoint at (5, -4)
  const CAT2DGeometricTextGP* lText = Head();
  ASSERT_NE(lText, nullptr);
  EXPECT_EQ(lText->GetText().ToUTF8(), "Label");
  EXPECT_FLOAT_EQ(lText->GetOrigin()[0], 2.0f);
  EXPECT_FLOAT_EQ(lText->GetOrigin()[1], -6.0f);
  EXPECT_FLOAT_EQ(lText->GetAngle(), 0.0f);
  EXPECT_FLOAT_EQ(lText->GetHeight(), 2.0f);
  EXPECT_EQ(_List->GetNext(), nullptr);

  // Nothing occupied: the facing edge's midpoint on the axis midpoint. Pushed on the same list.
  QVTFddGPList* lBefore = _List;
  ExpectBox(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0), CATMathDirection2D(0, -1), Empty()), 2, 8, -2, 0);
  EXPECT_EQ(_List->GetNext(), lBefore);
}

TEST_F(QVTFdd2DAxisLabelPartFixture, TickPositionIsIgnored) {
  const QVTFdd2DAxisTickPosition::eTickPosition lPositions[] = {QVTFdd2DAxisTickPosition::eOutside, QVTFdd2DAxisTickPosition::eInside,
                                                           QVTFdd2DAxisTickPosition::eCentered,
                                                           static_cast<QVTFdd2DAxisTickPosition::eTickPosition>(7)};
  for (QVTFdd2DAxisTickPosition::eTickPosition lTicks : lPositions) {
    ExpectBox(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0), CATMathDirection2D(0, -1), BoxRegion(0, 10, -3, 0),
                  "Label", lTicks),
              2, 8, -6, -4);
    EXPECT_FLOAT_EQ(Head()->GetOrigin()[0], 2.0f);
    EXPECT_FLOAT_EQ(Head()->GetOrigin()[1], -6.0f);
  }
}

TEST_F(QVTFdd2DAxisLabelPartFixture, VerticalAxisLabelReadsFromStartToEnd) {
  // Left of an upward axis: turned a quarter counter-clockwise, reading upwards, its right side
  // (the glyphs' bottom) facing the axis.
  ExpectBox(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(0, 10), CATMathDirection2D(-1, 0), Empty()), -2, 0, 2, 8);
  EXPECT_FLOAT_EQ(Head()->GetAngle(), 90.0f);
  // Right of a downward axis: turned clockwise, reading downwards.
  ExpectBox(Lay(CATMathPoint2D(3, 10), CATMathPoint2D(3, 0), CATMathDirection2D(1, 0), BoxRegion(3, 4, 0, 10)), 5, 7, 2,
            8);
  EXPECT_FLOAT_EQ(Head()->GetAngle(), -90.0f);
}

TEST_F(QVTFdd2DAxisLabelPartFixture, TieMeasuresAlongXButMovesAlongTheDirection) {
  // Direction (1, 1) is as near +x as +y: the distance is measured along +x, 9 - 5 + 1 = 5 (along
  // +y it would be 12 - 5 + 1 = 8), and the label moves 5 along the diagonal.
  const CATMathDirection2D lDiagonal(1, 1);
  Lay(CATMathPoint2D(0, 10), CATMathPoint2D(10, 0), lDiagonal, BoxRegion(5, 9, 5, 12));
  const CAT2DGeometricTextGP* lText = Head();
  ASSERT_NE(lText, nullptr);
  const double s = std::sqrt(0.5);
  const double lPx = 5 + 5 * s, lPy = 5 + 5 * s;
  // Turned 45 degrees clockwise (its top along the axis normal (1, 1)), the bottom edge's midpoint
  // (3 along the baseline from the origin) on the position.
  EXPECT_NEAR(lText->GetAngle(), -45.0, 1e-5);
  EXPECT_NEAR(lText->GetOrigin()[0], lPx - 3 * s, 1e-5);
  EXPECT_NEAR(lText->GetOrigin()[1], lPy + 3 * s, 1e-5);
}

TEST_F(QVTFdd2DAxisLabelPartFixture, RegionBehindTheMidpointGivesANegativeDistance) {
  // Occupied up to x = -5 on the far side of an axis at x = 0: distance -5 + 1 = -4, so the label
  // is moved against the direction, to the left of the axis.
  ExpectBox(Lay(CATMathPoint2D(0, 0), CATMathPoint2D(0, 10), CATMathDirection2D(1, 0), BoxRegion(-10, -5, 0, 10)), -4,
            -2, 2, 8);
}

TEST_F(QVTFdd2DAxisLabelPartFixture, EmptyLabelStillTakesAMinimalBox) {
  QVTFddMathRegion lRegion = Lay(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0), CATMathDirection2D(0, -1), Empty(), "");
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 1);
  CATMathBox2D lBox = lRegion.mf_GetBox(0);
  EXPECT_NEAR(lBox.GetLow().GetX(), 5 - 0.5e-9, 1e-13);
  EXPECT_NEAR(lBox.GetHigh().GetX(), 5 + 0.5e-9, 1e-13);
  EXPECT_NEAR(lBox.GetLow().GetY(), -2, kEps);
  ASSERT_NE(Head(), nullptr);
}

TEST_F(QVTFdd2DAxisLabelPartFixture, WithoutFontNothingIsPlaced) {
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFdd2DAxisLabelPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(10, 0), CATMathDirection2D(0, -1), 2.0f, nullptr,
                              QVTFdd2DAxisTickPosition::eOutside, BoxRegion(0, 10, -3, 0), "Label");
  EXPECT_TRUE(lPart.AddPrim(_List).mf_IsEmpty());
  EXPECT_EQ(_List, nullptr);
  ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
  EXPECT_EQ(QVTFddModuleLog().Records().back().Text, testlog::kNotInitialized);
}
