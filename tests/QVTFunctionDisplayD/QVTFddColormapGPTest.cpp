#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATMetaClass.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ColorScaleAxis.h"
#include "ImageCompare.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTFddColormapGP.h"
#include "QVTFddColormapRep.h"
#include "QVTFddColormapTestAxis.h"
#include "QVTFddTestImageScene.h"
#include "QVTFddTestRelease.h"
#include "QVTFddTestRepsPng.h"
#include "QVTIFddScaling.h"
#include "RecordingRender.h"

namespace {

typedef QVTFddColormapTestAxis TestAxis;
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class IdentityScaling : public QVTIFddScaling {
 public:
  double Convert(double iValue) override { return iValue; }
};

// A map over the model box (0, 0)-(400, 300) [or a given box] of 2 x 2 samples at 0 and 100 whose
// value is the X position (0 to 100), seen through a viewpoint centred on the origin: at zoom z
// the map is 400 z by 300 z pixels. The axis counts one lookup per pixel computed.
struct Scene : QVTFddTestImageScene<QVTFddColormapGP> {
  explicit Scene(const CATMathBox2D& iBox = CATMathBox2D(0, 400, 0, 300), int iOrder = 0)
      : X(new MemoryDoubleVector({0.0, 100.0})),
        Z(new MemoryDoubleVector({0.0, 100.0})),
        V(new MemoryDoubleMatrix(2, 2, {0.0, 0.0, 100.0, 100.0})),
        Axis(new TestAxis()),
        XScaling(new IdentityScaling()),
        ZScaling(new IdentityScaling()) {
    GP = new QVTFddColormapGP(iBox, X, 0.0, 100.0, 1, Z, 0.0, 100.0, 1, V, Axis, XScaling, ZScaling, iOrder, 0.02);
  }
  ~Scene() {
    if (GP) GP->Destroy();
    ExpectLastAndRelease({X, Z, V, Axis, XScaling, ZScaling});
  }
  // The value a fresh algorithm of the given size gives at (iX, iZ).
  double AlgorithmValue(int iWidth, int iHeight, double iX, double iZ) {
    QVTFddColormapAlgoLineair lAlgo(X, 0.0, 100.0, 1, Z, 0.0, 100.0, 1, V, iWidth, iHeight, Axis);
    double lValue = kNaN;
    EXPECT_EQ(lAlgo.GetValue(iX, iZ, lValue), S_OK);
    return lValue;
  }

  MemoryDoubleVector* X;
  MemoryDoubleVector* Z;
  MemoryDoubleMatrix* V;
  TestAxis* Axis;
  IdentityScaling* XScaling;
  IdentityScaling* ZScaling;
};

// A primitive that cannot show its data draws nothing into iRender and answers no value at
// (iX, iZ); it is then destroyed.
void ExpectShowsNothingAndDestroy(QVTFddColormapGP* iGP, RecordingRender& iRender, double iX, double iZ) {
  iGP->Draw(iRender);
  double lValue = 0.0;
  EXPECT_EQ(iGP->GetValue(iX, iZ, lValue), E_FAIL);
  iGP->Destroy();
}

void ExpectSize(const std::vector<RecordedCall>& iCalls, long long iWidth, long long iHeight) {
  ASSERT_EQ(iCalls.size(), 1u);
  ASSERT_EQ(iCalls[0].Ints.size(), 6u);
  EXPECT_EQ(iCalls[0].Ints[0], iWidth);
  EXPECT_EQ(iCalls[0].Ints[1], iHeight);
}

}  // namespace

TEST(QVTFddColormapGP, Registration) {
  QVTFddColormapRep lRep;
  EXPECT_STREQ(lRep.IsA(), "QVTFddColormapRep");
  EXPECT_EQ(QVTFddColormapGP::CreateItself(), nullptr);
  EXPECT_STREQ(QVTFddColormapGP::ClassName(), "QVTFddColormapGP");
}

