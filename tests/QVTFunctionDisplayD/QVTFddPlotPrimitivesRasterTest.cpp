// The plot primitives of the curve, symbol, bar and resize-handle kinds as pixels: the reduced
// curve against the same samples drawn segment by segment, one golden image per kind, and their
// registration.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "CAT2DLineGP.h"
#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATMathLine2D.h"
#include "CATMetaClass.h"
#include "CATSymbolType.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ImageCompare.h"
#include "MemoryDoubleVector.h"
#include "PrimitiveRep.h"
#include "QVTFdd2DBarGP.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "QVTFdd2DResizeHandleGP.h"

namespace {

// A noisy signal: three periods of a sine over [0, 1] with deterministic noise, in [-0.9, 0.9].
void NoisySignal(int iNbSamples, std::vector<double>& oX, std::vector<double>& oY) {
  uint32_t lState = 2463534242u;
  oX.resize(size_t(iNbSamples));
  oY.resize(size_t(iNbSamples));
  for (int k = 0; k < iNbSamples; ++k) {
    lState ^= lState << 13;
    lState ^= lState >> 17;
    lState ^= lState << 5;
    const double lNoise = (lState % 10000) / 10000.0 - 0.5;
    oX[size_t(k)] = double(k) / (iNbSamples - 1);
    oY[size_t(k)] = 0.6 * std::sin(2.0 * M_PI * 3.0 * oX[size_t(k)]) + 0.6 * lNoise;
  }
}

// Count of pixels (x, y) of iImage, not white, whose 3 x 3 neighbourhood in iOther is all white.
long PixelsFarFrom(const CairoRender& iImage, const CairoRender& iOther) {
  long lFar = 0;
  unsigned char lPixel[4];
  for (int y = 0; y < iImage.GetHeight(); ++y)
    for (int x = 0; x < iImage.GetWidth(); ++x) {
      if (!iImage.GetPixel(x, y, lPixel) || lPixel[0] > 128) continue;
      bool lNear = false;
      for (int dy = -1; dy <= 1 && !lNear; ++dy)
        for (int dx = -1; dx <= 1 && !lNear; ++dx)
          lNear = iOther.GetPixel(x + dx, y + dy, lPixel) && lPixel[0] <= 128;
      if (!lNear) ++lFar;
    }
  return lFar;
}

long DarkPixels(const CairoRender& iImage) {
  long lDark = 0;
  unsigned char lPixel[4];
  for (int y = 0; y < iImage.GetHeight(); ++y)
    for (int x = 0; x < iImage.GetWidth(); ++x)
      if (iImage.GetPixel(x, y, lPixel) && lPixel[0] <= 128) ++lDark;
  return lDark;
}

// Renders the viewer's scene into a PNG of its size and checks it against the golden image.
void ExpectGolden(CATViewer& ioViewer, int iWidth, int iHeight, const std::string& iName) {
  const std::string lPath = TestOutputPath(iName);
  {
    CairoRender lRender(iWidth, iHeight, CairoRender::PNG, lPath);
    ioViewer.Draw(lRender);
    ASSERT_EQ(lRender.Finish(), S_OK);
  }
  ImageDiff lDiff = CompareWithGolden(lPath, iName, 2.0, 20);
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
}

void Show(CATViewer& ioViewer, CATGraphicPrimitive* iPrimitive, int iRed, int iGreen, int iBlue, int iThickness = 0) {
  CATGraphicAttributeSet lSet;
  lSet.SetColor(iRed, iGreen, iBlue);
  lSet.SetThickness(iThickness);
  PrimitiveRep* lRep = new PrimitiveRep(iPrimitive, lSet);
  iPrimitive->Release();
  ioViewer.AddRep(lRep);
  lRep->Release();
}

}  // namespace

