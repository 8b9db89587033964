#include <gtest/gtest.h>

#include <vector>

#include "CATMathLine2D.h"
#include "CATMathPoint2D.h"
#include "QVTFdd2DResizeHandleGP.h"
#include "QVTFddTestCopyable.h"
#include "RecordingRender.h"

namespace {

typedef QVTFdd2DResizeHandleGP Handle;

std::vector<RecordedCall> Draw(QVTFdd2DResizeHandleGP& iHandle) {
  RecordingRender lRender;
  // Neither the viewpoint nor the viewport is needed.
  iHandle.ImmediateDraw(lRender, nullptr, nullptr);
  return lRender.Calls();
}

std::vector<RecordedCall> DrawMark(int iMark, double iX = 10, double iY = 10) {
  Handle lHandle(CATMathPoint2D(iX, iY), static_cast<Handle::eRectangleType>(iMark));
  return Draw(lHandle);
}

RecordedCall Line(std::vector<float> iPoints) {
  const long long lCount = static_cast<long long>(iPoints.size() / 2);
  return RecordedCall{"ImmediateDraw2DLine", std::move(iPoints), {lCount, 1, 0}, ""};
}

typedef QVTFddTestCopyable<QVTFdd2DResizeHandleGP> CopyableHandle;

}  // namespace

TEST(QVTFdd2DResizeHandleGP, EveryRectangleMark) {
  const std::vector<std::vector<RecordedCall>> lExpected = {
      {Line({10, 8, 10, 12})},                           // edge ticks, vertical
      {Line({10, 8, 10, 12})},
      {Line({8, 10, 12, 10})},                           // edge ticks, horizontal
      {Line({8, 10, 12, 10})},
      {Line({10, 6, 10, 10, 14, 10})},                   // corner angles
      {Line({6, 10, 10, 10, 10, 14})},
      {Line({6, 10, 10, 10, 10, 6})},
      {Line({10, 14, 10, 10, 14, 10})},
      {{"ImmediateDraw2DPolygon", {8, 8, 8, 12, 12, 12, 12, 8}, {4, 1, 0, 0, 0, 0, 0}, ""}},  // centre square
  };
  for (int lMark = 0; lMark <= 8; ++lMark) EXPECT_EQ(DrawMark(lMark), lExpected[size_t(lMark)]) << "mark " << lMark;
  EXPECT_EQ(DrawMark(Handle::TopLeftCorner, -2.5, 1e3), (std::vector<RecordedCall>{Line({-2.5f, 996, -2.5f, 1e3f, 1.5f, 1e3f})}));
}

TEST(QVTFdd2DResizeHandleGP, MarksBeyondTheTableDrawNothing) {
  for (int lMark : {9, 100, -1}) EXPECT_TRUE(DrawMark(lMark).empty()) << lMark;
}

TEST(QVTFdd2DResizeHandleGP, LineHandleRunsFromTheOriginToParameterOne) {
  Handle lHandle(CATMathLine2D(CATMathPoint2D(0, 0), CATMathVector2D(3, 4)), Handle::FreeLine);
  EXPECT_EQ(Draw(lHandle), (std::vector<RecordedCall>{Line({0, 0, 3, 4})}));
  Handle lVertical(CATMathLine2D(CATMathPoint2D(5, -1), CATMathPoint2D(5, 9)), Handle::VerticalLine);
  EXPECT_EQ(Draw(lVertical), (std::vector<RecordedCall>{Line({5, -1, 5, 9})}));
  // The line type is kept, not drawn.
  EXPECT_EQ(lVertical.GetLineType(), Handle::VerticalLine);
}

TEST(QVTFdd2DResizeHandleGP, HasNoMetaObjectOfItsOwn) {
  Handle lHandle(CATMathPoint2D(0, 0), Handle::CentreSquare);
  EXPECT_STREQ(lHandle.IsA(), "CATDynamicGP");
  EXPECT_TRUE(lHandle.IsAKindOf("CATDynamicGP"));
  EXPECT_EQ(lHandle.GetMetaObject(), CATDynamicGP::MetaObject());
}

TEST(QVTFdd2DResizeHandleGP, CopyIsNeitherPointNorLineHandle) {
  CopyableHandle lPoint(CATMathPoint2D(10, 10), Handle::CentreSquare);
  CopyableHandle lCopy(lPoint);
  EXPECT_TRUE(Draw(lCopy).empty());
  EXPECT_EQ(Draw(lPoint).size(), 1u);
  // Assignment takes the primitive base only: each keeps what it draws.
  CopyableHandle lLine(CATMathLine2D(CATMathPoint2D(0, 0), CATMathPoint2D(1, 1)), Handle::FreeLine);
  lLine = lPoint;
  EXPECT_EQ(Draw(lLine), (std::vector<RecordedCall>{Line({0, 0, 1, 1})}));
  lCopy = lPoint;
  EXPECT_TRUE(Draw(lCopy).empty());
}