TEST(QVTFddColormapGP, DrawsItsImageAtTheLowCornerOnce) {
  Scene s(CATMathBox2D(-20, 380, 10, 310));
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), E_FAIL);  // nothing drawn yet
  std::vector<RecordedCall> lCalls = s.Draw(1.0);
  ExpectSize(lCalls, 400, 300);
  EXPECT_EQ(lCalls[0].Floats, (std::vector<float>{-20, 10}));
  EXPECT_EQ(lCalls[0].Ints[2], 1);  // one image pixel per device pixel
  EXPECT_EQ(lCalls[0].Ints[3], 0);
  EXPECT_EQ(lCalls[0].Ints[4], 0);
  EXPECT_EQ(s.Axis->Calls, 400 * 300);
  EXPECT_EQ(s.Render.Calls().size(), 1u);

  // The same size again: drawn from the cache.
  const long long lChecksum = lCalls[0].Ints[5];
  lCalls = s.Draw(1.0);
  ExpectSize(lCalls, 400, 300);
  EXPECT_EQ(lCalls[0].Ints[5], lChecksum);
  EXPECT_EQ(s.Axis->Calls, 400 * 300);
}

TEST(QVTFddColormapGP, CacheZoomsRecomputesAndDrops) {
  Scene s;
  s.Draw(1.0);
  const int lComputed = 400 * 300;
  ASSERT_EQ(s.Axis->Calls, lComputed);
  double lValue = 0.0;

  // 400 x 300 -> 420 x 315: the diagonal grows by 5 %, the image is zoomed.
  ExpectSize(s.Draw(1.05), 420, 315);
  EXPECT_EQ(s.Axis->Calls, lComputed);
  // Values are answered on the grid shown, by an algorithm of the zoomed size.
  ASSERT_EQ(s.GP->GetValue(50.0, 20.0, lValue), S_OK);
  EXPECT_EQ(lValue, s.AlgorithmValue(420, 315, 50.0, 20.0));
  EXPECT_NE(lValue, s.AlgorithmValue(400, 300, 50.0, 20.0));

  // -> 600 x 450: 50 % against the computed 500, computed afresh.
  ExpectSize(s.Draw(1.5), 600, 450);
  EXPECT_EQ(s.Axis->Calls, lComputed + 600 * 450);
  ASSERT_EQ(s.GP->GetValue(50.0, 20.0, lValue), S_OK);
  EXPECT_EQ(lValue, s.AlgorithmValue(600, 450, 50.0, 20.0));
}

TEST(QVTFddColormapGP, SmallStepsAreMeasuredAgainstTheComputedSize) {
  Scene s;
  s.Draw(1.0);
  ExpectSize(s.Draw(1.1), 440, 330);   // 10 %
  ExpectSize(s.Draw(1.15), 460, 345);  // 15 % against 500, not 5 % against 550
  EXPECT_EQ(s.Axis->Calls, 400 * 300);
  ExpectSize(s.Draw(0.85), 340, 255);  // -15 %
  EXPECT_EQ(s.Axis->Calls, 400 * 300);
  ExpectSize(s.Draw(1.1975), 479, 359);  // 19.7 %: still zoomed
  EXPECT_EQ(s.Axis->Calls, 400 * 300);
  ExpectSize(s.Draw(1.2), 480, 360);  // exactly 20 %: computed
  EXPECT_EQ(s.Axis->Calls, 400 * 300 + 480 * 360);
  ExpectSize(s.Draw(0.96), 384, 288);  // exactly -20 % against 600: computed again
  EXPECT_EQ(s.Axis->Calls, 400 * 300 + 480 * 360 + 384 * 288);
}

TEST(QVTFddColormapGP, TwoThousandPixelsDropTheImage) {
  Scene s(CATMathBox2D(0, 400, 0, 30));
  ExpectSize(s.Draw(4.5), 1800, 135);
  const int lComputed = 1800 * 135;
  // 2000 pixels wide (within 20 % of the computed size): not drawn, the image dropped.
  EXPECT_TRUE(s.Draw(5.0).empty());
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), E_FAIL);
  EXPECT_EQ(s.Axis->Calls, lComputed);
  // Back to 1999: computed anew.
  ExpectSize(s.Draw(4.9975), 1999, 149);
  EXPECT_EQ(s.Axis->Calls, lComputed + 1999 * 149);
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), S_OK);
}

