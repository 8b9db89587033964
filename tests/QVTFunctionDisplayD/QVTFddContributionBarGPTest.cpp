#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ColorScaleAxis.h"
#include "ImageCompare.h"
#include "MemoryDoubleVector.h"
#include "QVTFddContributionAlgoLineair.h"
#include "QVTFddContributionBarGP.h"
#include "QVTFddContributionBarRep.h"
#include "QVTFddTestImageScene.h"
#include "QVTFddTestRelease.h"
#include "QVTFddTestRepsPng.h"
#include "RecordingRender.h"

namespace {

typedef QVTFddContributionAlgoLineair Algo;

// Grey axis over [0, 255] that counts its colour lookups (one per strip pixel computed) and can
// call back into the primitive while a bitmap is computed.
class CountingAxis : public ColorScaleAxis {
 public:
  CountingAxis() : ColorScaleAxis(0.0, 255.0, ColorScaleAxis::Grey) {}
  void GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) override {
    ++Calls;
    if (OnColor) OnColor();
    ColorScaleAxis::GetColor(iValue, iShift, oRed, oGreen, oBlue);
  }
  int Calls = 0;
  std::function<void()> OnColor;
};

// A bar over the model box (0, 0)-(400, 100) of two samples (0, 0) and (100, 100), seen through
// a viewpoint centred on the origin: at zoom z the bar is 400 z by 100 z pixels.
struct Scene : QVTFddTestImageScene<QVTFddContributionBarGP> {
  Scene(Algo::eBarDirection iDirection = Algo::HorizontalBar)
      : Args(new MemoryDoubleVector({0.0, 100.0})),
        Res(new MemoryDoubleVector({0.0, 100.0})),
        Axis(new CountingAxis()) {
    GP = new QVTFddContributionBarGP(CATMathBox2D(0, 400, 0, 100), iDirection, Args, 0.0, 100.0, Res, Axis);
  }
  ~Scene() {
    if (GP) GP->Destroy();
    ExpectLastAndRelease({Args, Res, Axis});
  }
  MemoryDoubleVector* Args;
  MemoryDoubleVector* Res;
  CountingAxis* Axis;
};

// The value a freshly made algorithm of the given size answers.
double AlgorithmValue(Scene& iScene, int iWidth, int iHeight, double iArgument) {
  Algo lAlgo(iScene.Args, 0.0, 100.0, 1, iScene.Res, iWidth, iHeight, iScene.Axis, Algo::HorizontalBar);
  double lValue = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(lAlgo.GetValue(iArgument, lValue), S_OK);
  return lValue;
}

}  // namespace

TEST(QVTFddContributionBarGP, DrawsItsBitmapAtTheLowCorner) {
  Scene s;
  std::vector<RecordedCall> lCalls = s.Draw(1.0);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Floats, (std::vector<float>{0, 0}));
  ASSERT_EQ(lCalls[0].Ints.size(), 6u);
  EXPECT_EQ(lCalls[0].Ints[0], 400);  // width
  EXPECT_EQ(lCalls[0].Ints[1], 100);  // height
  EXPECT_EQ(lCalls[0].Ints[2], 1);    // one image pixel per device pixel
  EXPECT_EQ(lCalls[0].Ints[3], 0);
  EXPECT_EQ(lCalls[0].Ints[4], 0);
  EXPECT_EQ(s.Axis->Calls, 400);  // one strip computed, the rows copied
  EXPECT_EQ(s.Render.Calls().size(), 1u);
}

