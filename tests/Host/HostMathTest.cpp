#include <gtest/gtest.h>

#include <cmath>

#include "CATMathBox2D.h"
#include "CATMathDirection2D.h"
#include "CATMathLine2D.h"
#include "CATMathPoint.h"
#include "CATMathTransformation2D.h"

TEST(HostMath, DirectionIsNormalisedAndZeroStaysZero) {
  CATMathDirection2D d(3, 4);
  EXPECT_DOUBLE_EQ(d.GetX(), 0.6);
  EXPECT_DOUBLE_EQ(d.GetY(), 0.8);
  CATMathDirection2D z(0, 0);
  EXPECT_EQ(z.GetX(), 0.0);
  EXPECT_EQ(z.GetY(), 0.0);
  CATMathDirection z3(0, 0, 0);
  EXPECT_EQ(z3.Norm(), 0.0);
}

TEST(HostMath, AngleToIsSignedCounterClockwiseAndZeroForZeroVectors) {
  CATMathVector2D x(1, 0), y(0, 1);
  EXPECT_DOUBLE_EQ(x.GetAngleTo(y), M_PI / 2);
  EXPECT_DOUBLE_EQ(y.GetAngleTo(x), -M_PI / 2);
  EXPECT_DOUBLE_EQ(x.GetAngleTo(CATMathVector2D(-1, 0)), M_PI);
  EXPECT_EQ(CATMathVector2D(0, 0).GetAngleTo(y), 0.0);
  EXPECT_EQ(x.GetAngleTo(CATMathVector2D(0, 0)), 0.0);
}

TEST(HostMath, VectorDivisionByZeroGivesZero) {
  CATMathVector2D v = CATMathVector2D(2, 3) / 0.0;
  EXPECT_EQ(v.GetX(), 0.0);
  EXPECT_EQ(v.GetY(), 0.0);
}

TEST(HostMath, LineEvaluatesBetweenItsPoints) {
  CATMathLine2D lLine(CATMathPoint2D(1, 1), CATMathPoint2D(4, 5));
  EXPECT_EQ(lLine.GetOrigin(), CATMathPoint2D(1, 1));
  EXPECT_DOUBLE_EQ(lLine.GetDirection().GetX(), 0.6);
  EXPECT_EQ(lLine.EvalPoint(1.0), CATMathPoint2D(4, 5));
  EXPECT_EQ(lLine.EvalPoint(0.5), CATMathPoint2D(2.5, 3));
  CATMathLine2D lFromVector(CATMathPoint2D(0, 0), CATMathVector2D(3, 4));
  EXPECT_EQ(lFromVector.EvalPoint(1.0), CATMathPoint2D(3, 4));
}

TEST(HostMath, BoxFromCornersOrdersWithFlagOne) {
  CATMathBox2D lOrdered(CATMathPoint2D(5, -1), CATMathPoint2D(2, 7), 1);
  EXPECT_EQ(lOrdered.GetLow(), CATMathPoint2D(2, -1));
  EXPECT_EQ(lOrdered.GetHigh(), CATMathPoint2D(5, 7));
  CATMathBox2D lAsGiven(CATMathPoint2D(5, -1), CATMathPoint2D(2, 7), 0);
  EXPECT_EQ(lAsGiven.GetLow(), CATMathPoint2D(5, -1));
  EXPECT_TRUE(lOrdered.IsContaining(CATMathPoint2D(2, 7)));  // border is inside
  EXPECT_FALSE(lOrdered.IsContaining(CATMathPoint2D(std::nan(""), 0)));
}

TEST(HostMath, TransformationTypeTwoRotatesAboutTheCentre) {
  CATMathTransformation2D lQuarter(M_PI / 2, CATMathPoint2D(1, 1), 2);
  CATMathPoint2D p = lQuarter * CATMathPoint2D(2, 1);
  EXPECT_NEAR(p.GetX(), 1.0, 1e-12);
  EXPECT_NEAR(p.GetY(), 2.0, 1e-12);
  CATMathTransformation2D lOther(M_PI / 2, CATMathPoint2D(0, 0), 1);
  EXPECT_EQ(lOther * CATMathPoint2D(2, 1), CATMathPoint2D(2, 1));
}
