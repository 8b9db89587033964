// Geometry helpers: polygon transform and edges, line normal, segment clipping and the
// saturating double-to-int conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "QVTFddMathClipLines.h"
#include "QVTFddMathNormal.h"
#include "QVTFddMathPolygon2D.h"
#include "QVTFddMathSaturateToInt.h"

namespace {

const double kPi = 3.14159265358979323846;
const float kFInf = std::numeric_limits<float>::infinity();
const float kFNaN = std::numeric_limits<float>::quiet_NaN();

void ExpectPoint(const CATMathPoint2D& iPoint, double iX, double iY) {
  EXPECT_NEAR(iPoint.GetX(), iX, 1e-12);
  EXPECT_NEAR(iPoint.GetY(), iY, 1e-12);
}

QVTFddMathPolygon2D UnitSquareAt(double iX, double iY) {
  CATMathPoint2D lCorners[4] = {{iX, iY}, {iX + 1, iY}, {iX + 1, iY + 1}, {iX, iY + 1}};
  QVTFddMathPolygon2D lPolygon;
  lPolygon.SetPoints(lCorners, 4);
  return lPolygon;
}

// Clips one segment on its own and returns what was written (empty when nothing).
std::vector<float> ClipOne(const QVTFddMathClipLines& iClip, float iX0, float iY0, float iX1, float iY1) {
  float lIn[4] = {iX0, iY0, iX1, iY1};
  float lOut[4] = {-7, -7, -7, -7};
  int lCount = 0;
  iClip.Clip(lIn, lOut, lCount);
  if (lCount == 0) {
    for (float lV : lOut) EXPECT_EQ(lV, -7.0f) << "a rejected segment must write nothing";
    return {};
  }
  EXPECT_EQ(lCount, 1);
  return std::vector<float>(lOut, lOut + 4);
}

}  // namespace

// ---- polygon ----

TEST(QVTFddMathPolygon2D, SetPointsCopiesAndRejectsBadInput) {
  CATMathPoint2D lCorners[3] = {{0, 0}, {4, 0}, {0, 3}};
  QVTFddMathPolygon2D lPolygon;
  lPolygon.SetPoints(lCorners, 3);
  lCorners[0].SetCoord(99, 99);  // the polygon holds its own copy
  ASSERT_EQ(lPolygon.GetNbPoints(), 3);
  ExpectPoint(lPolygon.GetPoint(0), 0, 0);
  ExpectPoint(lPolygon.GetPoint(2), 0, 3);
  ExpectPoint(lPolygon.GetPoint(3), 0, 0);
  ExpectPoint(lPolygon.GetPoint(-1), 0, 0);

  QVTFddMathPolygon2D lCopy = lPolygon;
  lPolygon.SetPoints(nullptr, 3);
  EXPECT_EQ(lPolygon.GetNbPoints(), 0);
  EXPECT_EQ(lCopy.GetNbPoints(), 3);
  lCopy.SetPoints(lCorners, 0);
  EXPECT_EQ(lCopy.GetNbPoints(), 0);
  lCopy.SetPoints(lCorners, -5);
  EXPECT_EQ(lCopy.GetNbPoints(), 0);
}

TEST(QVTFddMathPolygon2D, QuarterTurnAboutACentreMovesEveryCorner) {
  QVTFddMathPolygon2D lPolygon = UnitSquareAt(1, 0);  // (1,0) (2,0) (2,1) (1,1)
  lPolygon *= CATMathTransformation2D(kPi / 2, CATMathPoint2D(1, 0), 2);
  ASSERT_EQ(lPolygon.GetNbPoints(), 4);
  ExpectPoint(lPolygon.GetPoint(0), 1, 0);
  ExpectPoint(lPolygon.GetPoint(1), 1, 1);
  ExpectPoint(lPolygon.GetPoint(2), 0, 1);
  ExpectPoint(lPolygon.GetPoint(3), 0, 0);
  CATMathBox2D lBox = lPolygon.GetBoundingBox();
  ExpectPoint(lBox.GetLow(), 0, 0);
  ExpectPoint(lBox.GetHigh(), 1, 1);
}

