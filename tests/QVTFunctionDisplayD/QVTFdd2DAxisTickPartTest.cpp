// Tick part: marks and value texts along a horizontal axis from (0, 0) to (100, 0) with texts
// below it (direction (0, -1)), in the fixed-metric font at height 2: every character 1.2 wide,
// every text 2 tall.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "QVTFdd2DAxisMajorTickPart.h"
#include "QVTFdd2DAxisTickPart.h"
#include "QVTFddConstants.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddTestAxisPartFixture.h"
#include "QVTFddTestExpectNear.h"
#include "QVTFddTestLog.h"
#include "QVTFddTestTicks.h"

namespace {

const double kEps = 1e-5;

// The primitives of a list in the order they were pushed.
std::vector<CATGraphicPrimitive*> InPushOrder(QVTFddGPList* iHead) {
  std::vector<CATGraphicPrimitive*> lAll;
  for (QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext()) lAll.insert(lAll.begin(), lNode->GetGP());
  return lAll;
}

std::vector<const CAT2DLineGP*> Lines(QVTFddGPList* iHead) {
  std::vector<const CAT2DLineGP*> lLines;
  for (CATGraphicPrimitive* lGP : InPushOrder(iHead))
    if (const CAT2DLineGP* lLine = dynamic_cast<const CAT2DLineGP*>(lGP)) lLines.push_back(lLine);
  return lLines;
}

std::vector<const CAT2DGeometricTextGP*> Texts(QVTFddGPList* iHead) {
  std::vector<const CAT2DGeometricTextGP*> lTexts;
  for (CATGraphicPrimitive* lGP : InPushOrder(iHead))
    if (const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(lGP)) lTexts.push_back(lText);
  return lTexts;
}

std::vector<std::string> TextStrings(QVTFddGPList* iHead) {
  std::vector<std::string> lStrings;
  for (const CAT2DGeometricTextGP* lText : Texts(iHead)) lStrings.push_back(lText->GetText().ToUTF8());
  return lStrings;
}

void ExpectLine(const CAT2DLineGP* iLine, double x0, double y0, double x1, double y1) {
  ExpectSegmentNear(iLine, x0, y0, x1, y1, kEps);
  if (!iLine) return;
  EXPECT_EQ(iLine->GetLineFlag(), 1);
  EXPECT_EQ(iLine->GetTessFlag(), 0);
}

void ExpectOrigin(const CAT2DGeometricTextGP* iText, double x, double y) {
  ASSERT_NE(iText, nullptr);
  EXPECT_NEAR(iText->GetOrigin()[0], x, kEps);
  EXPECT_NEAR(iText->GetOrigin()[1], y, kEps);
}

class QVTFdd2DAxisTickPartFixture : public QVTFddTestAxisPartFixture {
 protected:
  void SetUp() override {
    QVTFddTestAxisPartFixture::SetUp();
    _Ticks = new QVTFddTestTicks;
    ASSERT_NE(_Ticks, nullptr);
  }
  void TearDown() override {
    delete _List;
    _List = nullptr;
    // Every reference the parts took is given back.
    EXPECT_EQ(_Ticks->GetRefCount(), 1u);
    EXPECT_EQ(_Ticks->Scaling->GetRefCount(), 1u);
    _Ticks->Release();
    QVTFddTestAxisPartFixture::TearDown();
  }

  // Lays out a tick part with iLevel (-1: search) and returns the region; oLevel gets the level.
  QVTFddMathRegion Lay(int iLevel, int& oLevel, int iShowLimits = 0,
                       QVTFdd2DAxisTickPosition::eTickPosition iPosition = QVTFdd2DAxisTickPosition::eOutside,
                       const QVTFddMathRegion& iOccupied = Empty()) {
    QVTFdd2DAxisTickPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(100, 0), CATMathDirection2D(0, -1), 2.0f, _Font,
                               iPosition, iOccupied, _Ticks, iShowLimits, iLevel);
    QVTFddMathRegion lRegion = lPart.AddPrim(_List);
    oLevel = lPart.GetDetailLevel();
    return lRegion;
  }

