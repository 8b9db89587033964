// 3D axis ticks: tick lines and value texts along an axis from (0, 0, 0) to (100, 0, 0), ticks
// leaving it along (0, -1, 0), recorded by the recording render.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CairoRender.h"
#include "ColourAttribute.h"
#include "ImageCompare.h"
#include "QVTFdd3DAxisTickRep.h"
#include "QVTFddConstants.h"
#include "QVTFddTestCopyable.h"
#include "QVTFddTestTicks.h"
#include "RecordingRender.h"

namespace {

// Shows what a representation holds.
class ProbeRep : public QVTFddTestCopyable<QVTFdd3DAxisTickRep> {
 public:
  using QVTFddTestCopyable::QVTFddTestCopyable;
  unsigned char ShowValues() const { return _ShowValues; }
  CATAnchorPoint Anchor() const { return _Anchor; }
  const CATMathPoint& Start() const { return _Start; }
  const CATMathPoint& End() const { return _End; }
  const CATMathDirection& TickDirection() const { return _TickDirection; }
};

RecordedCall Line(float x0, float y0, float z0, float x1, float y1, float z1) {
  return RecordedCall{"ImmediateDraw3DLine", {x0, y0, z0, x1, y1, z1}, {2, 1, 0}, ""};
}

RecordedCall Text(float x, float y, float z, const char* iText, CATAnchorPoint iAnchor = CATAnchorTopCenter) {
  return RecordedCall{"ImmediateDraw3DAnnotationText", {x, y, z, 0.0f}, {static_cast<long long>(iAnchor), 0}, iText};
}

class QVTFdd3DAxisTickRepFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    _Ticks = new QVTFddTestTicks;
    ASSERT_NE(_Ticks, nullptr);
    _Ticks->TickLength = 2;
    _Ticks->Max = 10;
    _Ticks->Levels = {{0, 5, 10}};
  }
  void TearDown() override {
    EXPECT_EQ(_Ticks->GetRefCount(), 1u);
    EXPECT_EQ(_Ticks->Scaling->GetRefCount(), 1u);
    _Ticks->Release();
  }

  std::vector<RecordedCall> Draw(unsigned char iShowValues, QVTIFddTicks* iTicks,
                                 const CATMathPoint& iEnd = CATMathPoint(100, 0, 0)) {
    QVTFdd3DAxisTickRep* lRep = new QVTFdd3DAxisTickRep(CATMathPoint(0, 0, 0), iEnd, CATMathDirection(0, -1, 0), iTicks,
                                                        iShowValues, CATAnchorTopCenter);
    RecordingRender lRender;
    lRep->DrawShading(lRender, 0);
    lRep->Release();
    return lRender.Calls();
  }

  QVTFddTestTicks* _Ticks = nullptr;
};

}  // namespace

TEST_F(QVTFdd3DAxisTickRepFixture, WorkedExample) {
  // Ticks 0 and 10 lie within 15 of an axis end: no text. The text of 5 stands three tick
  // lengths from the axis.
  EXPECT_EQ(Draw(1, _Ticks), std::vector<RecordedCall>({Line(0, 0, 0, 0, -2, 0), Line(50, 0, 0, 50, -2, 0),
                                                         Text(50, -6, 0, "5"), Line(100, 0, 0, 100, -2, 0)}));
  EXPECT_EQ(Draw(0, _Ticks), std::vector<RecordedCall>({Line(0, 0, 0, 0, -2, 0), Line(50, 0, 0, 50, -2, 0),
                                                        Line(100, 0, 0, 100, -2, 0)}));
}

TEST_F(QVTFdd3DAxisTickRepFixture, TextsOnlyStrictlyBeyondFifteenUnitsFromEitherEnd) {
  _Ticks->Max = 100;
  _Ticks->Levels = {{15, 15.01, 85, 84.99}};
  std::vector<std::string> lTexts;
  for (const RecordedCall& lCall : Draw(1, _Ticks))
    if (lCall.Op == "ImmediateDraw3DAnnotationText") lTexts.push_back(lCall.Text);
  EXPECT_EQ(lTexts, std::vector<std::string>({"15.01", "84.99"}));
}