TEST(QVTFddMathPolygon2D, LinesJoinConsecutiveCornersAndWrapAround) {
  QVTFddMathPolygon2D lPolygon = UnitSquareAt(0, 0);
  ExpectPoint(lPolygon.GetLine(0).EvalPoint(0), 0, 0);
  ExpectPoint(lPolygon.GetLine(0).EvalPoint(1), 1, 0);
  ExpectPoint(lPolygon.GetLine(2).EvalPoint(1), 0, 1);
  // The last edge closes the polygon.
  ExpectPoint(lPolygon.GetLine(3).EvalPoint(0), 0, 1);
  ExpectPoint(lPolygon.GetLine(3).EvalPoint(1), 0, 0);
  // Out of range and empty give the default line.
  ExpectPoint(lPolygon.GetLine(4).EvalPoint(1), 1, 0);
  QVTFddMathPolygon2D lEmpty;
  ExpectPoint(lEmpty.GetLine(0).EvalPoint(0), 0, 0);
  ExpectPoint(lEmpty.GetLine(0).EvalPoint(1), 1, 0);
  ExpectPoint(lEmpty.GetBoundingBox().GetLow(), 0, 0);
  ExpectPoint(lEmpty.GetBoundingBox().GetHigh(), 0, 0);
  // One corner: its only edge is a point.
  CATMathPoint2D lOne(3, 4);
  lEmpty.SetPoints(&lOne, 1);
  ExpectPoint(lEmpty.GetLine(0).EvalPoint(1), 3, 4);
}

// ---- normal ----

TEST(QVTFddMathNormal, IsTheDirectionTurnedCounterClockwise) {
  CATMathDirection2D lNormal = QVTFddMathNormal(CATMathLine2D(CATMathPoint2D(0, 0), CATMathPoint2D(1, 0)));
  EXPECT_NEAR(lNormal.GetX(), 0.0, 1e-15);
  EXPECT_NEAR(lNormal.GetY(), 1.0, 1e-15);
  // Not unit length, other quadrant: (3,4) -> (-4,3)/5.
  lNormal = QVTFddMathNormal(CATMathLine2D(CATMathPoint2D(1, 1), CATMathPoint2D(4, 5)));
  EXPECT_NEAR(lNormal.GetX(), -0.8, 1e-15);
  EXPECT_NEAR(lNormal.GetY(), 0.6, 1e-15);
  // Reversing the line reverses the normal.
  lNormal = QVTFddMathNormal(CATMathLine2D(CATMathPoint2D(1, 0), CATMathPoint2D(0, 0)));
  EXPECT_NEAR(lNormal.GetY(), -1.0, 1e-15);
}

TEST(QVTFddMathNormal, ZeroLengthLineGivesZero) {
  CATMathDirection2D lNormal = QVTFddMathNormal(CATMathLine2D(CATMathPoint2D(2, 3), CATMathPoint2D(2, 3)));
  EXPECT_EQ(lNormal.GetX(), 0.0);
  EXPECT_EQ(lNormal.GetY(), 0.0);
}

// ---- clipping ----

TEST(QVTFddMathClipLines, InsideIsKeptWholeAndOutsideIsDropped) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  EXPECT_EQ(ClipOne(lClip, 1, 2, 3, 4), (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(ClipOne(lClip, 5, 5, 5, 5), (std::vector<float>{5, 5, 5, 5}));  // a point inside
  EXPECT_TRUE(ClipOne(lClip, 11, 0, 20, 10).empty());
  EXPECT_TRUE(ClipOne(lClip, -5, 5, -1, 5).empty());
  EXPECT_TRUE(ClipOne(lClip, 20, 20, 20, 20).empty());  // a point outside
  // Both ends outside on different sides, passing beside the box (near the corner).
  EXPECT_TRUE(ClipOne(lClip, 8, 12, 12, 8.5f).empty());
}

TEST(QVTFddMathClipLines, CrossingSegmentsAreCutAtTheBorderKeepingTheirDirection) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  EXPECT_EQ(ClipOne(lClip, 5, 5, 15, 5), (std::vector<float>{5, 5, 10, 5}));
  EXPECT_EQ(ClipOne(lClip, 15, 5, 5, 5), (std::vector<float>{10, 5, 5, 5}));
  EXPECT_EQ(ClipOne(lClip, 5, -5, 5, 5), (std::vector<float>{5, 0, 5, 5}));
  // Both ends outside, through the box, both directions.
  EXPECT_EQ(ClipOne(lClip, -10, 5, 20, 5), (std::vector<float>{0, 5, 10, 5}));
  EXPECT_EQ(ClipOne(lClip, 20, 5, -10, 5), (std::vector<float>{10, 5, 0, 5}));
  EXPECT_EQ(ClipOne(lClip, -5, -5, 15, 15), (std::vector<float>{0, 0, 10, 10}));
  std::vector<float> lDiagonal = ClipOne(lClip, -2, 3, 8, 13);  // y = x + 5
  ASSERT_EQ(lDiagonal.size(), 4u);
  EXPECT_FLOAT_EQ(lDiagonal[0], 0);
  EXPECT_FLOAT_EQ(lDiagonal[1], 5);
  EXPECT_FLOAT_EQ(lDiagonal[2], 5);
  EXPECT_FLOAT_EQ(lDiagonal[3], 10);
}

