// Axis GP: draws one list of its drawing, holding the drawing alive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CATFont.h"
#include "CairoRender.h"
#include "ColourAttribute.h"
#include "ImageCompare.h"
#include "LinearTicks.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFddTestTicks.h"
#include "RecordingRender.h"

namespace {

QVTFdd2DAxisDrawing* NewDrawing(CATFont* iFont, QVTIFddTicks* iTicks, const CATMathPoint2D& iStart,
                                const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection, float iHeight,
                                int iNbrSPS, int iActive, QVTIFddTicks* iMinor = nullptr, const char* iLabel = "") {
  CATUnicodeString lMin[3] = {"lo0", "lo1", "lo2"}, lMax[3] = {"hi0", "hi1", "hi2"};
  return new QVTFdd2DAxisDrawing(iStart, iEnd, iDirection, iHeight, iFont, lMin, lMax, iNbrSPS, iActive, 0,
                                 QVTFdd2DAxisDrawing::eOutside, iTicks, iMinor, nullptr, iLabel, "", 1,
                                 CATListValCATUnicodeString());
}

}  // namespace

TEST(QVTFdd2DAxisGP, DrawsItsListFromTheHeadAndHoldsTheDrawing) {
  CATFont* lFont = CATFont::CreateFixedMetric();
  ASSERT_NE(lFont, nullptr);
  QVTFddTestTicks* lTicks = new QVTFddTestTicks;
  ASSERT_NE(lTicks, nullptr);
  lTicks->Levels = {{0, 50, 100}};
  QVTFdd2DAxisDrawing* lDrawing =
      NewDrawing(lFont, lTicks, CATMathPoint2D(0, 0), CATMathPoint2D(100, 0), CATMathDirection2D(0, -1), 2.0f, 2, 0);
  ASSERT_NE(lDrawing, nullptr);
  QVTFdd2DAxisGP* lGP = new QVTFdd2DAxisGP(lDrawing, 0);
  ASSERT_NE(lGP, nullptr);
  EXPECT_EQ(lDrawing->GetRefCount(), 2u);
  lDrawing->Release();  // the GP keeps it alive

  RecordingRender lRender;
  lGP->Draw(lRender);
  // From the head: the empty labels' texts, the value texts and marks from the last tick back,
  // then the axis line last.
  const std::vector<RecordedCall>& lCalls = lRender.Calls();
  ASSERT_EQ(lCalls.size(), 2u + 6u + 1u);
  EXPECT_EQ(lCalls[0].Op, "ImmediateDraw2DGeomText");
  EXPECT_EQ(lCalls[2].Text, "100");
  EXPECT_EQ(lCalls[3], (RecordedCall{"ImmediateDraw2DLine", {100, 0, 100, -5}, {2, 1, 0}, ""}));
  EXPECT_EQ(lCalls.back(), (RecordedCall{"ImmediateDraw2DLine", {0, 0, 100, 0}, {2, 1, 0}, ""}));
  // Drawn again, the same calls: the list is kept.
  RecordingRender lAgain;
  lGP->Draw(lAgain);
  EXPECT_EQ(lAgain.Calls(), lCalls);
  EXPECT_EQ(lTicks->ScalingRequests, 1);

  // The other SPS has nothing to show (its limits are hidden); an index outside draws nothing.
  QVTFdd2DAxisGP* lOther = new QVTFdd2DAxisGP(lDrawing, 1);
  QVTFdd2DAxisGP* lOutside = new QVTFdd2DAxisGP(lDrawing, 7);
  ASSERT_NE(lOther, nullptr);
  ASSERT_NE(lOutside, nullptr);
  RecordingRender lNone;
  lOther->Draw(lNone);
  lOutside->Draw(lNone);
  EXPECT_TRUE(lNone.Calls().empty());
  lOther->Destroy();
  lOutside->Destroy();

  lGP->Destroy();
  EXPECT_EQ(lTicks->GetRefCount(), 1u);
  lTicks->Release();
  lFont->Release();
}

TEST(QVTFdd2DAxisGP, NullDrawingDrawsNothing) {
  QVTFdd2DAxisGP* lGP = new QVTFdd2DAxisGP(nullptr, 0);
  ASSERT_NE(lGP, nullptr);
  RecordingRender lRender;
  lGP->Draw(lRender);
  EXPECT_TRUE(lRender.Calls().empty());
  EXPECT_STREQ(lGP->IsA(), "QVTFdd2DAxisGP");
  lGP->Destroy();
}

TEST(QVTFdd2DAxisGPDrawn, PlotAxesMatchTheGolden) {
  // A bottom and a left axis in pixels, ticks and minor ticks of the ready-made linear source.
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  LinearTicks* lX = new LinearTicks(0, 1, LinearTicks::eMajor);
  LinearTicks* lXMinor = new LinearTicks(0, 1, LinearTicks::eMinor);
  LinearTicks* lY = new LinearTicks(-40, 80, LinearTicks::eMajor);
  LinearTicks* lYMinor = new LinearTicks(-40, 80, LinearTicks::eMinor);
  ASSERT_TRUE(lX && lXMinor && lY && lYMinor);
  lX->SetTickLength(5);
  lY->SetTickLength(5);
  QVTFdd2DAxisDrawing* lBottom = NewDrawing(lFont, lX, CATMathPoint2D(50, 40), CATMathPoint2D(230, 40),
                                            CATMathDirection2D(0, -1), 11.0f, 1, 0, lXMinor, "Time [s]");
  QVTFdd2DAxisDrawing* lLeft = NewDrawing(lFont, lY, CATMathPoint2D(50, 40), CATMathPoint2D(50, 170),
                                          CATMathDirection2D(-1, 0), 11.0f, 1, 0, lYMinor, "Level [dB]");
  ASSERT_TRUE(lBottom && lLeft);
  QVTFdd2DAxisGP* lGPs[2] = {new QVTFdd2DAxisGP(lBottom, 0), new QVTFdd2DAxisGP(lLeft, 0)};
  lBottom->Release();
  lLeft->Release();
  lX->Release();
  lXMinor->Release();
  lY->Release();
  lYMinor->Release();

  const std::string lPath = TestOutputPath("QVTFdd2DAxisGP.png");
  {
    CairoRender lRender(240, 180, CairoRender::PNG, lPath);
    ASSERT_TRUE(lRender.IsValid());
    lRender.SetCurrentAttribute(Colour(50, 50, 50));
    for (QVTFdd2DAxisGP* lGP : lGPs) {
      ASSERT_NE(lGP, nullptr);
      lGP->Draw(lRender);
    }
    ASSERT_EQ(lRender.Finish(), S_OK);
  }
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFdd2DAxisGP.png", 2.0, 40);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
  for (QVTFdd2DAxisGP* lGP : lGPs) lGP->Destroy();
  lFont->Release();
}
