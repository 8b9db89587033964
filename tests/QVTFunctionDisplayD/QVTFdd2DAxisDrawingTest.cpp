// Axis drawing: lists built once per SPS by the parts in their fixed order. A horizontal axis from
// (0, 0) to (150, 0) with texts below it, fixed-metric font at height 2 (characters 1.2 wide).
// Primitives are described as "line x0 y0 x1 y1" or by their text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "CATMetaClass.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DAxisLimitPart.h"
#include "QVTFdd2DAxisMajorTickPart.h"
#include "QVTFdd2DAxisTickPart.h"
#include "QVTFdd2DDiscreteAxisValuesPart.h"
#include "QVTFdd3DAxisTickRep.h"
#include "QVTFddGPList.h"
#include "QVTFddTestAxisPartFixture.h"
#include "QVTFddTestTicks.h"

namespace {

std::string Describe(CATGraphicPrimitive* iGP) {
  if (const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(iGP))
    return lText->GetText().ToUTF8();
  if (const CAT2DLineGP* lLine = dynamic_cast<const CAT2DLineGP*>(iGP)) {
    const float* p = lLine->GetPoints();
    char lBuffer[96];
    std::snprintf(lBuffer, sizeof lBuffer, "line %g %g %g %g", p[0], p[1], p[2], p[3]);
    return lBuffer;
  }
  return "?";
}

std::vector<std::string> FromHead(QVTFddGPList* iHead) {
  std::vector<std::string> lAll;
  for (QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext()) lAll.push_back(Describe(lNode->GetGP()));
  return lAll;
}

// Origin x of the text iText in the list, or -1e9.
double TextX(QVTFddGPList* iHead, const std::string& iText) {
  for (QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext())
    if (const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(lNode->GetGP()))
      if (lText->GetText().ToUTF8() == iText) return lText->GetOrigin()[0];
  return -1e9;
}

class QVTFdd2DAxisDrawingFixture : public QVTFddTestAxisPartFixture {
 protected:
  void SetUp() override {
    QVTFddTestAxisPartFixture::SetUp();
    for (QVTFddTestTicks*& lTicks : _Ticks) {
      lTicks = new QVTFddTestTicks;
      ASSERT_NE(lTicks, nullptr);
      lTicks->Max = 150;
    }
    // Major ticks at every 25 (texts "M.."), second at 10 and 20 ("S.."), third at 140 ("T..").
    _Ticks[0]->Levels = {{0, 25, 50, 75, 100, 125, 150}};
    _Ticks[0]->Scaling->Format = "M%g";
    _Ticks[1]->Levels = {{10, 20}};
    _Ticks[1]->Scaling->Format = "S%g";
    _Ticks[2]->Levels = {{140}};
    _Ticks[2]->Scaling->Format = "T%g";
  }
  void TearDown() override {
    if (_Drawing) _Drawing->Release();
    // The drawing gave back every reference it took.
    for (QVTFddTestTicks* lTicks : _Ticks) {
      EXPECT_EQ(lTicks->GetRefCount(), 1u);
      EXPECT_EQ(lTicks->Scaling->GetRefCount(), 1u);
      lTicks->Release();
    }
    QVTFddTestAxisPartFixture::TearDown();
  }

  QVTFdd2DAxisDrawing* Make(int iNbrSPS, int iActive, int iShowLimits, int iContinuous = 1,
                            CATUnicodeString* iMinTexts = nullptr, CATUnicodeString* iMaxTexts = nullptr,
                            bool iWithTicks = true, const char* iFirst = "First", const char* iSecond = "Second") {
    QVTFdd2DAxisDrawing* lDrawing = new QVTFdd2DAxisDrawing(
        CATMathPoint2D(0, 0), CATMathPoint2D(150, 0), CATMathDirection2D(0, -1), 2.0f, _Font, iMinTexts, iMaxTexts,
        iNbrSPS, iActive, iShowLimits, QVTFdd2DAxisDrawing::eOutside, iWithTicks ? _Ticks[0] : nullptr,
        iWithTicks ? _Ticks[1] : nullptr, iWithTicks ? _Ticks[2] : nullptr, iFirst, iSecond, iContinuous,
        Values({"red", "green", "blue"}));
    EXPECT_NE(lDrawing, nullptr);
    return lDrawing;
  }

  QVTFddTestTicks* _Ticks[3] = {nullptr, nullptr, nullptr};
  QVTFdd2DAxisDrawing* _Drawing = nullptr;
};

}  // namespace