TEST(QVTFddColormapGP, HugeOrNonFiniteExtentsCountAsTooLarge) {
  Scene s;
  for (double lZoom : {1e30, 1e300}) EXPECT_TRUE(s.Draw(lZoom).empty()) << lZoom;
  EXPECT_EQ(s.Axis->Calls, 0);

  TestAxis* lAxis = new TestAxis();
  RecordingRender lRender;
  lRender.SetViewpoint(&s.Viewpoint, nullptr);
  s.Viewpoint.SetZoom(1.0);
  for (const CATMathBox2D& lBox : {CATMathBox2D(0, kInf, 0, 10), CATMathBox2D(-kInf, 0, 0, 10),
                                   CATMathBox2D(0, 10, kNaN, 10), CATMathBox2D(-1e300, 1e300, 0, 10)}) {
    QVTFddColormapGP* lGP =
        new QVTFddColormapGP(lBox, s.X, 0.0, 100.0, 1, s.Z, 0.0, 100.0, 1, s.V, lAxis, nullptr, nullptr, 0, 0.0);
    ExpectShowsNothingAndDestroy(lGP, lRender, 50.0, 50.0);
  }
  EXPECT_TRUE(lRender.Calls().empty());
  EXPECT_EQ(lAxis->Calls, 0);
  EXPECT_EQ(lAxis->GetRefCount(), 1u);
  lAxis->Release();
}

TEST(QVTFddColormapGP, FurtiveRendersAndMissingViewpointsDrawNothing) {
  Scene s;
  s.Draw(1.0);
  s.Render.SetFurtive(1);
  EXPECT_TRUE(s.Draw(1.0).empty());
  EXPECT_TRUE(s.Draw(1.5).empty());  // a furtive pass does not touch the kept image
  s.Render.SetFurtive(0);
  std::vector<RecordedCall> lCalls = s.Draw(1.0);
  ExpectSize(lCalls, 400, 300);
  EXPECT_EQ(s.Axis->Calls, 400 * 300);

  s.Render.Clear();
  s.GP->ImmediateDraw(s.Render, nullptr, nullptr);
  CATViewpoint lNot2D;
  s.GP->ImmediateDraw(s.Render, &lNot2D, nullptr);
  EXPECT_TRUE(s.Render.Calls().empty());
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), S_OK);  // the kept image still answers
}

TEST(QVTFddColormapGP, BusyDuringADraw) {
  Scene s(CATMathBox2D(0, 40, 0, 30));
  long lValueDuringDraw = S_OK;
  size_t lCallsDuringDraw = 0;
  s.Axis->OnColor = [&]() {
    if (s.Axis->Calls > 1) return;
    double lValue = 0.0;
    lValueDuringDraw = s.GP->GetValue(50.0, 50.0, lValue);
    s.GP->Draw(s.Render);  // entered again: returns at once
    lCallsDuringDraw = s.Render.Calls().size();
  };
  ExpectSize(s.Draw(1.0), 40, 30);
  EXPECT_EQ(lValueDuringDraw, E_FAIL);
  EXPECT_EQ(lCallsDuringDraw, 0u);
  EXPECT_EQ(s.Axis->Calls, 40 * 30);
  s.Axis->OnColor = nullptr;
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), S_OK);
}

TEST(QVTFddColormapGP, CopiesDrawNothingAndAssignmentRecomputes) {
  Scene s(CATMathBox2D(0, 40, 0, 30));
  s.Draw(1.0);
  EXPECT_EQ(s.X->GetRefCount(), 3u);  // the primitive and its algorithm
  {
    QVTFddColormapGP lCopy(*s.GP);
    EXPECT_EQ(s.X->GetRefCount(), 3u);
    EXPECT_TRUE(s.DrawOther(lCopy).empty());
    double lValue = 0.0;
    EXPECT_EQ(lCopy.GetValue(50.0, 50.0, lValue), E_FAIL);
  }
  // Assigning only drops the kept image: the next draw computes it again from the same data.
  QVTFddColormapGP* lOther = new QVTFddColormapGP(*s.GP);
  *s.GP = *lOther;
  double lValue = 0.0;
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), E_FAIL);
  ExpectSize(s.Draw(1.0), 40, 30);
  EXPECT_EQ(s.Axis->Calls, 2 * 40 * 30);
  EXPECT_EQ(s.GP->GetValue(50.0, 50.0, lValue), S_OK);
  EXPECT_EQ(lOther->GetRefCount(), 1u);
  lOther->Destroy();
}