TEST(QVTFddMathClipLines, BorderCountsAsInside) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  EXPECT_EQ(ClipOne(lClip, 0, -5, 0, 15), (std::vector<float>{0, 0, 0, 10}));
  EXPECT_EQ(ClipOne(lClip, 10, 10, 20, 20), (std::vector<float>{10, 10, 10, 10}));  // touches a corner
  EXPECT_EQ(ClipOne(lClip, 10, 3, 10, 3), (std::vector<float>{10, 3, 10, 3}));
  EXPECT_TRUE(ClipOne(lClip, 10.001f, -5, 10.001f, 15).empty());
}

TEST(QVTFddMathClipLines, ClippedEndsStayInsideTheBox) {
  // Edges and slopes whose intersections are not exact in binary.
  QVTFddMathClipLines lClip(CATMathBox2D(0.1, 0.7, 0.3, 0.9));
  for (int lI = 0; lI < 200; ++lI) {
    float lAngle = static_cast<float>(lI) * 0.0314f;
    float lIn[4] = {0.4f - 3 * std::cos(lAngle), 0.6f - 3 * std::sin(lAngle), 0.4f + 3 * std::cos(lAngle),
                    0.6f + 3 * std::sin(lAngle)};
    float lOut[4];
    int lCount = 0;
    lClip.Clip(lIn, lOut, lCount);
    ASSERT_EQ(lCount, 1);
    for (int lK = 0; lK < 4; lK += 2) {
      EXPECT_GE(lOut[lK], 0.1f);
      EXPECT_LE(lOut[lK], 0.7f);
      EXPECT_GE(lOut[lK + 1], 0.3f);
      EXPECT_LE(lOut[lK + 1], 0.9f);
    }
  }
}

TEST(QVTFddMathClipLines, InPlaceCompaction) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  float lSegments[] = {
      20, 20, 30, 30,  // outside
      -5, 5, 5, 5,     // crossing: becomes 0 5 5 5
      50, 0, 60, 0,    // outside
      2, 2, 15, 2,     // crossing: becomes 2 2 10 2
      1, 1, 2, 2,      // inside: moves down to entry 2
  };
  int lCount = 0;
  for (int lI = 0; lI < 5; ++lI) lClip.Clip(lSegments + 4 * lI, lSegments, lCount);
  ASSERT_EQ(lCount, 3);
  EXPECT_EQ(std::vector<float>(lSegments, lSegments + 12),
            (std::vector<float>{0, 5, 5, 5, 2, 2, 10, 2, 1, 1, 2, 2}));

  // Input is exactly the output entry and its start is cut.
  float lSame[4] = {-10, 5, 20, 5};
  int lZero = 0;
  lClip.Clip(lSame, lSame, lZero);
  ASSERT_EQ(lZero, 1);
  EXPECT_EQ(std::vector<float>(lSame, lSame + 4), (std::vector<float>{0, 5, 10, 5}));
}

TEST(QVTFddMathClipLines, BadInputWritesNothing) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  EXPECT_TRUE(ClipOne(lClip, kFNaN, 5, 5, 5).empty());
  EXPECT_TRUE(ClipOne(lClip, 5, 5, 5, kFNaN).empty());
  float lIn[4] = {1, 1, 2, 2}, lOut[4] = {};
  int lCount = 0;
  lClip.Clip(nullptr, lOut, lCount);
  lClip.Clip(lIn, nullptr, lCount);
  EXPECT_EQ(lCount, 0);
  lCount = -1;
  lClip.Clip(lIn, lOut, lCount);
  EXPECT_EQ(lCount, -1);
  // A NaN or inverted box contains nothing.
  EXPECT_TRUE(ClipOne(QVTFddMathClipLines(CATMathBox2D(0, std::nan(""), 0, 10)), 1, 1, 2, 2).empty());
  EXPECT_TRUE(ClipOne(QVTFddMathClipLines(CATMathBox2D(10, 0, 0, 10)), 1, 1, 2, 2).empty());
}