  QVTFddTestTicks* _Ticks = nullptr;
};

}  // namespace

TEST_F(QVTFdd2DAxisTickPartFixture, MarksAndTextsFollowTheTickPosition) {
  _Ticks->Levels = {{0, 50, 100}};
  const struct {
    QVTFdd2DAxisTickPosition::eTickPosition position;
    double s0, s1, t;
  } lCases[] = {{QVTFdd2DAxisTickPosition::eOutside, 0, 5, 6},
                {QVTFdd2DAxisTickPosition::eInside, -5, 0, 1},
                {QVTFdd2DAxisTickPosition::eCentered, -2.5, 2.5, 3.5},
                {static_cast<QVTFdd2DAxisTickPosition::eTickPosition>(9), 0, 0, 1}};
  for (const auto& lCase : lCases) {
    SCOPED_TRACE(lCase.position);
    delete _List;
    _List = nullptr;
    int lLevel = 0;
    QVTFddMathRegion lRegion = Lay(0, lLevel, 0, lCase.position);
    EXPECT_EQ(lLevel, 0);
    // Mark, then text, for each tick in order.
    const std::vector<CATGraphicPrimitive*> lAll = InPushOrder(_List);
    ASSERT_EQ(lAll.size(), 6u);
    const double x[3] = {0, 50, 100};
    const double w[3] = {1.2, 2.4, 3.6};
    for (int i = 0; i < 3; ++i) {
      // Marks run from s0 to s1 along the direction (0, -1).
      ExpectLine(dynamic_cast<const CAT2DLineGP*>(lAll[2 * i]), x[i], -lCase.s0, x[i], -lCase.s1);
      // The text's top edge is centred t below the axis.
      ExpectOrigin(dynamic_cast<const CAT2DGeometricTextGP*>(lAll[2 * i + 1]), x[i] - w[i] / 2, -lCase.t - 2);
    }
    ASSERT_EQ(lRegion.mf_GetNbBoxes(), 3);
    EXPECT_NEAR(lRegion.mf_GetBox(1).GetLow().GetX(), 48.8, kEps);
    EXPECT_NEAR(lRegion.mf_GetBox(1).GetHigh().GetY(), -lCase.t, kEps);
  }
}

TEST_F(QVTFdd2DAxisTickPartFixture, ShowLimitsLeavesOutTicksAtTheRangeEnds) {
  // Within QVTFddDoubleEpsilon of the scaled ends counts as the end.
  _Ticks->Levels = {{0.5 * QVTFddDoubleEpsilon, 50, 100 - 0.5 * QVTFddDoubleEpsilon}};
  int lLevel = 0;
  QVTFddMathRegion lRegion = Lay(0, lLevel, 1);
  ASSERT_EQ(Lines(_List).size(), 1u);
  ExpectLine(Lines(_List)[0], 50, 0, 50, -5);
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"50"}));
  EXPECT_EQ(lRegion.mf_GetNbBoxes(), 1);

  // Without the flag every tick has its mark and text.
  delete _List;
  _List = nullptr;
  Lay(0, lLevel, 0);
  EXPECT_EQ(Lines(_List).size(), 3u);
  EXPECT_EQ(Texts(_List).size(), 3u);

  // A tick just beyond the tolerance is kept.
  delete _List;
  _List = nullptr;
  _Ticks->Levels = {{2 * QVTFddDoubleEpsilon, 50}};
  Lay(0, lLevel, 1);
  EXPECT_EQ(Lines(_List).size(), 2u);
}

TEST_F(QVTFdd2DAxisTickPartFixture, SearchTakesTheFirstLevelWhoseTextsFit) {
  // Level 0: a tick every unit, 1.2-wide texts collide. Level 1: every 20 units, they fit.
  std::vector<double> lDense;
  for (int i = 0; i <= 100; ++i) lDense.push_back(i);
  _Ticks->Levels = {lDense, {0, 20, 40, 60, 80, 100}, {0, 50, 100}};
  int lLevel = 0;
  QVTFddMathRegion lRegion = Lay(-1, lLevel);
  EXPECT_EQ(lLevel, 1);
  EXPECT_EQ(Lines(_List).size(), 6u);
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"0", "20", "40", "60", "80", "100"}));
  EXPECT_EQ(lRegion.mf_GetNbBoxes(), 6);
  // Level 0 failed at its second text; level 1's texts were measured once and pushed from the
  // cache, not written again.
  EXPECT_EQ(_Ticks->Scaling->TextCalls, 2 + 6);
}