TEST(QVTFddColormapGP, MissingPiecesCreateNoAlgorithm) {
  MemoryDoubleVector* lX = new MemoryDoubleVector({0.0, 1.0});
  MemoryDoubleMatrix* lV = new MemoryDoubleMatrix(2, 2, {1, 2, 3, 4});
  MemoryDouble1p5D* lXRows = new MemoryDouble1p5D({{0.0, 1.0}, {0.0, 1.0}});
  MemoryDouble2DDim2NH* lRows = new MemoryDouble2DDim2NH({{1, 2}, {3, 4}});
  TestAxis* lAxis = new TestAxis();
  IdentityScaling* lScaling = new IdentityScaling();
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  RecordingRender lRender;
  lRender.SetViewpoint(&lViewpoint, nullptr);
  const CATMathBox2D lBox(0, 20, 0, 10);
  QVTFddColormapGP* lGPs[] = {
      new QVTFddColormapGP(lBox, lX, 0, 1, 1, lX, 0, 1, 1, lV, nullptr, nullptr, nullptr, 0, 0.0),  // no axis
      new QVTFddColormapGP(lBox, lX, 0, 1, 1, nullptr, 0, 1, 1, lV, lAxis, nullptr, nullptr, 0, 0.0),  // no Z
      new QVTFddColormapGP(lBox, static_cast<CATSamIDoubleVector*>(nullptr), 0, 1, 1, lX, 0, 1, 1, lV, lAxis,
                           nullptr, nullptr, 0, 0.0),  // no X
      new QVTFddColormapGP(lBox, lX, 0, 1, 1, lX, 0, 1, 1, static_cast<CATSamIDoubleMatrix*>(nullptr), lAxis,
                           nullptr, nullptr, 0, 0.0),  // no values
      new QVTFddColormapGP(lBox, static_cast<CATSamIDouble1p5D*>(nullptr), 0, 1, 1, lX, 0, 1, 1, lRows, lAxis,
                           lScaling, lScaling, 0, 0.0),  // no X rows
      new QVTFddColormapGP(lBox, lX, 0, 1, 1, lX, 0, 1, 1, lV, lAxis, lScaling, nullptr, 1, 0.02),  // order, no Z scaling
      new QVTFddColormapGP(lBox, lXRows, 0, 1, 1, lX, 0, 1, 1, lRows, lAxis, nullptr, lScaling, 1, 0.02),
  };
  for (QVTFddColormapGP* lGP : lGPs) ExpectShowsNothingAndDestroy(lGP, lRender, 0.5, 0.5);
  EXPECT_TRUE(lRender.Calls().empty());
  EXPECT_EQ(lAxis->Calls, 0);
  ExpectLastAndRelease({lX, lV, lXRows, lRows, lAxis, lScaling});
}

