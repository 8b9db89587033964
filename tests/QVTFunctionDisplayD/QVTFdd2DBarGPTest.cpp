#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATGraphicAttributeSet.h"
#include "CATViewer.h"
#include "QVTFdd2DBarGP.h"
#include "RecordingRender.h"

namespace {

const std::vector<long long> kPolygonInts = {4, 1, 0, 0, 0, 0, 0};
const std::vector<long long> kLineInts = {2, 0, 0};

// Thickness 6 and some of the other bits of the first word set, to see which bits change.
const unsigned int kWord = 0xF0000F0Fu | (6u << 18);
// The same with the thickness bits set to 1.
const unsigned int kThinWord = 0xF0000F0Fu | (1u << 18);

CATGraphicAttributeSet Attribute(unsigned int iWord) {
  CATGraphicAttributeSet lSet;
  lSet.SetFirstWord(iWord);
  lSet.SetColor(10, 20, 30, 200);
  return lSet;
}

RecordedCall SetAttributeCall(unsigned int iWord) {
  return RecordedCall{"SetCurrentAttribute", {}, {static_cast<long long>(iWord), 10, 20, 30, 200}, ""};
}

// The calls of a bar drawn as one line through iPoints in the attribute iWord, kWord set back.
std::vector<RecordedCall> LineCalls(unsigned int iWord, std::vector<float> iPoints) {
  return {SetAttributeCall(iWord), {"ImmediateDraw2DLine", std::move(iPoints), kLineInts, ""},
          SetAttributeCall(kWord)};
}

// Draws the bar in a 200 x 200 viewport whose model units are pixels (unless a viewpoint is
// given), with kWord as the current attribute; returns the calls the bar made.
std::vector<RecordedCall> Draw(QVTFdd2DBarGP& iBar, const CATViewpoint* iViewpoint) {
  RecordingRender lRender(200, 200);
  lRender.SetCurrentAttribute(Attribute(kWord));
  lRender.Clear();
  iBar.ImmediateDraw(lRender, iViewpoint, nullptr);
  // Whatever was drawn, the attribute is the caller's again.
  EXPECT_EQ(lRender.GetCurrentAttribute(), Attribute(kWord));
  return lRender.Calls();
}

std::vector<RecordedCall> Draw(const float* iCorner1, const float* iCorner2, QVTFdd2DBarGP::eDirection iDirection,
                               const CATViewpoint* iViewpoint) {
  QVTFdd2DBarGP lBar(iCorner1, iCorner2, iDirection);
  return Draw(lBar, iViewpoint);
}

const CAT2DViewpoint kPixels(CATMathPoint2D(100, 100), 1.0);

}  // namespace

TEST(QVTFdd2DBarGP, TallBarIsOneFilledPolygon) {
  const float lBase[2] = {10, 20}, lTop[2] = {30, 30.5f};
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &kPixels),
            (std::vector<RecordedCall>{{"ImmediateDraw2DPolygon", {10, 20, 10, 30.5f, 30, 30.5f, 30, 20}, kPolygonInts, ""}}));
  const float lLeft[2] = {10, 10}, lRight[2] = {40, 20};
  EXPECT_EQ(Draw(lLeft, lRight, QVTFdd2DBarGP::Horizontal, &kPixels),
            (std::vector<RecordedCall>{{"ImmediateDraw2DPolygon", {10, 10, 10, 20, 40, 20, 40, 10}, kPolygonInts, ""}}));
}

TEST(QVTFdd2DBarGP, BarInAdjacentPixelRowsIsAOnePixelBaseLine) {
  // Rows 20 and 21: one pixel step, so the base line, drawn one pixel thick.
  const float lBase[2] = {10, 20.2f}, lTop[2] = {30, 21.7f};
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &kPixels), LineCalls(kThinWord, {10, 20.2f, 30, 20.2f}));
  EXPECT_EQ(Attribute(kThinWord).GetThickness(), 1);
  // Horizontally: columns 10 and 11, a line along x = x1.
  const float lLeft[2] = {10.2f, 5}, lRight[2] = {11.9f, 9};
  EXPECT_EQ(Draw(lLeft, lRight, QVTFdd2DBarGP::Horizontal, &kPixels), LineCalls(kThinWord, {10.2f, 5, 10.2f, 9}));
}

TEST(QVTFdd2DBarGP, FlatBarIsABaseLineInTheCurrentAttribute) {
  const float lBase[2] = {10, 20.5f}, lTop[2] = {30, 20.5f};
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &kPixels), LineCalls(kWord, {10, 20.5f, 30, 20.5f}));
  const float lLow[2] = {15, 10}, lHigh[2] = {15, 40};
  EXPECT_EQ(Draw(lLow, lHigh, QVTFdd2DBarGP::Horizontal, &kPixels), LineCalls(kWord, {15, 10, 15, 40}));
}

TEST(QVTFdd2DBarGP, ThicknessInPixelsFollowsTheZoom) {
  // Half a model unit: one pixel row at zoom 1, five rows at zoom 10.
  const float lBase[2] = {10, 20}, lTop[2] = {30, 20.5f};
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &kPixels)[1].Op, "ImmediateDraw2DLine");
  const CAT2DViewpoint lZoomed(CATMathPoint2D(100, 100), 10.0);
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &lZoomed)[0].Op, "ImmediateDraw2DPolygon");
  // The viewer's viewpoint converts alike.
  CATViewer lViewer(200, 200);
  lViewer.Get2DViewpoint().SetZoom(10.0);
  lViewer.Get2DViewpoint().SetCenter(CATMathPoint2D(100, 100));
  EXPECT_EQ(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &lViewer.Get2DViewpoint())[0].Op, "ImmediateDraw2DPolygon");
}

TEST(QVTFdd2DBarGP, BadInputDrawsNothing) {
  const float lBase[2] = {10, 20}, lTop[2] = {30, 40};
  for (int lDirection : {2, -1, 1 << 20})
    EXPECT_TRUE(Draw(lBase, lTop, static_cast<QVTFdd2DBarGP::eDirection>(lDirection), &kPixels).empty());
  EXPECT_TRUE(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, nullptr).empty());
  CATViewpoint lNot2D;
  EXPECT_TRUE(Draw(lBase, lTop, QVTFdd2DBarGP::Vertical, &lNot2D).empty());
  EXPECT_TRUE(Draw(nullptr, lTop, QVTFdd2DBarGP::Vertical, &kPixels).empty());
  EXPECT_TRUE(Draw(lBase, nullptr, QVTFdd2DBarGP::Horizontal, &kPixels).empty());
}

TEST(QVTFdd2DBarGP, CopyKeepsCornersAndDirection) {
  const float lBase[2] = {10, 20}, lTop[2] = {30, 40};
  QVTFdd2DBarGP lBar(lBase, lTop, QVTFdd2DBarGP::Horizontal);
  QVTFdd2DBarGP lCopy(lBar);
  EXPECT_EQ(Draw(lCopy, &kPixels), Draw(lBar, &kPixels));
  // Assignment takes the primitive base only.
  const float lOther[2] = {0, 0};
  QVTFdd2DBarGP lTarget(lOther, lOther, QVTFdd2DBarGP::Vertical);
  const std::vector<RecordedCall> lBefore = Draw(lTarget, &kPixels);
  lTarget = lBar;
  EXPECT_EQ(Draw(lTarget, &kPixels), lBefore);
}
