#include <gtest/gtest.h>

#include <sstream>

#include "CAT2DLineGP.h"
#include "CAT2DPolygonGP.h"
#include "CAT3DAnnotationTextGP.h"
#include "CAT3DLineGP.h"
#include "CATDynamicGP.h"
#include "CATPickingRender.h"
#include "CATPixelImage.h"
#include "CATRep.h"
#include "CATViewer.h"
#include "RecordingRender.h"

namespace {

// Records the viewpoint and viewport it is called back with.
struct ProbeGP : CATDynamicGP {
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override {
    seenViewpoint = iViewpoint;
    seenViewport = iViewport;
    const float lPoints[4] = {0, 0, 1, 1};
    iRender.ImmediateDraw2DLine(lPoints, 2, 0, 1);
  }
  const CATViewpoint* seenViewpoint = nullptr;
  const CATViewport* seenViewport = nullptr;
};

struct ProbeRep : CATRep {
  void DrawShading(CATRender& iRender, int) override {
    const float lPoint[2] = {5, 5};
    iRender.ImmediateDraw2DMarker(lPoint, 1, CATSymbolCross);
  }
};

}  // namespace

TEST(RecordingRender, TypedDrawsReachTheImmediateOperations) {
  RecordingRender lRender(200, 100);
  CATMathPoint2Df lPoints[3] = {{0, 0}, {10, 5}, {20, 0}};
  CAT2DLineGP* lLine = new CAT2DLineGP(lPoints, 2, 1, 0);
  CAT2DPolygonGP* lPolygon = new CAT2DPolygonGP(lPoints, 3);
  const float lCoords[6] = {0, 0, 0, 1, 2, 3};
  CAT3DLineGP* lLine3D = new CAT3DLineGP(lCoords, 2, 1, 0);
  CAT3DAnnotationTextGP* lText = new CAT3DAnnotationTextGP(CATMathPointf(1, 2, 3), "5", CATAnchorCenter, 0.0f, 0);
  lLine->Draw(lRender);
  lPolygon->Draw(lRender);
  lLine3D->Draw(lRender);
  lText->Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 4u);
  EXPECT_EQ(lRender.Calls()[0], (RecordedCall{"ImmediateDraw2DLine", {0, 0, 10, 5}, {2, 1, 0}, ""}));
  EXPECT_EQ(lRender.Calls()[1], (RecordedCall{"ImmediateDraw2DPolygon", {0, 0, 10, 5, 20, 0}, {3, 1, 0, 0, 0, 0, 0}, ""}));
  EXPECT_EQ(lRender.Calls()[2], (RecordedCall{"ImmediateDraw3DLine", {0, 0, 0, 1, 2, 3}, {2, 1, 0}, ""}));
  EXPECT_EQ(lRender.Calls()[3], (RecordedCall{"ImmediateDraw3DAnnotationText", {1, 2, 3, 0}, {CATAnchorCenter, 0}, "5"}));
  std::ostringstream lText2;
  lText2 << lRender.Calls()[0];
  EXPECT_EQ(lText2.str(), "ImmediateDraw2DLine(floats=[0, 0, 10, 5], ints=[2, 1, 0])");
  lLine->Destroy();
  lPolygon->Destroy();
  lLine3D->Destroy();
  lText->Destroy();
}