TEST_F(QVTFdd2DAxisTickPartFixture, TicksBeyondTheCacheGetNewTexts) {
  // 30 ticks that fit: the first 20 texts come from the search, the other 10 are made again.
  std::vector<double> lLevel0;
  for (int i = 0; i < 30; ++i) lLevel0.push_back(3 * i);
  _Ticks->Levels = {lLevel0};
  int lLevel = -2;
  Lay(-1, lLevel);
  EXPECT_EQ(lLevel, 0);
  EXPECT_EQ(Texts(_List).size(), 30u);
  EXPECT_EQ(_Ticks->Scaling->TextCalls, 30 + 10);
}

TEST_F(QVTFdd2DAxisTickPartFixture, WhenNoLevelFitsTheLastIsDrawnFirstComeFirstServed) {
  // Texts 7.2 wide ("v=...") on ticks 5 apart collide at every level.
  _Ticks->Scaling->Format = "value %g";
  _Ticks->Levels = {{0, 2, 4, 6}, {0, 5, 10, 15, 20}};
  int lLevel = 0;
  Lay(-1, lLevel);
  EXPECT_EQ(lLevel, 1);
  EXPECT_EQ(Lines(_List).size(), 5u);
  // "value 0" spans -4.2 .. 4.2, "value 5" 0.8 .. 9.2 (meets it), "value 10" 5.8 .. 14.2 (free).
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"value 0", "value 10", "value 20"}));
}

TEST_F(QVTFdd2DAxisTickPartFixture, TextsAvoidTheOccupiedRegionButMarksStay) {
  _Ticks->Levels = {{0, 50, 100}, {50}};
  const QVTFddMathRegion lOccupied(CATMathBox2D(95, 105, -10, -5), 0.00001, nullptr, nullptr);
  // The search sees the occupied region: level 0's text "100" meets it.
  int lLevel = 0;
  Lay(-1, lLevel, 0, QVTFdd2DAxisTickPosition::eOutside, lOccupied);
  EXPECT_EQ(lLevel, 1);
  // Drawn at a given level, the text is left out and its mark kept.
  delete _List;
  _List = nullptr;
  QVTFddMathRegion lRegion = Lay(0, lLevel, 0, QVTFdd2DAxisTickPosition::eOutside, lOccupied);
  EXPECT_EQ(Lines(_List).size(), 3u);
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"0", "50"}));
  // The region holds the texts added, not the occupied region given.
  EXPECT_EQ(lRegion.mf_GetNbBoxes(), 2);
}

TEST_F(QVTFdd2DAxisTickPartFixture, NoLevelsLeavesTheLevelAtMinusOne) {
  int lLevel = 0;
  EXPECT_TRUE(Lay(-1, lLevel).mf_IsEmpty());
  EXPECT_EQ(lLevel, -1);
  EXPECT_EQ(_List, nullptr);
  // The drawing pass asks for the level -1, which the source answers with 0 ticks.
  ASSERT_FALSE(_Ticks->AskedLevels.empty());
  EXPECT_EQ(_Ticks->AskedLevels.back(), -1);
}

TEST_F(QVTFdd2DAxisTickPartFixture, HiddenValuesChooseLevelZeroAndAddNoText) {
  std::vector<double> lDense;
  for (int i = 0; i <= 100; ++i) lDense.push_back(i);
  _Ticks->Levels = {lDense, {0, 50, 100}};
  _Ticks->ValuesVisible = 0;
  int lLevel = 0;
  EXPECT_TRUE(Lay(-1, lLevel).mf_IsEmpty());
  EXPECT_EQ(lLevel, 0);
  EXPECT_EQ(Lines(_List).size(), 101u);
  EXPECT_TRUE(Texts(_List).empty());
  EXPECT_EQ(_Ticks->Scaling->TextCalls, 0);
}