TEST_F(QVTFdd2DAxisDrawingFixture, OneContinuousSPSListsEverythingInReverseOrder) {
  CATUnicodeString lMin[1] = {"lo"}, lMax[1] = {"hi"};
  _Drawing = Make(1, 0, 1, 1, lMin, lMax);
  const std::vector<std::string> lExpected = {
      "Second", "First",                                                 // labels, last first
      "T140", "line 140 0 140 -5",                                       // third ticks
      "S20", "line 20 0 20 -5", "S10", "line 10 0 10 -5",                // second ticks
      "M125", "line 125 0 125 -5", "M100", "line 100 0 100 -5", "M75", "line 75 0 75 -5",
      "M50", "line 50 0 50 -5", "M25", "line 25 0 25 -5",               // major ticks, ends left out
      "hi", "lo", "line 150 0 150 -4", "line 0 0 0 -4", "line 0 0 150 0"};  // limits, end ticks, axis
  EXPECT_EQ(FromHead(_Drawing->GetList(0)), lExpected);
  EXPECT_EQ(_Drawing->GetDetailLevel(), 0);
  // Built once: the same head on every call.
  EXPECT_EQ(_Drawing->GetList(0), _Drawing->GetList(0));
  EXPECT_EQ(_Ticks[0]->ScalingRequests, 1);
}

TEST_F(QVTFdd2DAxisDrawingFixture, ThreeSPSsStaggerTheirLimitsAndOnlyTheActiveHoldsTheRest) {
  CATUnicodeString lMin[3] = {"a0", "a1", "a2"}, lMax[3] = {"b0", "b1", "b2"};
  _Drawing = Make(3, 1, 1, 1, lMin, lMax);
  EXPECT_EQ(_Drawing->GetNbrSPS(), 3);
  EXPECT_EQ(_Drawing->GetAcitveSPS(), 1);
  EXPECT_EQ(FromHead(_Drawing->GetList(0)),
            std::vector<std::string>({"b0", "a0", "line 150 0 150 -4", "line 0 0 0 -4"}));
  EXPECT_EQ(FromHead(_Drawing->GetList(2)),
            std::vector<std::string>({"b2", "a2", "line 150 0 150 -4", "line 0 0 0 -4"}));
  // Moved inward by 0, 1 and 2 fifteenths (10 units): start texts at 0, 10, 20, end texts ending
  // at 150, 140, 130.
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(0), "a0"), 0.0f);
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(1), "a1"), 10.0f);
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(2), "a2"), 20.0f);
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(0), "b0"), 150.0f - 2.4f);
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(1), "b1"), 140.0f - 2.4f);
  EXPECT_FLOAT_EQ(TextX(_Drawing->GetList(2), "b2"), 130.0f - 2.4f);
  // The active list: ticks that avoid every SPS's limit texts ("S10" meets "a1" at 10 and "S20"
  // meets "a2" at 20: their marks stay, their texts go; "T140" meets "b1"), the labels, its own
  // limits and the axis line.
  const std::vector<std::string> lActive = FromHead(_Drawing->GetList(1));
  const std::vector<std::string> lExpected = {
      "Second", "First", "line 140 0 140 -5", "line 20 0 20 -5", "line 10 0 10 -5",
      "M125", "line 125 0 125 -5", "M100", "line 100 0 100 -5", "M75", "line 75 0 75 -5",
      "M50", "line 50 0 50 -5", "M25", "line 25 0 25 -5",
      "b1", "a1", "line 150 0 150 -4", "line 0 0 0 -4", "line 0 0 150 0"};
  EXPECT_EQ(lActive, lExpected);
}

TEST_F(QVTFdd2DAxisDrawingFixture, DiscreteAxisHasValuesAndTheSecondLabelOnly) {
  CATUnicodeString lMin[1] = {"lo"}, lMax[1] = {"hi"};
  _Drawing = Make(1, 0, 1, 0, lMin, lMax);
  EXPECT_EQ(FromHead(_Drawing->GetList(0)),
            std::vector<std::string>({"Second", "blue", "green", "red", "hi", "lo", "line 150 0 150 -4",
                                      "line 0 0 0 -4", "line 0 0 150 0"}));
  EXPECT_EQ(_Drawing->GetDetailLevel(), 0);
  EXPECT_EQ(_Ticks[0]->ScalingRequests, 0);
}

TEST_F(QVTFdd2DAxisDrawingFixture, DetailLevelIsTheLevelTheMajorTicksChose) {
  // Level 0 of the major ticks collides, level 1 fits: the second ticks are drawn at level 1.
  std::vector<double> lDense;
  for (int i = 0; i <= 150; ++i) lDense.push_back(i);
  _Ticks[0]->Levels = {lDense, {50, 100}};
  _Ticks[1]->Levels = {{10}, {30}};
  _Drawing = Make(1, 0, 0);
  EXPECT_EQ(_Drawing->GetDetailLevel(), 1);
  EXPECT_NE(TextX(_Drawing->GetList(0), "S30"), -1e9);
  EXPECT_EQ(TextX(_Drawing->GetList(0), "S10"), -1e9);
  _Drawing->Release();

  // No scaling for the major ticks: -1, and the second ticks choose their own level.
  _Ticks[0]->HandsOutScaling = false;
  _Drawing = Make(1, 0, 0);
  EXPECT_EQ(_Drawing->GetDetailLevel(), -1);
  EXPECT_NE(TextX(_Drawing->GetList(0), "S10"), -1e9);
  _Drawing->Release();

  // No major ticks at all: -1 too.
  _Drawing = new QVTFdd2DAxisDrawing(CATMathPoint2D(0, 0), CATMathPoint2D(150, 0), CATMathDirection2D(0, -1), 2.0f,
                                     _Font, nullptr, nullptr, 1, 0, 0, QVTFdd2DAxisDrawing::eOutside, nullptr,
                                     _Ticks[1], nullptr, "", "", 1, CATListValCATUnicodeString());
  EXPECT_EQ(_Drawing->GetDetailLevel(), -1);
}

