#include <gtest/gtest.h>

#include "CATMathBox2D.h"
#include "CATPickingRender.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ImageCompare.h"
#include "PrimitiveRep.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddMathRegion.h"
#include "RecordingRender.h"

namespace {

const std::vector<long long> kPolygonInts = {4, 1, 0, 0, 0, 0, 0};

QVTFddMathRegion ThreeBoxes() {
  QVTFddMathRegion lRegion(0.00001, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(0, 1, 0, 1), 0.00001, nullptr, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(5, 6, 0, 2), 0.00001, nullptr, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(-3, -2, 4, 7), 0.00001, nullptr, nullptr);
  return lRegion;
}

}  // namespace

TEST(QVTFdd2DBackgroundGP, VisibleModeDrawsOnePolygonInOrdinaryPassesOnly) {
  // Corners given high to low: the box is ordered, the polygon runs low-left, up, right, down.
  QVTFdd2DBackgroundGP* lGP = new QVTFdd2DBackgroundGP(CATMathPoint2D(10, 20), CATMathPoint2D(-1.5, 4), 0);
  RecordingRender lRender;
  lGP->Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 1u);
  EXPECT_EQ(lRender.Calls()[0],
            (RecordedCall{"ImmediateDraw2DPolygon", {-1.5f, 4, -1.5f, 20, 10, 20, 10, 4}, kPolygonInts, ""}));

  lRender.Clear();
  lRender.SetFurtive(1);
  lGP->Draw(lRender);
  EXPECT_TRUE(lRender.Calls().empty());

  lRender.SetFurtive(0);
  lRender.SetPassState(2);
  lGP->Draw(lRender);
  EXPECT_TRUE(lRender.Calls().empty());

  // The picking pass is an ordinary pass for a visible background.
  CATPickingRender lPicking;
  lGP->Draw(lPicking);
  EXPECT_EQ(lPicking.CountOf("ImmediateDraw2DPolygon"), 1u);
  lGP->Destroy();
}

TEST(QVTFdd2DBackgroundGP, PickingModeDrawsOnlyInThePickingPass) {
  QVTFdd2DBackgroundGP* lGP = new QVTFdd2DBackgroundGP(CATMathPoint2D(0, 0), CATMathPoint2D(2, 3), 1);
  RecordingRender lRender;
  lGP->Draw(lRender);
  EXPECT_TRUE(lRender.Calls().empty());
  CATPickingRender lPicking;
  lPicking.SetFurtive(1);  // furtive or not, picking draws
  lGP->Draw(lPicking);
  ASSERT_EQ(lPicking.Calls().size(), 1u);
  EXPECT_EQ(lPicking.Calls()[0].Floats, (std::vector<float>{0, 0, 0, 3, 2, 3, 2, 0}));
  lGP->Destroy();
}

TEST(QVTFdd2DBackgroundGP, RegionDrawsOnePolygonPerBoxInRegionOrder) {
  QVTFdd2DBackgroundGP* lGP = new QVTFdd2DBackgroundGP(ThreeBoxes(), 0);
  RecordingRender lRender;
  lGP->Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 3u);
  EXPECT_EQ(lRender.Calls()[0].Floats, (std::vector<float>{0, 0, 0, 1, 1, 1, 1, 0}));
  EXPECT_EQ(lRender.Calls()[1].Floats, (std::vector<float>{5, 0, 5, 2, 6, 2, 6, 0}));
  EXPECT_EQ(lRender.Calls()[2].Floats, (std::vector<float>{-3, 4, -3, 7, -2, 7, -2, 4}));
  for (const RecordedCall& lCall : lRender.Calls()) EXPECT_EQ(lCall.Ints, kPolygonInts);

  QVTFdd2DBackgroundGP lEmpty(QVTFddMathRegion(0.00001, nullptr), 0);
  lRender.Clear();
  lEmpty.ImmediateDraw(lRender, nullptr, nullptr);
  EXPECT_TRUE(lRender.Calls().empty());
  lGP->Destroy();
}

TEST(QVTFdd2DBackgroundGP, CopyDrawsNothingAndAssignmentKeepsTheRegion) {
  QVTFdd2DBackgroundGP lOriginal(ThreeBoxes(), 0);
  QVTFdd2DBackgroundGP lCopy(lOriginal);
  RecordingRender lRender;
  lCopy.ImmediateDraw(lRender, nullptr, nullptr);
  EXPECT_TRUE(lRender.Calls().empty());

  QVTFdd2DBackgroundGP lTarget(CATMathPoint2D(0, 0), CATMathPoint2D(1, 1), 0);
  lTarget = lOriginal;
  lTarget.ImmediateDraw(lRender, nullptr, nullptr);
  EXPECT_EQ(lRender.Calls().size(), 1u);
}

TEST(QVTFdd2DBackgroundGP, MatchesItsGoldenImage) {
  // Backgrounds of a region and of two translucent boxes, through a panned and zoomed viewpoint.
  CATViewer lViewer(160, 100);
  lViewer.FitBox(0, 80, 0, 50);
  QVTFddMathRegion lBoxes(0.00001, nullptr);
  lBoxes = lBoxes | QVTFddMathRegion(CATMathBox2D(2, 20, 2, 8), 0.00001, nullptr, nullptr);
  lBoxes = lBoxes | QVTFddMathRegion(CATMathBox2D(60, 78, 2, 8), 0.00001, nullptr, nullptr);
  lBoxes = lBoxes | QVTFddMathRegion(CATMathBox2D(2, 7, 30, 48), 0.00001, nullptr, nullptr);
  QVTFdd2DBackgroundGP* lRegion = new QVTFdd2DBackgroundGP(lBoxes, 0);
  QVTFdd2DBackgroundGP* lBlue = new QVTFdd2DBackgroundGP(CATMathPoint2D(10, 10), CATMathPoint2D(50, 40), 0);
  QVTFdd2DBackgroundGP* lRed = new QVTFdd2DBackgroundGP(CATMathPoint2D(70, 45), CATMathPoint2D(30, 20), 0);
  QVTFdd2DBackgroundGP* lPickingOnly = new QVTFdd2DBackgroundGP(CATMathPoint2D(0, 0), CATMathPoint2D(80, 50), 1);
  CATGraphicAttributeSet lGrey, lBlueSet, lRedSet;
  lGrey.SetColor(90, 90, 90);
  lBlueSet.SetColor(40, 110, 200, 150);
  lRedSet.SetColor(220, 60, 40, 150);
  PrimitiveRep* lReps[] = {new PrimitiveRep(lRegion, lGrey), new PrimitiveRep(lBlue, lBlueSet),
                           new PrimitiveRep(lRed, lRedSet), new PrimitiveRep(lPickingOnly, lRedSet)};
  for (PrimitiveRep* lRep : lReps) {
    lViewer.AddRep(lRep);
    lRep->Release();
  }
  std::string lPath = TestOutputPath("QVTFdd2DBackgroundGP.png");
  {
    CairoRender lRender(160, 100, CairoRender::PNG, lPath);
    lViewer.Draw(lRender);
    ASSERT_EQ(lRender.Finish(), S_OK);
  }
  lViewer.Clear();
  for (QVTFdd2DBackgroundGP* lGP : {lRegion, lBlue, lRed, lPickingOnly}) {
    EXPECT_EQ(lGP->GetRefCount(), 1u);  // every reference taken by the scene was given back
    lGP->Destroy();
  }
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFdd2DBackgroundGP.png", 2.0, 20);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}