TEST_F(QVTFdd2DAxisTickPartFixture, LevelWithoutTicksEndsTheSearch) {
  std::vector<double> lDense;
  for (int i = 0; i <= 100; ++i) lDense.push_back(i);
  _Ticks->Levels = {lDense, {}, {0, 50, 100}};
  int lLevel = 0;
  Lay(-1, lLevel);
  EXPECT_EQ(lLevel, 1);
  EXPECT_EQ(_List, nullptr);
}

TEST_F(QVTFdd2DAxisTickPartFixture, ScaledPositionsAndValuesOutsideTheRange) {
  // A logarithmic scale: 10 lies at the middle of [1, 100]; 1000 lies beyond the axis end.
  _Ticks->Min = 1;
  _Ticks->Max = 100;
  _Ticks->Scaling->ScaleFunction = [](double v) { return std::log10(v); };
  _Ticks->Scaling->TextFactor = 2.0;  // the text shows the text value, not the tick value
  _Ticks->Levels = {{10, 1000}};
  int lLevel = 0;
  Lay(0, lLevel);
  ASSERT_EQ(Lines(_List).size(), 2u);
  ExpectLine(Lines(_List)[0], 50, 0, 50, -5);
  ExpectLine(Lines(_List)[1], 150, 0, 150, -5);
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"20", "2000"}));
}

TEST_F(QVTFdd2DAxisTickPartFixture, TicksWithoutAFinitePositionAreLeftOut) {
  // Values the scale has no number for (a logarithm of 0 or less) get neither mark nor text.
  _Ticks->Min = 1;
  _Ticks->Max = 100;
  _Ticks->Scaling->ScaleFunction = [](double v) { return v > 0 ? std::log10(v) : QVTFddDoubleNaN; };
  _Ticks->Levels = {{-5, 0, 10}};
  int lLevel = 0;
  Lay(0, lLevel);
  EXPECT_EQ(Lines(_List).size(), 1u);
  EXPECT_EQ(TextStrings(_List), std::vector<std::string>({"10"}));
}

TEST_F(QVTFdd2DAxisTickPartFixture, NothingWithoutTicksScalingOrScaledRange) {
  _Ticks->Levels = {{0, 50, 100}};
  int lLevel = 0;
  {
    QVTFdd2DAxisTickPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(100, 0), CATMathDirection2D(0, -1), 2.0f, _Font,
                               QVTFdd2DAxisTickPosition::eOutside, Empty(), nullptr, 0, -1);
    EXPECT_TRUE(lPart.AddPrim(_List).mf_IsEmpty());
    EXPECT_EQ(lPart.GetDetailLevel(), -1);
    QVTFdd2DAxisTickPart lDefault;
    EXPECT_TRUE(lDefault.AddPrim(_List).mf_IsEmpty());
  }
  _Ticks->HandsOutScaling = false;
  EXPECT_TRUE(Lay(-1, lLevel).mf_IsEmpty());
  EXPECT_EQ(lLevel, -1);
  _Ticks->HandsOutScaling = true;

  // A scaled range of no extent or not finite: nothing, the level as it was, the scaling given back.
  const std::pair<double, double> lRanges[] = {{5, 5}, {0, QVTFddDoubleInfinity}, {QVTFddDoubleNaN, 1}};
  for (const auto& lRange : lRanges) {
    _Ticks->Min = lRange.first;
    _Ticks->Max = lRange.second;
    EXPECT_TRUE(Lay(-1, lLevel).mf_IsEmpty());
    EXPECT_EQ(lLevel, -1);
    EXPECT_TRUE(Lay(3, lLevel).mf_IsEmpty());
    EXPECT_EQ(lLevel, 3);
    EXPECT_EQ(_Ticks->Scaling->GetRefCount(), 1u);
  }
  EXPECT_EQ(_List, nullptr);
}

