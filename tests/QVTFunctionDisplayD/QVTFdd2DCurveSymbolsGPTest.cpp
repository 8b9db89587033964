#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATSymbolType.h"
#include "CairoRender.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "QVTFddTestCopiesDrawNothing.h"
#include "QVTFddTestCountingVectors.h"
#include "RecordingRender.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Data box [0, 10] x [0, 10] onto the display box [100, 200] x [50, 150]: ten model units per
// data unit.
const CATMathBox2D kData(0, 10, 0, 10);
const CATMathBox2D kDisplay(100, 200, 50, 150);

struct Symbols : QVTFddTestCountingVectors {
  Symbols(std::vector<double> iX, std::vector<double> iY, int iType = CATSymbolCircle,
          const CATMathBox2D& iData = kData)
      : QVTFddTestCountingVectors(std::move(iX), std::move(iY)) {
    _GP = new QVTFdd2DCurveSymbolsGP(iType, iData, kDisplay, _X, _Y);
  }
  ~Symbols() { _GP->Destroy(); }

  QVTFdd2DCurveSymbolsGP* _GP;
};

std::vector<RecordedCall> Draw(QVTFdd2DCurveSymbolsGP& iGP, const CATViewpoint* iViewpoint) {
  RecordingRender lRender(300, 200);
  iGP.ImmediateDraw(lRender, iViewpoint, nullptr);
  return lRender.Calls();
}

const CAT2DViewpoint kViewpoint(CATMathPoint2D(150, 100), 1.0);

}  // namespace

TEST(QVTFdd2DCurveSymbolsGP, MarksTheSamplesInsideTheDisplayBox) {
  // The second sample maps to x = 250, outside; the fourth lies on the border and counts.
  Symbols lSymbols({1.5, 15, 3, 10}, {2, 5, 7.25, 0}, CATSymbolFilledSquare);
  RecordingRender lRender(300, 200);
  lRender.SetViewpoint(&kViewpoint, nullptr);
  lSymbols._GP->Draw(lRender);
  ASSERT_EQ(lRender.Calls().size(), 1u);
  EXPECT_EQ(lRender.Calls()[0], (RecordedCall{"ImmediateDraw2DMarker",
                                               {115, 70, 130, 122.5f, 200, 50},
                                               {3, CATSymbolFilledSquare},
                                               ""}));
}

TEST(QVTFdd2DCurveSymbolsGP, MarkersAreComputedOnceAndKeptThroughZoomAndPan) {
  Symbols lSymbols({1, 2, 3}, {1, 2, 3});
  const std::vector<RecordedCall> lFirst = Draw(*lSymbols._GP, &kViewpoint);
  ASSERT_EQ(lFirst.size(), 1u);
  const long lReads = lSymbols.Reads();
  CAT2DViewpoint lZoomed(CATMathPoint2D(0, 0), 7.5);
  EXPECT_EQ(Draw(*lSymbols._GP, &lZoomed), lFirst);
  EXPECT_EQ(Draw(*lSymbols._GP, &kViewpoint), lFirst);
  EXPECT_EQ(lSymbols.Reads(), lReads);
}

TEST(QVTFdd2DCurveSymbolsGP, NoSampleInsideDrawsNothingAndTriesAgainNextTime) {
  // Outside, or not a number.
  Symbols lSymbols({-1, 20, kNaN, 5}, {5, 5, 5, kNaN});
  EXPECT_TRUE(Draw(*lSymbols._GP, &kViewpoint).empty());
  const long lReads = lSymbols.Reads();
  EXPECT_GT(lReads, 0);
  EXPECT_TRUE(Draw(*lSymbols._GP, &kViewpoint).empty());
  EXPECT_EQ(lSymbols.Reads(), 2 * lReads);
}

TEST(QVTFdd2DCurveSymbolsGP, ShorterYVectorLimitsTheSamples) {
  Symbols lSymbols({1, 2, 3, 4, 5}, {1, 2});
  const std::vector<RecordedCall> lCalls = Draw(*lSymbols._GP, &kViewpoint);
  ASSERT_EQ(lCalls.size(), 1u);
  EXPECT_EQ(lCalls[0].Floats, (std::vector<float>{110, 60, 120, 70}));
  EXPECT_LE(lSymbols._X->_End, 2u);
  EXPECT_LE(lSymbols._Y->_End, 2u);
}