TEST_F(QVTFdd3DAxisTickRepFixture, ValuesAreWrittenWithPercentG) {
  _Ticks->Min = -1e7;
  _Ticks->Max = 1e7;
  _Ticks->Levels = {{0.5, 0.0001, 1234567}};
  _Ticks->Scaling->TextFactor = 3.0;  // the tick value itself is written, not its text value
  std::vector<std::string> lTexts;
  for (const RecordedCall& lCall : Draw(1, _Ticks))
    if (lCall.Op == "ImmediateDraw3DAnnotationText") lTexts.push_back(lCall.Text);
  EXPECT_EQ(lTexts, std::vector<std::string>({"0.5", "0.0001", "1.23457e+06"}));
}

TEST_F(QVTFdd3DAxisTickRepFixture, ScaledPlacementOutsideTheRangeAndNegativeLength) {
  // Logarithmic: 10 at the middle of [1, 100]; 1000 beyond the end; ticks on the other side.
  _Ticks->Min = 1;
  _Ticks->Max = 100;
  _Ticks->TickLength = -2;
  _Ticks->Scaling->ScaleFunction = [](double v) { return v > 0 ? std::log10(v) : QVTFddDoubleNaN; };
  _Ticks->Levels = {{10, 1000, -1}};
  EXPECT_EQ(Draw(1, _Ticks), std::vector<RecordedCall>({Line(50, 0, 0, 50, 2, 0), Text(50, 6, 0, "10"),
                                                         Line(150, 0, 0, 150, 2, 0), Text(150, 6, 0, "1000")}));
}

TEST_F(QVTFdd3DAxisTickRepFixture, NothingWithoutSourceScalingTicksOrRange) {
  EXPECT_TRUE(Draw(1, nullptr).empty());
  _Ticks->HandsOutScaling = false;
  EXPECT_TRUE(Draw(1, _Ticks).empty());
  _Ticks->HandsOutScaling = true;
  _Ticks->Levels = {{}};
  EXPECT_TRUE(Draw(1, _Ticks).empty());
  _Ticks->Levels = {{0, 5, 10}};
  // A scaled range of no extent, or not finite: nothing; the scaling is given back all the same.
  _Ticks->Max = 0;
  EXPECT_TRUE(Draw(1, _Ticks).empty());
  _Ticks->Max = QVTFddDoubleInfinity;
  EXPECT_TRUE(Draw(1, _Ticks).empty());
  _Ticks->Max = QVTFddDoubleNaN;
  EXPECT_TRUE(Draw(1, _Ticks).empty());
  EXPECT_EQ(_Ticks->ScalingRequests, 5);
}

