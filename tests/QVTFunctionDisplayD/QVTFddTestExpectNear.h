// Checks of laid-out geometry within a tolerance: a box, a region of one box, a two-point line.
#ifndef QVTFddTestExpectNear_H
#define QVTFddTestExpectNear_H

#include <gtest/gtest.h>

#include "CAT2DLineGP.h"
#include "CATMathBox2D.h"
#include "QVTFddMathRegion.h"

inline void ExpectBoxNear(const CATMathBox2D& iBox, double x0, double x1, double y0, double y1, double iEps) {
  EXPECT_NEAR(iBox.GetLow().GetX(), x0, iEps);
  EXPECT_NEAR(iBox.GetHigh().GetX(), x1, iEps);
  EXPECT_NEAR(iBox.GetLow().GetY(), y0, iEps);
  EXPECT_NEAR(iBox.GetHigh().GetY(), y1, iEps);
}

inline void ExpectOneBoxNear(const QVTFddMathRegion& iRegion, double x0, double x1, double y0, double y1,
                             double iEps) {
  ASSERT_EQ(iRegion.mf_GetNbBoxes(), 1);
  ExpectBoxNear(iRegion.mf_GetBox(0), x0, x1, y0, y1, iEps);
}

// A line of two points from (x0, y0) to (x1, y1).
inline void ExpectSegmentNear(const CAT2DLineGP* iLine, double x0, double y0, double x1, double y1, double iEps) {
  ASSERT_NE(iLine, nullptr);
  ASSERT_EQ(iLine->GetNbPoints(), 2);
  const float* p = iLine->GetPoints();
  EXPECT_NEAR(p[0], x0, iEps);
  EXPECT_NEAR(p[1], y0, iEps);
  EXPECT_NEAR(p[2], x1, iEps);
  EXPECT_NEAR(p[3], y1, iEps);
}

#endif