TEST(QVTFddContributionBarGP, CacheComputesRescalesDropsAndRecomputes) {
  Scene s;
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, lValue), E_FAIL);  // nothing drawn yet

  std::vector<RecordedCall> lCalls = s.Draw(1.0);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(s.Axis->Calls, 400);
  const long long lChecksum = lCalls[0].Ints[5];

  // The same size: the same bitmap, not computed again.
  lCalls = s.Draw(1.0);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Ints[5], lChecksum);
  EXPECT_EQ(s.Axis->Calls, 400);

  // The diagonal grows by 10 %: the cached bitmap is rescaled.
  lCalls = s.Draw(1.1);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Ints[0], 440);
  EXPECT_EQ(lCalls[0].Ints[1], 110);
  EXPECT_EQ(s.Axis->Calls, 400);
  // GetValue answers at the resolution shown, not at the one computed.
  ASSERT_EQ(s.GP->GetValue(50.0, lValue), S_OK);
  EXPECT_DOUBLE_EQ(lValue, AlgorithmValue(s, 440, 110, 50.0));
  EXPECT_NE(lValue, AlgorithmValue(s, 400, 100, 50.0));

  // 26.5 % in all against the size computed: recomputed.
  lCalls = s.Draw(1.265);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Ints[0], 506);
  EXPECT_EQ(lCalls[0].Ints[1], 126);
  EXPECT_EQ(s.Axis->Calls, 400 + 506);
  ASSERT_EQ(s.GP->GetValue(50.0, lValue), S_OK);
  EXPECT_DOUBLE_EQ(lValue, AlgorithmValue(s, 506, 126, 50.0));

  // Exactly 2000 pixels wide: not drawn, the bitmap is dropped.
  EXPECT_TRUE(s.Draw(5.0).empty());
  EXPECT_EQ(s.GP->GetValue(50.0, lValue), E_FAIL);
  EXPECT_EQ(s.Axis->Calls, 400 + 506);

  // Back to 1999: computed afresh.
  lCalls = s.Draw(4.9975);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Ints[0], 1999);
  EXPECT_EQ(lCalls[0].Ints[1], 499);
  EXPECT_EQ(s.Axis->Calls, 400 + 506 + 1999);
}

TEST(QVTFddContributionBarGP, RescalesAreMeasuredAgainstTheComputedSize) {
  // Zooms out and in within 20 % of the computed diagonal rescale the first bitmap; a last
  // step of 10 % that makes 21 % against it recomputes.
  Scene s(Algo::VerticalBar);
  s.Draw(1.0);
  EXPECT_EQ(s.Axis->Calls, 100);  // a vertical bar computes one column
  s.Draw(0.9);
  EXPECT_EQ(s.Axis->Calls, 100);
  s.Draw(1.1);
  EXPECT_EQ(s.Axis->Calls, 100);
  std::vector<RecordedCall> lCalls = s.Draw(1.21);
  EXPECT_EQ(s.Axis->Calls, 100 + 121);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Ints[0], 484);
  EXPECT_EQ(lCalls[0].Ints[1], 121);
}

TEST(QVTFddContributionBarGP, NothingDrawnWithoutAUsableViewpointOrInFurtivePasses) {
  Scene s;
  s.Render.SetFurtive(1);
  EXPECT_TRUE(s.Draw(1.0).empty());
  s.Render.SetFurtive(0);
  s.GP->ImmediateDraw(s.Render, nullptr, nullptr);
  CATViewpoint lNot2D;
  s.GP->ImmediateDraw(s.Render, &lNot2D, nullptr);
  EXPECT_TRUE(s.Render.Calls().empty());
  EXPECT_EQ(s.Axis->Calls, 0);
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, lValue), E_FAIL);

  // A huge or non-finite pixel extent counts as the 2000-pixel limit.
  for (double lZoom : {1e30, 1e300}) EXPECT_TRUE(s.Draw(lZoom).empty()) << lZoom;
  EXPECT_EQ(s.Axis->Calls, 0);
}

TEST(QVTFddContributionBarGP, NonFiniteBoxesAreNotDrawn) {
  MemoryDoubleVector* lArgs = new MemoryDoubleVector({0.0, 1.0});
  ColorScaleAxis* lAxis = new ColorScaleAxis(0, 1);
  const double lInf = std::numeric_limits<double>::infinity(), lNaN = std::numeric_limits<double>::quiet_NaN();
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  RecordingRender lRender;
  lRender.SetViewpoint(&lViewpoint, nullptr);
  for (const CATMathBox2D& lBox : {CATMathBox2D(0, lInf, 0, 10), CATMathBox2D(-lInf, 0, 0, 10),
                                   CATMathBox2D(0, 10, lNaN, 10), CATMathBox2D(-1e300, 1e300, 0, 10)}) {
    QVTFddContributionBarGP* lGP =
        new QVTFddContributionBarGP(lBox, Algo::HorizontalBar, lArgs, 0.0, 1.0, lArgs, lAxis);
    lGP->Draw(lRender);
    lGP->Destroy();
  }
  EXPECT_TRUE(lRender.Calls().empty());
  EXPECT_EQ(lArgs->GetRefCount(), 1u);
  EXPECT_EQ(lAxis->GetRefCount(), 1u);
  lArgs->Release();
  lAxis->Release();
}