TEST_F(QVTFdd3DAxisTickRepFixture, ACopySharesTheSourceAndTakesSwitchAndAnchor) {
  ProbeRep* lOriginal = new ProbeRep(CATMathPoint(1, 2, 3), CATMathPoint(4, 5, 6), CATMathDirection(0, 0, 1), _Ticks,
                                     1, CATAnchorMiddleRight);
  ASSERT_NE(lOriginal, nullptr);
  ProbeRep* lCopy = new ProbeRep(*lOriginal);
  ASSERT_NE(lCopy, nullptr);
  EXPECT_EQ(_Ticks->GetRefCount(), 3u);
  EXPECT_EQ(lCopy->ShowValues(), 1);
  EXPECT_EQ(lCopy->Anchor(), CATAnchorMiddleRight);
  EXPECT_EQ(lCopy->Start().GetX(), 0.0);
  EXPECT_EQ(lCopy->End().GetZ(), 0.0);
  EXPECT_EQ(lCopy->TickDirection().GetX(), 1.0);
  lOriginal->Release();
  EXPECT_EQ(_Ticks->GetRefCount(), 2u);
  // The copy's axis has no length: every tick at the origin, no text.
  RecordingRender lRender;
  lCopy->DrawShading(lRender, 0);
  EXPECT_EQ(lRender.Calls(), std::vector<RecordedCall>({Line(0, 0, 0, 2, 0, 0), Line(0, 0, 0, 2, 0, 0),
                                                        Line(0, 0, 0, 2, 0, 0)}));
  // Assignment takes the representation base only.
  ProbeRep lOther(CATMathPoint(7, 7, 7), CATMathPoint(8, 8, 8), CATMathDirection(0, 1, 0), nullptr, 0,
                  CATAnchorBottomLeft);
  lOther = *lCopy;
  EXPECT_EQ(lOther.Start().GetX(), 7.0);
  EXPECT_EQ(lOther.ShowValues(), 0);
  EXPECT_EQ(lOther.Anchor(), CATAnchorBottomLeft);
  lCopy->Release();
}

TEST(QVTFdd3DAxisTickRepDrawn, ObliqueAxisTicksMatchTheGolden) {
  // Three axes of a box corner, seen through the render's oblique projection, model units pixels.
  QVTFddTestTicks* lTicks = new QVTFddTestTicks;
  ASSERT_NE(lTicks, nullptr);
  lTicks->TickLength = 4;
  lTicks->Max = 100;
  lTicks->Levels = {{0, 20, 40, 60, 80, 100}};
  // The receding axis is foreshortened: fewer ticks there.
  QVTFddTestTicks* lDepthTicks = new QVTFddTestTicks;
  ASSERT_NE(lDepthTicks, nullptr);
  lDepthTicks->TickLength = 4;
  lDepthTicks->Max = 100;
  lDepthTicks->Levels = {{0, 50, 100}};
  const std::string lPath = TestOutputPath("QVTFdd3DAxisTickRep.png");
  {
    CairoRender lRender(220, 180, CairoRender::PNG, lPath);
    ASSERT_TRUE(lRender.IsValid());
    lRender.SetCurrentAttribute(Colour(40, 40, 40));
    const CATMathPoint lOrigin(110, 70, 0);
    const struct {
      CATMathPoint end;
      CATMathDirection tick;
      CATAnchorPoint anchor;
      QVTIFddTicks* ticks;
    } lAxes[] = {{CATMathPoint(210, 70, 0), CATMathDirection(0, -1, 0), CATAnchorTopCenter, lTicks},
                 {CATMathPoint(110, 170, 0), CATMathDirection(-1, 0, 0), CATAnchorMiddleRight, lTicks},
                 {CATMathPoint(110, 70, 100), CATMathDirection(-1, 0, 0), CATAnchorMiddleRight, lDepthTicks}};
    for (const auto& lAxis : lAxes) {
      const float lLine[6] = {110, 70, 0, static_cast<float>(lAxis.end.GetX()), static_cast<float>(lAxis.end.GetY()),
                              static_cast<float>(lAxis.end.GetZ())};
      lRender.ImmediateDraw3DLine(lLine, 2, 1, 0);
      QVTFdd3DAxisTickRep* lRep = new QVTFdd3DAxisTickRep(lOrigin, lAxis.end, lAxis.tick, lAxis.ticks, 1, lAxis.anchor);
      ASSERT_NE(lRep, nullptr);
      lRep->DrawShading(lRender, 0);
      lRep->Release();
    }
    ASSERT_EQ(lRender.Finish(), S_OK);
  }
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFdd3DAxisTickRep.png", 2.0, 40);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
  EXPECT_EQ(lTicks->GetRefCount(), 1u);
  EXPECT_EQ(lDepthTicks->GetRefCount(), 1u);
  lTicks->Release();
  lDepthTicks->Release();
}