TEST_F(QVTFdd2DAxisTickPartFixture, WithoutFontEveryLevelFailsAndOnlyMarksAreDrawn) {
  _Ticks->Levels = {{0, 50, 100}, {0, 100}};
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFdd2DAxisTickPart lPart(CATMathPoint2D(0, 0), CATMathPoint2D(100, 0), CATMathDirection2D(0, -1), 2.0f, nullptr,
                             QVTFdd2DAxisTickPosition::eOutside, Empty(), _Ticks, 0, -1);
  EXPECT_TRUE(lPart.AddPrim(_List).mf_IsEmpty());
  EXPECT_EQ(lPart.GetDetailLevel(), 1);
  EXPECT_EQ(Lines(_List).size(), 2u);
  EXPECT_TRUE(Texts(_List).empty());
  EXPECT_GT(QVTFddModuleLog().Count(), lBefore);
  EXPECT_EQ(QVTFddModuleLog().Records().back().Text, testlog::kNotInitialized);
}

TEST_F(QVTFdd2DAxisTickPartFixture, AbsurdCountsAreBounded) {
  // A source claiming INT_MAX ticks on INT_MAX levels, every tick at the same value.
  _Ticks->Levels = {{50}};
  _Ticks->ForcedNbrTicks = INT_MAX;
  _Ticks->ForcedNbrLevels = INT_MAX;
  int lLevel = 0;
  Lay(-1, lLevel);
  EXPECT_EQ(lLevel, QVTFdd2DAxisTickPart::kMaxLevels - 1);
  EXPECT_EQ(Lines(_List).size(), static_cast<size_t>(QVTFdd2DAxisTickPart::kMaxTicksPerLevel));
  EXPECT_EQ(Texts(_List).size(), 1u);
}

TEST_F(QVTFdd2DAxisTickPartFixture, MajorTickPartAlwaysSearches) {
  std::vector<double> lDense;
  for (int i = 0; i <= 100; ++i) lDense.push_back(i);
  _Ticks->Levels = {lDense, {0, 25, 50, 75, 100}};
  QVTFdd2DAxisMajorTickPart lMajor(CATMathPoint2D(0, 0), CATMathPoint2D(100, 0), CATMathDirection2D(0, -1), 2.0f,
                                   _Font, QVTFdd2DAxisTickPosition::eOutside, Empty(), _Ticks, 1);
  EXPECT_EQ(lMajor.GetDetailLevel(), -1);
  EXPECT_EQ(lMajor.AddPrim(_List).mf_GetNbBoxes(), 3);  // the ends are left out
  EXPECT_EQ(lMajor.GetDetailLevel(), 1);
  EXPECT_TRUE(lMajor.IsAKindOf("QVTFdd2DAxisTickPart"));
  EXPECT_STREQ(lMajor.IsA(), "QVTFdd2DAxisMajorTickPart");
}

TEST_F(QVTFdd2DAxisTickPartFixture, RangesAtTheEndsOfTheDoublesPlaceTheirTicks) {
  // Spans that overflow (the whole double range) and spans of 1e-307: ticks at 1/4, 1/2 and 3/4.
  const std::pair<double, double> lRanges[] = {
      {-QVTFddDoubleMax, QVTFddDoubleMax}, {-1e308, 1e308}, {0, 4e-307}, {1e-307, 5e-307}};
  for (const auto& lRange : lRanges) {
    SCOPED_TRACE(lRange.first);
    delete _List;
    _List = nullptr;
    _Ticks->Min = lRange.first;
    _Ticks->Max = lRange.second;
    _Ticks->Levels = {{}};
    for (double t : {0.25, 0.5, 0.75}) _Ticks->Levels[0].push_back(lRange.first * (1 - t) + lRange.second * t);
    int lLevel = 0;
    Lay(0, lLevel);
    const std::vector<const CAT2DLineGP*> lLines = Lines(_List);
    ASSERT_EQ(lLines.size(), 3u);
    for (int i = 0; i < 3; ++i) ExpectLine(lLines[i], 25.0 * (i + 1), 0, 25.0 * (i + 1), -5);
  }
}