TEST(QVTFddColormapGP, OrderFlagDrawsWithOrderInterpolation) {
  // Samples on a coarse grid whose value is their order (X over Z): the order algorithm and the
  // linear one give different images; the primitive draws and answers with the order one.
  std::vector<double> lXs, lZs, lCells;
  for (int i = 0; i <= 10; ++i) lXs.push_back(10.0 * i);
  for (int k = 1; k <= 6; ++k) lZs.push_back(20.0 * k);
  for (double x : lXs)
    for (double z : lZs) lCells.push_back(x / z);
  MemoryDoubleVector* lX = new MemoryDoubleVector(lXs);
  MemoryDoubleVector* lZ = new MemoryDoubleVector(lZs);
  MemoryDoubleMatrix* lV = new MemoryDoubleMatrix(11, 6, lCells);
  std::vector<std::vector<double>> lXRows(6, lXs), lRows(6);
  for (int k = 0; k < 6; ++k)
    for (int i = 0; i <= 10; ++i) lRows[size_t(k)].push_back(lCells[size_t(i) * 6 + size_t(k)]);
  MemoryDouble1p5D* lXNonHom = new MemoryDouble1p5D(lXRows);
  MemoryDouble2DDim2NH* lVNonHom = new MemoryDouble2DDim2NH(lRows);
  TestAxis* lAxis = new TestAxis();
  IdentityScaling* lScaling = new IdentityScaling();
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  const int w = 50, h = 40;
  const CATMathBox2D lBox(0, w, 0, h);

  // The images and values of the algorithms themselves, as the render records them.
  RecordingRender lExpected;
  const float lOrigin[2] = {0, 0};
  double lOrderValue = kNaN, lLinearValue = kNaN;
  {
    QVTFddColormapAlgoOrderInterpol lOrder(lX, 0, 100, 1, lZ, 10, 120, 1, lV, w, h, lAxis, lScaling, lScaling, 0.05);
    CATPixelImage lImage = lOrder.MakeBitmap();
    lExpected.ImmediateDraw2DImagePixel(lOrigin, &lImage, 1, 0, 0);
    ASSERT_EQ(lOrder.GetValue(37.0, 61.0, lOrderValue), S_OK);
    QVTFddColormapAlgoLineair lLinear(lX, 0, 100, 1, lZ, 10, 120, 1, lV, w, h, lAxis);
    lImage = lLinear.MakeBitmap();
    lExpected.ImmediateDraw2DImagePixel(lOrigin, &lImage, 1, 0, 0);
    ASSERT_EQ(lLinear.GetValue(37.0, 61.0, lLinearValue), S_OK);
  }
  const long long lOrderSum = lExpected.Calls()[0].Ints[5], lLinearSum = lExpected.Calls()[1].Ints[5];
  ASSERT_NE(lOrderSum, lLinearSum);
  ASSERT_NE(lOrderValue, lLinearValue);

  for (int lNonHom = 0; lNonHom < 2; ++lNonHom) {
    QVTFddColormapGP* lGP =
        lNonHom ? new QVTFddColormapGP(lBox, lXNonHom, 0, 100, 1, lZ, 10, 120, 1, lVNonHom, lAxis, lScaling, lScaling,
                                       1, 0.05)
                : new QVTFddColormapGP(lBox, lX, 0, 100, 1, lZ, 10, 120, 1, lV, lAxis, lScaling, lScaling, 1, 0.05);
    RecordingRender lRender;
    lRender.SetViewpoint(&lViewpoint, nullptr);
    lGP->Draw(lRender);
    std::vector<RecordedCall> lCalls = lRender.CallsOf("ImmediateDraw2DImagePixel");
    ExpectSize(lCalls, w, h);
    EXPECT_EQ(lCalls[0].Ints[5], lOrderSum) << lNonHom;
    double lValue = kNaN;
    ASSERT_EQ(lGP->GetValue(37.0, 61.0, lValue), S_OK);
    EXPECT_EQ(lValue, lOrderValue) << lNonHom;
    lGP->Destroy();
  }
  ExpectLastAndRelease({lX, lZ, lV, lXNonHom, lVNonHom, lAxis, lScaling});
}