TEST_F(QVTFdd2DAxisDrawingFixture, BoundingElementCoversEveryList) {
  // SPS 0's start text (200 characters, 240 wide) reaches beyond the axis, in a list that is not
  // the active one. Labels are empty texts stacked below: the first 8 below the axis, the second 11.
  CATUnicodeString lMin[2] = {std::string(200, 'x').c_str(), "a1"}, lMax[2] = {"b0", "b1"};
  _Drawing = Make(2, 1, 1, 1, lMin, lMax, false, "", "");
  const CAT2DBoundingBox lBox = _Drawing->GetBoundingElement();
  EXPECT_FLOAT_EQ(lBox.GetXMin(), 0.0f);
  EXPECT_FLOAT_EQ(lBox.GetXMax(), 240.0f);
  EXPECT_FLOAT_EQ(lBox.GetYMin(), -13.0f);
  EXPECT_FLOAT_EQ(lBox.GetYMax(), 0.0f);
  EXPECT_TRUE(_Drawing->GetBoundingElement() == lBox);
  EXPECT_EQ(_Drawing->GetDetailLevel(), -1);
}

TEST_F(QVTFdd2DAxisDrawingFixture, NoSPSGivesNoListAndAnEmptyBox) {
  _Drawing = Make(0, 0, 1);
  EXPECT_TRUE(_Drawing->GetBoundingElement().IsEmpty());
  EXPECT_EQ(_Drawing->GetList(0), nullptr);
  _Drawing->Release();
  // A negative count counts as 0.
  _Drawing = Make(-3, 0, 1);
  EXPECT_EQ(_Drawing->GetNbrSPS(), 0);
  EXPECT_EQ(_Drawing->GetList(0), nullptr);
  EXPECT_TRUE(_Drawing->GetBoundingElement().IsEmpty());
}

TEST_F(QVTFdd2DAxisDrawingFixture, IndicesOutsideTheListsAndMissingTexts) {
  // Null limit-text arrays read as empty texts; indices outside the lists give null.
  _Drawing = Make(2, 0, 1);
  EXPECT_EQ(_Drawing->GetList(-1), nullptr);
  EXPECT_EQ(_Drawing->GetList(2), nullptr);
  EXPECT_EQ(FromHead(_Drawing->GetList(1)), std::vector<std::string>({"", "", "line 150 0 150 -4", "line 0 0 0 -4"}));
  _Drawing->Release();

  // An active SPS that names no list: the limit parts only, no axis line, no ticks, no labels.
  _Ticks[0]->ScalingRequests = 0;
  _Drawing = Make(2, 5, 1);
  EXPECT_EQ(_Drawing->GetDetailLevel(), 0);
  EXPECT_EQ(FromHead(_Drawing->GetList(0)), std::vector<std::string>({"", "", "line 150 0 150 -4", "line 0 0 0 -4"}));
  EXPECT_EQ(_Ticks[0]->ScalingRequests, 0);
  EXPECT_EQ(_Drawing->GetAcitveSPS(), 5);
}

TEST_F(QVTFdd2DAxisDrawingFixture, DestroyingWithAndWithoutListsGivesEverythingBack) {
  CATUnicodeString lMin[1] = {"lo"}, lMax[1] = {"hi"};
  const ULONG lFontRefs = _Font->GetRefCount();
  QVTFdd2DAxisDrawing* lNeverBuilt = Make(1, 0, 1, 1, lMin, lMax);
  EXPECT_EQ(_Ticks[0]->GetRefCount(), 2u);
  lNeverBuilt->Release();
  EXPECT_EQ(_Ticks[0]->GetRefCount(), 1u);

  _Drawing = Make(1, 0, 1, 1, lMin, lMax);
  ASSERT_NE(_Drawing->GetList(0), nullptr);
  EXPECT_EQ(_Font->GetRefCount(), lFontRefs);
  // The texts a caller passed may go: the drawing keeps its copies.
  lMin[0] = "changed";
  _Drawing->GetBoundingElement();
  EXPECT_NE(TextX(_Drawing->GetList(0), "lo"), -1e9);
}