TEST(QVTFddMathClipLines, InfiniteEndsAreCutAtTheBorder) {
  QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  EXPECT_EQ(ClipOne(lClip, -kFInf, 5, kFInf, 5), (std::vector<float>{0, 5, 10, 5}));
  EXPECT_EQ(ClipOne(lClip, 5, 5, 5, kFInf), (std::vector<float>{5, 5, 5, 10}));
  EXPECT_TRUE(ClipOne(lClip, kFInf, kFInf, kFInf, kFInf).empty());
}

TEST(QVTFddMathClipLines, DoublePrecisionCutsInPlaceAndTellsWhichEndMoved) {
  QVTFddMathClipLines lClip(CATMathBox2D(-16.5, 116.5, -16.5, 76.5));
  struct Row {
    double in[4];
    bool kept, startCut, endCut;
    double out[4];
  };
  const Row lRows[] = {
      {{1, 2, 3, 4}, true, false, false, {1, 2, 3, 4}},
      {{-1e12, 30, 50, 30}, true, true, false, {-16.5, 30, 50, 30}},
      {{50, 30, 50, 1e12}, true, false, true, {50, 30, 50, 76.5}},
      {{-1e12, -1e12 + 1, 1e12, 1e12 + 1}, true, true, true, {-16.5, -15.5, 75.5, 76.5}},
      {{200, 0, 300, 0}, false, false, false, {200, 0, 300, 0}},
  };
  for (const Row& r : lRows) {
    double x0 = r.in[0], y0 = r.in[1], x1 = r.in[2], y1 = r.in[3];
    bool lStartCut = false, lEndCut = false;
    EXPECT_EQ(lClip.Clip(x0, y0, x1, y1, lStartCut, lEndCut), r.kept) << r.in[0];
    EXPECT_EQ((std::vector<double>{x0, y0, x1, y1}), std::vector<double>(r.out, r.out + 4)) << r.in[0];
    if (!r.kept) continue;
    EXPECT_EQ(lStartCut, r.startCut) << r.in[0];
    EXPECT_EQ(lEndCut, r.endCut) << r.in[0];
  }
}

// ---- saturating conversion ----

// The parameters of the part inside, for callers that walk the whole segment (dash patterns).
TEST(QVTFddMathClipLines, ParametersOfThePartInside) {
  const QVTFddMathClipLines lClip(CATMathBox2D(0, 10, 0, 10));
  const struct {
    double x0, y0, dx, dy;
    bool inside;
    double low, high;
  } lCases[] = {
      {2, 2, 4, 4, true, 0, 1},         // wholly inside
      {-10, 5, 40, 0, true, 0.25, 0.5},  // across both x borders
      {5, -5, 0, 20, true, 0.25, 0.75},  // across both y borders
      {10, 5, 5, 0, true, 0, 0},         // leaves from the border
      {-5, 5, 0, 3, false, 0, 0},        // parallel, outside
      {-5, -5, 4, 20, false, 0, 0},      // passes the corner
  };
  for (const auto& c : lCases) {
    double lLow = -1, lHigh = -1;
    EXPECT_EQ(lClip.ClipParameters(c.x0, c.y0, c.dx, c.dy, lLow, lHigh), c.inside) << c.x0 << " " << c.y0;
    if (!c.inside) continue;
    EXPECT_DOUBLE_EQ(lLow, c.low) << c.x0 << " " << c.y0;
    EXPECT_DOUBLE_EQ(lHigh, c.high) << c.x0 << " " << c.y0;
  }
  double lLow = 0, lHigh = 0;
  EXPECT_FALSE(QVTFddMathClipLines(CATMathBox2D(10, 0, 0, 10)).ClipParameters(1, 1, 1, 1, lLow, lHigh));
}

TEST(QVTFddMathSaturateToInt, TruncatesTowardZero) {
  EXPECT_EQ(QVTFddMathSaturateToInt(2.9), 2);
  EXPECT_EQ(QVTFddMathSaturateToInt(-2.9), -2);
  EXPECT_EQ(QVTFddMathSaturateToInt(-0.5), 0);
  EXPECT_EQ(QVTFddMathSaturateToInt(0.0), 0);
  EXPECT_EQ(QVTFddMathSaturateToInt(536870911.9), 536870911);
}

TEST(QVTFddMathSaturateToInt, SaturatesAndMapsNaNToTheLowBound) {
  const double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(QVTFddMathSaturateToInt(std::nan("")), -536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(kInf), 536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(-kInf), -536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(1e300), 536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(-1e300), -536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(3e9), 536870912);  // beyond int: no wrap-around
  EXPECT_EQ(QVTFddMathSaturateToInt(536870913.0), 536870912);
  EXPECT_EQ(QVTFddMathSaturateToInt(-536870913.0), -536870912);
}
