// Occupied-region tests: union order, the overlap rule (tolerance, touching, NaN), iteration and
// bounding box.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "QVTFddMathRegion.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

QVTFddMathRegion RegionOf(double iXMin, double iXMax, double iYMin, double iYMax, double iTolerance = 0.0) {
  return QVTFddMathRegion(CATMathBox2D(iXMin, iXMax, iYMin, iYMax), iTolerance, nullptr, nullptr);
}

std::vector<double> Corners(const CATMathBox2D& iBox) {
  return {iBox.GetLow().GetX(), iBox.GetHigh().GetX(), iBox.GetLow().GetY(), iBox.GetHigh().GetY()};
}

std::vector<std::vector<double>> BoxesOf(const QVTFddMathRegion& iRegion) {
  std::vector<std::vector<double>> lBoxes;
  for (QVTFddMathRegionIterator lIt = iRegion.mf_Begin(); lIt != iRegion.mf_End(); ++lIt)
    lBoxes.push_back(Corners(*lIt));
  return lBoxes;
}

}  // namespace

TEST(QVTFddMathRegion, EmptyRegionHasNoBoxAndOverlapsNothing) {
  QVTFddMathRegion lEmpty(0.5, nullptr);
  EXPECT_NE(lEmpty.mf_IsEmpty(), 0);
  EXPECT_EQ(lEmpty.mf_GetNbBoxes(), 0);
  EXPECT_FALSE(lEmpty.mf_Begin() != lEmpty.mf_End());
  EXPECT_FALSE(lEmpty & CATMathBox2D(-1e9, 1e9, -1e9, 1e9));
  EXPECT_EQ(Corners(lEmpty.GetBoundingBox()), Corners(CATMathBox2D()));
  EXPECT_EQ(RegionOf(0, 1, 0, 1).mf_IsEmpty(), 0);
}

TEST(QVTFddMathRegion, UnionKeepsBothOperandsBoxesLeftFirst) {
  QVTFddMathRegion lA = RegionOf(0, 1, 0, 1) | RegionOf(2, 3, 2, 3);
  QVTFddMathRegion lB = RegionOf(10, 11, 10, 11);
  QVTFddMathRegion lUnion = lA | lB;
  std::vector<std::vector<double>> lExpected = {{0, 1, 0, 1}, {2, 3, 2, 3}, {10, 11, 10, 11}};
  EXPECT_EQ(BoxesOf(lUnion), lExpected);
  EXPECT_EQ(lUnion.mf_GetNbBoxes(), 3);
  // The operands are unchanged.
  EXPECT_EQ(lA.mf_GetNbBoxes(), 2);
  EXPECT_EQ(lB.mf_GetNbBoxes(), 1);
  // Union with itself and with an empty region.
  EXPECT_EQ((lB | lB).mf_GetNbBoxes(), 2);
  EXPECT_EQ(BoxesOf(QVTFddMathRegion(0.0, nullptr) | lB), BoxesOf(lB));
  EXPECT_EQ(BoxesOf(lB | QVTFddMathRegion(0.0, nullptr)), BoxesOf(lB));
}

TEST(QVTFddMathRegion, UnionKeepsLeftTolerance) {
  // Overlap of 0.5 in both directions: counts with a tolerance of 0.1, not with 1.
  CATMathBox2D lProbe(0.5, 2, 0.5, 2);
  EXPECT_TRUE((RegionOf(0, 1, 0, 1, 0.1) | RegionOf(5, 6, 5, 6, 1.0)) & lProbe);
  EXPECT_FALSE((RegionOf(0, 1, 0, 1, 1.0) | RegionOf(5, 6, 5, 6, 0.1)) & lProbe);
}

TEST(QVTFddMathRegion, OverlapNeedsMoreThanToleranceInBothDirections) {
  QVTFddMathRegion lRegion = RegionOf(0, 10, 0, 10, 1.0);
  EXPECT_TRUE(lRegion & CATMathBox2D(5, 15, 5, 15));    // overlap 5 x 5
  EXPECT_TRUE(lRegion & CATMathBox2D(2, 4, 2, 4));      // inside
  EXPECT_TRUE(lRegion & CATMathBox2D(-5, 20, -5, 20));  // around
  EXPECT_FALSE(lRegion & CATMathBox2D(9.5, 20, 0, 10));  // x overlap 0.5 < tolerance
  EXPECT_FALSE(lRegion & CATMathBox2D(0, 10, 9, 20));    // y overlap exactly the tolerance
  EXPECT_FALSE(lRegion & CATMathBox2D(20, 30, 0, 10));   // apart in x only
  EXPECT_FALSE(lRegion & CATMathBox2D(0, 10, -30, -20)); // apart in y only

  // With no tolerance, touching boxes still do not overlap, the slightest overlap does.
  QVTFddMathRegion lExact = RegionOf(0, 10, 0, 10);
  EXPECT_FALSE(lExact & CATMathBox2D(10, 20, 0, 10));
  EXPECT_FALSE(lExact & CATMathBox2D(10, 20, 10, 20));
  EXPECT_TRUE(lExact & CATMathBox2D(9.99, 20, 0, 10));
  // A negative tolerance counts as none: separate boxes stay separate.
  EXPECT_FALSE(RegionOf(0, 10, 0, 10, -5.0) & CATMathBox2D(12, 20, 0, 10));
}