TEST(QVTFddPlotPrimitivesRaster, ReducedCurveRastersAsItsPlainSegments) {
  // 200000 samples over 375 pixel columns: about 530 samples a column.
  const int kWidth = 400, kHeight = 250, kSamples = 200000;
  std::vector<double> lX, lY;
  NoisySignal(kSamples, lX, lY);
  const CATMathBox2D lData(0, 1, -1, 1), lDisplay(5, 155, 5, 95);
  CATViewer lViewer(kWidth, kHeight);
  lViewer.FitBox(0, 160, 0, 100);
  CATGraphicAttributeSet lBlack;
  lBlack.SetColor(0, 0, 0);

  const std::string lReducedPath = TestOutputPath("QVTFdd2DCurveGP-reduced.png");
  const std::string lPlainPath = TestOutputPath("QVTFdd2DCurveGP-plain.png");
  CairoRender lReduced(kWidth, kHeight, CairoRender::PNG, lReducedPath);
  CairoRender lPlain(kWidth, kHeight, CairoRender::PNG, lPlainPath);
  for (CairoRender* lRender : {&lReduced, &lPlain}) {
    lRender->SetAntialias(false);
    lRender->SetViewpoint(&lViewer.Get2DViewpoint(), &lViewer.GetViewport());
    lRender->SetViewportParameters(kWidth, kHeight, 1, 1);
    lRender->SetCurrentAttribute(lBlack);
  }

  MemoryDoubleVector* lXVector = new MemoryDoubleVector(lX);
  MemoryDoubleVector* lYVector = new MemoryDoubleVector(lY);
  QVTFdd2DCurveGP* lCurve =
      new QVTFdd2DCurveGP(lData, lDisplay, QVTFdd2DCurveGP::ReduceAlongX, lXVector, lYVector);
  lCurve->Draw(lReduced);
  lCurve->Destroy();
  lXVector->Release();
  lYVector->Release();

  // The same samples, each segment drawn as it is, through the same mapping onto the display box.
  std::vector<float> lSegments;
  lSegments.reserve(4 * size_t(kSamples));
  auto lModel = [&](int k) {
    lSegments.push_back(static_cast<float>(5.0 + lX[size_t(k)] * 150.0));
    lSegments.push_back(static_cast<float>(5.0 + (lY[size_t(k)] + 1.0) * 45.0));
  };
  for (int k = 0; k + 1 < kSamples; ++k) {
    lModel(k);
    lModel(k + 1);
  }
  lPlain.ImmediateDraw2DLine(lSegments.data(), static_cast<int>(lSegments.size() / 2), 0, 1);

  // Measured: 25717 curve pixels, of which 1067 (4.1 %) differ, RMS 22.8 over the whole image;
  // none lies further than one pixel from the other picture's curve. Snapping the samples to the
  // pixel grid moves a column's ends by a pixel or two where the signal is steep. Bound: 5 % of
  // the curve's pixels, and no pixel further than one pixel away.
  const long lDark = DarkPixels(lPlain);
  EXPECT_GT(lDark, 20000);
  EXPECT_EQ(PixelsFarFrom(lReduced, lPlain), 0);
  EXPECT_EQ(PixelsFarFrom(lPlain, lReduced), 0);
  ASSERT_EQ(lReduced.Finish(), S_OK);
  ASSERT_EQ(lPlain.Finish(), S_OK);
  ImageDiff lDiff = CompareImages(lReducedPath, lPlainPath, 25.0, lDark / 20, 24,
                                  TestOutputPath("QVTFdd2DCurveGP-reduced-diff.png"));
  EXPECT_TRUE(lDiff.ok) << lDiff.message;
  std::cout << "reduced versus plain: " << lDiff.changed << " of " << lDark << " curve pixels differ, rms "
            << lDiff.rms << std::endl;
}