TEST(QVTFddColormapGP, NonHomogeneousMapAndEmptyAlgorithmImages) {
  MemoryDouble1p5D* lXRows = new MemoryDouble1p5D({{0.0, 100.0}, {0.0, 50.0, 100.0}});
  MemoryDouble2DDim2NH* lRows = new MemoryDouble2DDim2NH({{0.0, 100.0}, {0.0, 100.0, 0.0}});
  MemoryDoubleVector* lZ = new MemoryDoubleVector({0.0, 100.0});
  MemoryDoubleVector* lZ3 = new MemoryDoubleVector({0.0, 50.0, 100.0});  // one sample too many
  TestAxis* lAxis = new TestAxis();
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  RecordingRender lRender;
  lRender.SetViewpoint(&lViewpoint, nullptr);
  QVTFddColormapGP* lGP = new QVTFddColormapGP(CATMathBox2D(0, 101, 0, 2), lXRows, 0.0, 100.0, 1, lZ, 0.0, 100.0, 1,
                                               lRows, lAxis, nullptr, nullptr, 0, 0.0);
  lGP->Draw(lRender);
  ExpectSize(lRender.CallsOf("ImmediateDraw2DImagePixel"), 101, 2);
  double lValue = 0.0;
  ASSERT_EQ(lGP->GetValue(50.0, 100.0, lValue), S_OK);
  EXPECT_EQ(lValue, 100.0);
  ASSERT_EQ(lGP->GetValue(50.0, 0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 50.0);
  lGP->Destroy();

  // Data the algorithm refuses: its empty image is kept and drawn, and not computed again at
  // the same size.
  lRender.Clear();
  lGP = new QVTFddColormapGP(CATMathBox2D(0, 101, 0, 2), lXRows, 0.0, 100.0, 1, lZ3, 0.0, 100.0, 1, lRows, lAxis,
                             nullptr, nullptr, 0, 0.0);
  const int lCallsBefore = lAxis->Calls;
  lGP->Draw(lRender);
  lGP->Draw(lRender);
  std::vector<RecordedCall> lCalls = lRender.CallsOf("ImmediateDraw2DImagePixel");
  ASSERT_EQ(lCalls.size(), 2u);
  EXPECT_EQ(lCalls[1].Ints[0], 0);
  EXPECT_EQ(lAxis->Calls, lCallsBefore);
  EXPECT_EQ(lGP->GetValue(50.0, 50.0, lValue), E_FAIL);
  lGP->Destroy();

  ExpectLastAndRelease({lXRows, lRows, lZ, lZ3, lAxis});
}

TEST(QVTFddColormapGP, MatchesItsGoldenImage) {
  // A smooth field with a ridge and one single-sample peak among many more samples than pixels
  // (viridis), a coarse non-homogeneous map interpolated between few samples (rainbow), and a
  // map whose range reaches beyond its data (transparent margins) over a grey background.
  const int nx = 600, nz = 300;
  std::vector<double> lXs(nx), lZs(nz), lCells;
  for (int i = 0; i < nx; ++i) lXs[i] = i;
  for (int k = 0; k < nz; ++k) lZs[k] = k;
  for (int i = 0; i < nx; ++i)
    for (int k = 0; k < nz; ++k) {
      const double dx = (i - 300.0) / 120.0, dz = (k - 150.0) / 80.0;
      lCells.push_back(0.15 + 0.5 * std::exp(-dx * dx - dz * dz) + 0.25 * std::exp(-std::pow((i - 2.0 * k) / 15.0, 2)));
    }
  lCells[size_t(450) * nz + 60] = 1.0;  // one sample, far narrower than a pixel
  MemoryDoubleVector* lX = new MemoryDoubleVector(lXs);
  MemoryDoubleVector* lZ = new MemoryDoubleVector(lZs);
  MemoryDoubleMatrix* lV = new MemoryDoubleMatrix(nx, nz, lCells);
  MemoryDouble1p5D* lXRows = new MemoryDouble1p5D({{0, 1, 3, 4}, {0, 2, 4}, {0, 0.5, 1, 4}, {0, 4}});
  MemoryDouble2DDim2NH* lRows = new MemoryDouble2DDim2NH({{0, 1, 0.3, 0.5}, {1, 0, 1}, {0.2, 0.9, 0.1, 0.6}, {0.4, 1}});
  MemoryDoubleVector* lZRows = new MemoryDoubleVector({0, 1, 2, 3});
  ColorScaleAxis* lViridis = new ColorScaleAxis(0, 1, ColorScaleAxis::Viridis);
  ColorScaleAxis* lRainbow = new ColorScaleAxis(0, 1, ColorScaleAxis::Rainbow);
  const std::vector<CATRep*> lReps = {
      new QVTFddColormapRep(CATMathBox2D(5, 95, 40, 95), lX, 0, 599, 1, lZ, 0, 299, 1, lV, lViridis, nullptr,
                            nullptr, 0, 0.0),
      new QVTFddColormapRep(CATMathBox2D(100, 155, 40, 95), lXRows, 0, 4, 1, lZRows, 0, 3, 1, lRows, lRainbow,
                            nullptr, nullptr, 0, 0.0),
      new QVTFddColormapRep(CATMathBox2D(5, 155, 5, 35), lX, -150, 749, 1, lZ, -40, 339, 1, lV, lViridis, nullptr,
                            nullptr, 0, 0.0),
  };
  const std::string lPath = TestOutputPath("QVTFddColormapGP.png");
  ASSERT_EQ(DrawRepsToPng(lReps, lPath), S_OK);
  ExpectLastAndRelease({lX, lZ, lV, lXRows, lRows, lZRows, lViridis, lRainbow});
  ImageDiff lDiff = CompareWithGolden(lPath, "QVTFddColormapGP.png", 2.0, 20);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}