TEST(QVTFddMathRegion, OverlapIsFoundInAnyBox) {
  QVTFddMathRegion lRegion = RegionOf(0, 1, 0, 1) | RegionOf(100, 101, 0, 1) | RegionOf(50, 51, 50, 51);
  EXPECT_TRUE(lRegion & CATMathBox2D(50.5, 60, 50.5, 60));
  EXPECT_TRUE(lRegion & CATMathBox2D(100.5, 100.6, 0.5, 0.6));
  EXPECT_FALSE(lRegion & CATMathBox2D(2, 99, 0, 1));
}

TEST(QVTFddMathRegion, NaNNeverOverlaps) {
  QVTFddMathRegion lRegion = RegionOf(0, 10, 0, 10);
  EXPECT_FALSE(lRegion & CATMathBox2D(kNaN, 5, 0, 5));
  EXPECT_FALSE(lRegion & CATMathBox2D(0, 5, 0, kNaN));
  // NaN in the region's own box, in the high corner (the operand std::max would keep).
  QVTFddMathRegion lNaNRegion = RegionOf(0, kNaN, 0, 10) | RegionOf(0, 10, kNaN, 10);
  EXPECT_FALSE(lNaNRegion & CATMathBox2D(1, 5, 1, 5));
  EXPECT_FALSE(lNaNRegion & CATMathBox2D(-100, 100, -100, 100));
  // A NaN tolerance behaves as no tolerance, not as "never".
  EXPECT_TRUE(RegionOf(0, 10, 0, 10, kNaN) & CATMathBox2D(5, 6, 5, 6));
}

TEST(QVTFddMathRegion, IterationVisitsEveryBoxOnceInOrder) {
  QVTFddMathRegion lRegion(0.0, nullptr);
  for (int lI = 0; lI < 300; ++lI) lRegion = lRegion | RegionOf(lI, lI + 1, 0, 1);
  ASSERT_EQ(lRegion.mf_GetNbBoxes(), 300);
  int lCount = 0;
  for (QVTFddMathRegionIterator lIt = lRegion.mf_Begin(); lIt != lRegion.mf_End(); lIt++) {
    EXPECT_EQ((*lIt).GetLow().GetX(), lCount);
    ++lCount;
  }
  EXPECT_EQ(lCount, 300);
  // Post-increment yields the old position, pre-increment the new one.
  QVTFddMathRegionIterator lIt = lRegion.mf_Begin();
  EXPECT_EQ((*lIt++).GetLow().GetX(), 0.0);
  EXPECT_EQ((*lIt).GetLow().GetX(), 1.0);
  EXPECT_EQ((*++lIt).GetLow().GetX(), 2.0);
}

TEST(QVTFddMathRegion, CopyIsIndependent) {
  QVTFddMathRegion lOriginal = RegionOf(0, 1, 0, 1);
  QVTFddMathRegion lCopy(lOriginal);
  lCopy = lCopy | RegionOf(5, 6, 5, 6);
  EXPECT_EQ(lOriginal.mf_GetNbBoxes(), 1);
  EXPECT_EQ(lCopy.mf_GetNbBoxes(), 2);
  QVTFddMathRegion lAssigned(0.0, nullptr);
  lAssigned = lCopy;
  EXPECT_EQ(BoxesOf(lAssigned), BoxesOf(lCopy));
}

TEST(QVTFddMathRegion, BoundingBoxCoversEveryBoxAndSkipsNaN) {
  QVTFddMathRegion lRegion = RegionOf(-3, -1, 2, 4) | RegionOf(5, 7, -8, -6) | RegionOf(kNaN, 100, 0, 1);
  EXPECT_EQ(Corners(lRegion.GetBoundingBox()), (std::vector<double>{-3, 7, -8, 4}));
  EXPECT_EQ(Corners(RegionOf(1, 2, 3, 4).GetBoundingBox()), (std::vector<double>{1, 2, 3, 4}));
}