TEST(QVTFddPlotPrimitivesRaster, CurveMatchesItsGoldenImage) {
  // Model units are pixels. A sine with a hole, a dense noisy signal and a curve sampled from
  // right to left, clipped to the display box.
  CATViewer lViewer(160, 100);
  const CATMathBox2D lDisplay(8, 152, 8, 92);
  std::vector<double> lX, lY;
  NoisySignal(20000, lX, lY);
  for (double& lValue : lY) lValue = 0.5 * lValue - 0.45;
  MemoryDoubleVector* lNoiseX = new MemoryDoubleVector(lX);
  MemoryDoubleVector* lNoiseY = new MemoryDoubleVector(lY);
  std::vector<double> lSineX, lSineY, lBackX, lBackY;
  for (int k = 0; k <= 60; ++k) {
    lSineX.push_back(k / 60.0);
    lSineY.push_back(k >= 25 && k <= 28 ? NAN : 0.4 + 0.5 * std::sin(k / 6.0));
    lBackX.push_back(1.0 - k / 60.0);
    lBackY.push_back(0.2 + 0.9 * (1.0 - k / 60.0) * (1.0 - k / 60.0));
  }
  MemoryDoubleVector* lVectors[] = {new MemoryDoubleVector(lSineX), new MemoryDoubleVector(lSineY),
                                    new MemoryDoubleVector(lBackX), new MemoryDoubleVector(lBackY)};
  const CATMathBox2D lData(0, 1, -1, 1);
  Show(lViewer, new QVTFdd2DCurveGP(lData, lDisplay, QVTFdd2DCurveGP::ReduceAlongX, lNoiseX, lNoiseY), 150, 150, 150);
  Show(lViewer, new QVTFdd2DCurveGP(lData, lDisplay, QVTFdd2DCurveGP::ReduceAlongX, lVectors[0], lVectors[1]), 30, 90, 200, 2);
  Show(lViewer, new QVTFdd2DCurveGP(lData, lDisplay, QVTFdd2DCurveGP::ReduceAlongX, lVectors[2], lVectors[3]), 220, 100, 30);
  for (CATBaseUnknown* lVector : {static_cast<CATBaseUnknown*>(lNoiseX), static_cast<CATBaseUnknown*>(lNoiseY)})
    lVector->Release();
  for (MemoryDoubleVector* lVector : lVectors) lVector->Release();
  ExpectGolden(lViewer, 160, 100, "QVTFdd2DCurveGP.png");
}

TEST(QVTFddPlotPrimitivesRaster, CurveSymbolsMatchTheirGoldenImage) {
  CATViewer lViewer(160, 100);
  const CATMathBox2D lData(0, 10, 0, 10), lDisplay(10, 150, 10, 90);
  const CATSymbolType lTypes[] = {CATSymbolCircle, CATSymbolFilledSquare, CATSymbolCross, CATSymbolTriangle};
  const int lColors[][3] = {{30, 90, 200}, {220, 100, 30}, {40, 150, 60}, {150, 50, 160}};
  for (int i = 0; i < 4; ++i) {
    std::vector<double> lX, lY;
    // The last sample of each series lies outside the display box and gets no symbol.
    for (int k = 0; k <= 11; ++k) {
      lX.push_back(k);
      lY.push_back(1.0 + 2.0 * i + 1.2 * std::sin(0.8 * k + i));
    }
    MemoryDoubleVector* lXVector = new MemoryDoubleVector(lX);
    MemoryDoubleVector* lYVector = new MemoryDoubleVector(lY);
    Show(lViewer, new QVTFdd2DCurveSymbolsGP(lTypes[i], lData, lDisplay, lXVector, lYVector), lColors[i][0],
         lColors[i][1], lColors[i][2]);
    lXVector->Release();
    lYVector->Release();
  }
  ExpectGolden(lViewer, 160, 100, "QVTFdd2DCurveSymbolsGP.png");
}