TEST(QVTFdd2DCurveSymbolsGP, DegenerateInputsDrawNothing) {
  MemoryDoubleVector* lVector = new MemoryDoubleVector({1, 2, 3});
  {
    QVTFdd2DCurveSymbolsGP lNoX(CATSymbolCross, kData, kDisplay, nullptr, lVector);
    QVTFdd2DCurveSymbolsGP lNoY(CATSymbolCross, kData, kDisplay, lVector, nullptr);
    QVTFdd2DCurveSymbolsGP lGood(CATSymbolCross, kData, kDisplay, lVector, lVector);
    EXPECT_TRUE(Draw(lNoX, &kViewpoint).empty());
    EXPECT_TRUE(Draw(lNoY, &kViewpoint).empty());
    EXPECT_TRUE(Draw(lGood, nullptr).empty());
    EXPECT_EQ(Draw(lGood, &kViewpoint).size(), 1u);
    // A number that names no symbol.
    for (int lType : {-1, 10, 1 << 30}) {
      QVTFdd2DCurveSymbolsGP lUnknown(lType, kData, kDisplay, lVector, lVector);
      EXPECT_TRUE(Draw(lUnknown, &kViewpoint).empty()) << lType;
    }
  }
  EXPECT_EQ(lVector->GetRefCount(), 1u);
  lVector->Release();
  // No sample at all; a data box of zero width or height.
  Symbols lEmpty({}, {});
  EXPECT_TRUE(Draw(*lEmpty._GP, &kViewpoint).empty());
  for (const CATMathBox2D& lFlat : {CATMathBox2D(5, 5, 0, 10), CATMathBox2D(0, 10, 3, 3)}) {
    Symbols lSymbols({5, 5}, {3, 3}, CATSymbolCircle, lFlat);
    EXPECT_TRUE(Draw(*lSymbols._GP, &kViewpoint).empty());
  }
}

TEST(QVTFdd2DCurveSymbolsGP, CopySharesTheVectorsAndDrawsNothing) {
  Symbols lSymbols({1, 2}, {1, 2}, CATSymbolDiamond);
  const std::vector<RecordedCall> lDrawn = Draw(*lSymbols._GP, &kViewpoint);
  ASSERT_EQ(lDrawn.size(), 1u);
  ExpectCopiesDrawNothing(*lSymbols._GP, lSymbols, lDrawn,
                          [](QVTFdd2DCurveSymbolsGP& iGP) { return Draw(iGP, &kViewpoint); });
}

TEST(QVTFdd2DCurveSymbolsGP, SamplesOnAMarkedPixelAreLeftOutUntilZoomedIn) {
  // Ten model units per data unit, one pixel per model unit: the first three samples and the
  // fifth share the pixel (110, 60), the fourth and sixth have pixels of their own.
  Symbols lSymbols({1.0, 1.02, 1.04, 2.0, 1.01, 3.0}, {1.0, 1.01, 1.02, 1.0, 1.03, 1.0});
  const std::vector<RecordedCall> lCoarse = Draw(*lSymbols._GP, &kViewpoint);
  ASSERT_EQ(lCoarse.size(), 1u);
  EXPECT_EQ(lCoarse[0].Floats, (std::vector<float>{110, 60, 120, 60, 130, 60}));
  // Ten pixels per model unit part the samples: every one gets its marker, which then also
  // serve the coarser view without reading the data again.
  const CAT2DViewpoint lZoomedIn(CATMathPoint2D(115, 60), 10.0);
  const std::vector<RecordedCall> lFine = Draw(*lSymbols._GP, &lZoomedIn);
  ASSERT_EQ(lFine.size(), 1u);
  EXPECT_EQ(lFine[0].Ints[0], 6);
  const long lReads = lSymbols.Reads();
  EXPECT_EQ(Draw(*lSymbols._GP, &kViewpoint), lFine);
  EXPECT_EQ(lSymbols.Reads(), lReads);
}

TEST(QVTFdd2DCurveSymbolsGP, LeftOutSamplesChangeNoPixel) {
  // 80 pixel centres, each sample four times in a row, the whole sweep three times: drawn
  // through the primitive and, all 960 of them, straight into a render.
  std::vector<double> lX, lY;
  for (int i = 0; i < 960; ++i) {
    const int k = (i / 4) % 80;
    lX.push_back(1.05 + 0.1 * k);
    lY.push_back(5.05 + 0.1 * std::round(20.0 * std::sin(k * 0.05)));
  }
  for (int lType : {CATSymbolFilledCircle, CATSymbolCross}) {
    SCOPED_TRACE(lType);
    Symbols lSymbols(lX, lY, lType);
    CairoRender lThinned(300, 200, CairoRender::PNG, ""), lAll(300, 200, CairoRender::PNG, "");
    lThinned.SetViewpoint(&kViewpoint, nullptr);
    lSymbols._GP->Draw(lThinned);
    std::vector<float> lPoints;
    for (size_t i = 0; i < lX.size(); ++i) {
      lPoints.push_back(static_cast<float>(lX[i] * 10 + 100));
      lPoints.push_back(static_cast<float>(lY[i] * 10 + 50));
    }
    lAll.ImmediateDraw2DMarker(lPoints.data(), static_cast<int>(lX.size()), static_cast<CATSymbolType>(lType));
    int lInked = 0;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 300; ++x) {
        unsigned char lA[4], lB[4];
        ASSERT_TRUE(lThinned.GetPixel(x, y, lA) && lAll.GetPixel(x, y, lB));
        ASSERT_EQ(std::vector<int>(lA, lA + 4), std::vector<int>(lB, lB + 4)) << x << ", " << y;
        lInked += lA[0] != 255;
      }
    EXPECT_GT(lInked, 100);
  }
}