TEST(RecordingRender, KeepsAttributesAndImages) {
  RecordingRender lRender;
  CATGraphicAttributeSet lSet;
  lSet.SetColor(10, 20, 30, 40);
  lSet.SetThickness(3);
  lRender.SetCurrentAttribute(lSet);
  EXPECT_EQ(lRender.GetCurrentAttribute(), lSet);
  CATPixelImage lImage(3, 2, 3);
  lImage.GetPixelsToModify()[0] = 255;
  const float lAt[2] = {1.5f, 2.5f};
  lRender.ImmediateDraw2DImagePixel(lAt, &lImage, 1, 0, 0);
  ASSERT_EQ(lRender.Calls().size(), 2u);
  EXPECT_EQ(lRender.Calls()[0].Ints, (std::vector<long long>{3 << 18, 10, 20, 30, 40}));
  const RecordedCall lCall = lRender.Calls()[1];
  EXPECT_EQ(lCall.Floats, (std::vector<float>{1.5f, 2.5f}));
  EXPECT_EQ(std::vector<long long>(lCall.Ints.begin(), lCall.Ints.begin() + 5), (std::vector<long long>{3, 2, 1, 0, 0}));
  // A different image content changes the checksum.
  lImage.GetPixelsToModify()[1] = 1;
  lRender.ImmediateDraw2DImagePixel(lAt, &lImage, 1, 0, 0);
  EXPECT_NE(lRender.Calls()[2].Ints[5], lCall.Ints[5]);
}

TEST(CATViewer, DrawsItemsInOrderThroughItsViewpointAndHoldsReferences) {
  CATViewer lViewer(320, 200);
  ProbeRep* lRep = new ProbeRep;
  ProbeGP* lGP = new ProbeGP;
  lViewer.AddRep(lRep);
  lViewer.AddPrimitive(lGP);
  EXPECT_EQ(lRep->GetRefCount(), 2u);
  EXPECT_EQ(lGP->GetRefCount(), 2u);

  RecordingRender lRender(10, 10);
  lViewer.Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 2u);
  EXPECT_EQ(lRender.Calls()[0].Op, "ImmediateDraw2DMarker");
  EXPECT_EQ(lRender.Calls()[1].Op, "ImmediateDraw2DLine");
  EXPECT_EQ(lGP->seenViewpoint, &lViewer.Get2DViewpoint());
  EXPECT_EQ(lGP->seenViewport, &lViewer.GetViewport());
  float p1, p2, p3, p4;
  lRender.GetViewportParameters(p1, p2, p3, p4);
  EXPECT_EQ(p1, 320.0f);
  EXPECT_EQ(p2, 200.0f);
  EXPECT_EQ(p3, 1.0f);
  EXPECT_EQ(p4, 1.0f);
  EXPECT_EQ(lViewer.Get2DViewpoint().GetViewer(), &lViewer);
  EXPECT_EQ(lViewer.GetMMInSupportUnit(), 1.0f);

  lViewer.Clear();
  EXPECT_EQ(lRep->GetRefCount(), 1u);
  EXPECT_EQ(lGP->GetRefCount(), 1u);
  lRep->Release();
  lGP->Release();
}

TEST(CATViewer, FitBoxShowsTheWholeBoxCentred) {
  CATViewer lViewer(400, 200);
  lViewer.FitBox(0, 100, 0, 100);
  EXPECT_DOUBLE_EQ(lViewer.Get2DViewpoint().GetZoom(), 2.0);
  EXPECT_EQ(lViewer.Get2DViewpoint().GetCenter(), CATMathPoint2D(50, 50));
  lViewer.FitBox(0, 0, 0, 100);  // degenerate: unchanged
  EXPECT_DOUBLE_EQ(lViewer.Get2DViewpoint().GetZoom(), 2.0);
}

TEST(CATPickingRender, AnswersItsKindAndStillRecords) {
  CATPickingRender lPicking;
  RecordingRender lPlain;
  EXPECT_TRUE(lPicking.IsAKindOf("CATPickingRender"));
  EXPECT_TRUE(lPicking.IsAKindOf("CATRender"));
  EXPECT_FALSE(lPlain.IsAKindOf("CATPickingRender"));
  EXPECT_TRUE(lPlain.IsAKindOf("CATRender"));
  const float lPoint[2] = {1, 1};
  lPicking.ImmediateDraw2DMarker(lPoint, 1, CATSymbolDot);
  EXPECT_EQ(lPicking.CountOf("ImmediateDraw2DMarker"), 1u);
}