TEST(QVTFddPlotPrimitivesRaster, BarsMatchTheirGoldenImage) {
  // Vertical bars from y = 10, the two last ones a third of a pixel tall and flat; horizontal bars
  // from x = 90, one of them a third of a pixel wide. The representation's lines are 3 pixels
  // thick, which the thin bars do not take.
  CATViewer lViewer(160, 100);
  const double lHeights[] = {40, 75, 22, 58, 0.3, 0};
  for (int i = 0; i < 6; ++i) {
    const float lBase[2] = {float(8 + 13 * i), 10}, lTop[2] = {float(18 + 13 * i), float(10 + lHeights[i])};
    Show(lViewer, new QVTFdd2DBarGP(lBase, lTop, QVTFdd2DBarGP::Vertical), 30, 90, 200, 3);
  }
  const double lWidths[] = {55, 30, 0.3, 45};
  for (int i = 0; i < 4; ++i) {
    const float lBase[2] = {90, float(15 + 20 * i)}, lEnd[2] = {float(90 + lWidths[i]), float(27 + 20 * i)};
    Show(lViewer, new QVTFdd2DBarGP(lBase, lEnd, QVTFdd2DBarGP::Horizontal), 220, 100, 30, 3);
  }
  ExpectGolden(lViewer, 160, 100, "QVTFdd2DBarGP.png");
}

TEST(QVTFddPlotPrimitivesRaster, ResizeHandlesMatchTheirGoldenImage) {
  // A rectangle with its nine marks, zoomed 4 times so that the 2- and 4-unit marks show, and a
  // line handle.
  CATViewer lViewer(160, 100);
  lViewer.FitBox(0, 40, 0, 25);
  const CATMathPoint2Df lFrame[5] = {{5, 4}, {5, 20}, {27, 20}, {27, 4}, {5, 4}};
  Show(lViewer, new CAT2DLineGP(lFrame, 5, 1, 0), 160, 160, 160);
  const double lXs[3] = {5, 16, 27}, lYs[3] = {4, 12, 20};
  typedef QVTFdd2DResizeHandleGP Handle;
  const Handle::eRectangleType lMarks[3][3] = {
      {Handle::BottomLeftCorner, Handle::BottomEdge, Handle::BottomRightCorner},
      {Handle::LeftEdge, Handle::CentreSquare, Handle::RightEdge},
      {Handle::TopLeftCorner, Handle::TopEdge, Handle::TopRightCorner}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      Show(lViewer, new Handle(CATMathPoint2D(lXs[c], lYs[r]), lMarks[r][c]), 20, 60, 180, 2);
  Show(lViewer, new Handle(CATMathLine2D(CATMathPoint2D(32, 4), CATMathPoint2D(37, 20)), Handle::FreeLine), 220,
       100, 30, 2);
  ExpectGolden(lViewer, 160, 100, "QVTFdd2DResizeHandleGP.png");
}

// The registered classes of this family: name, then the names IsAKindOf accepts along the
// registered chain, then names it must refuse.
TEST(QVTFddPlotPrimitivesRaster, RegistrationTable) {
  // An instance answers through its class's meta-object.
  const float lCorner[2] = {0, 0};
  QVTFdd2DBarGP* lBar = new QVTFdd2DBarGP(lCorner, lCorner, QVTFdd2DBarGP::Vertical);
  EXPECT_STREQ(lBar->IsA(), "QVTFdd2DBarGP");
  EXPECT_TRUE(lBar->IsAKindOf("CATDynamicGP"));
  EXPECT_EQ(QVTFdd2DBarGP::CreateItself(), nullptr);
  lBar->Destroy();
  QVTFdd2DCurveGP* lCurve = new QVTFdd2DCurveGP(CATMathBox2D(), CATMathBox2D(), QVTFdd2DCurveGP::ReduceAlongX,
                                                nullptr, nullptr);
  EXPECT_STREQ(lCurve->IsA(), "QVTFdd2DCurveGP");
  EXPECT_FALSE(lCurve->IsAKindOf("CATDynamicGP"));
  EXPECT_TRUE(lCurve->IsAKindOf("CAT2DRep"));
  lCurve->Destroy();
}