TEST(QVTFddContributionBarGP, BusyDuringADraw) {
  Scene s;
  long lValueDuringDraw = S_OK;
  size_t lCallsDuringDraw = 0;
  s.Axis->OnColor = [&]() {
    double lValue = 0.0;
    lValueDuringDraw = s.GP->GetValue(50.0, lValue);
    s.GP->Draw(s.Render);  // entered again: returns at once
    lCallsDuringDraw += s.Render.Calls().size();
  };
  EXPECT_EQ(s.Draw(1.0).size(), 1u);
  EXPECT_EQ(lValueDuringDraw, E_FAIL);
  EXPECT_EQ(lCallsDuringDraw, 0u);
  EXPECT_EQ(s.Axis->Calls, 400);
  s.Axis->OnColor = nullptr;
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, lValue), S_OK);
}

TEST(QVTFddContributionBarGP, CopiesAreDetachedAndReferencesBalanced) {
  Scene s;
  s.Draw(1.0);
  EXPECT_EQ(s.Args->GetRefCount(), 3u);  // the primitive and its algorithm
  {
    QVTFddContributionBarGP lCopy(*s.GP);
    EXPECT_EQ(s.Args->GetRefCount(), 3u);
    EXPECT_TRUE(s.DrawOther(lCopy).empty());
    double lValue = 0.0;
    EXPECT_EQ(lCopy.GetValue(50.0, lValue), E_FAIL);
  }

  // An assigned primitive gives its references back and draws nothing.
  MemoryDoubleVector* lOtherArgs = new MemoryDoubleVector({0.0, 5.0});
  QVTFddContributionBarGP* lOther =
      new QVTFddContributionBarGP(CATMathBox2D(0, 10, 0, 10), Algo::VerticalBar, lOtherArgs, 0, 5, lOtherArgs, s.Axis);
  EXPECT_EQ(lOtherArgs->GetRefCount(), 3u);
  *lOther = *s.GP;
  EXPECT_EQ(lOtherArgs->GetRefCount(), 1u);
  EXPECT_TRUE(s.DrawOther(*lOther).empty());
  EXPECT_EQ(lOther->GetRefCount(), 1u);
  lOther->Destroy();
  lOtherArgs->Release();

  // The original still draws from its cache.
  EXPECT_EQ(s.Draw(1.0).size(), 1u);
  EXPECT_EQ(s.Axis->Calls, 400);
}

TEST(QVTFddContributionBarGP, MatchesItsGoldenImage) {
  // A horizontal bar of many samples with narrow peaks, a vertical bar of few samples
  // (interpolated) and a horizontal bar whose range reaches beyond its data (transparent ends)
  // over a grey background.
  std::vector<double> lArgs(4000), lRes(4000);
  for (size_t i = 0; i < lArgs.size(); ++i) {
    lArgs[i] = static_cast<double>(i);
    lRes[i] = 0.5 + 0.4 * std::sin(0.004 * static_cast<double>(i));
  }
  lRes[1000] = 1.0;  // single-sample peaks
  lRes[2500] = 0.0;
  lRes[3001] = 1.0;
  MemoryDoubleVector* lManyArgs = new MemoryDoubleVector(lArgs);
  MemoryDoubleVector* lManyRes = new MemoryDoubleVector(lRes);
  MemoryDoubleVector* lFewArgs = new MemoryDoubleVector({0, 1, 2, 3, 4});
  MemoryDoubleVector* lFewRes = new MemoryDoubleVector({0, 1, 0.2, 0.8, 0.5});
  ColorScaleAxis* lViridis = new ColorScaleAxis(0, 1, ColorScaleAxis::Viridis);
  ColorScaleAxis* lRainbow = new ColorScaleAxis(0, 1, ColorScaleAxis::Rainbow);
  const std::vector<CATRep*> lReps = {
      new QVTFddContributionBarRep(CATMathBox2D(10, 150, 70, 90), Algo::HorizontalBar, lManyArgs, 0, 3999, lManyRes,
                                   lViridis),
      new QVTFddContributionBarRep(CATMathBox2D(10, 30, 5, 60), Algo::VerticalBar, lFewArgs, 0, 4, lFewRes, lRainbow),
      new QVTFddContributionBarRep(CATMathBox2D(40, 150, 30, 50), Algo::HorizontalBar, lFewArgs, -2, 6, lFewRes,
                                   lViridis),
  };
  const std::string lPath = TestOutputPath("QVTFddContributionBarGP.png");
  ASSERT_EQ(DrawRepsToPng(lReps, lPath), S_OK);
  ExpectLastAndRelease({lManyArgs, lManyRes, lFewArgs, lFewRes, lViridis, lRainbow});
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFddContributionBarGP.png", 2.0, 20);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}
