#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATSymbolType.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "RecordingRender.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// In-memory vector that counts its reads and remembers the highest index asked for.
class CountingVector : public MemoryDoubleVector {
 public:
  explicit CountingVector(std::vector<double> iValues) : MemoryDoubleVector(std::move(iValues)) {}
  double GetValue(unsigned int iIndex) const override {
    ++_Reads;
    _End = std::max<unsigned long long>(_End, iIndex + 1ULL);
    return MemoryDoubleVector::GetValue(iIndex);
  }
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override {
    ++_Reads;
    _End = std::max<unsigned long long>(_End, 0ULL + iFirst + iCount);
    return MemoryDoubleVector::GetValues(iFirst, iCount, oValues);
  }
  mutable long _Reads = 0;
  mutable unsigned long long _End = 0;
};

// Data box [0, 10] x [0, 10] onto the display box [100, 200] x [50, 150]: ten model units per
// data unit.
const CATMathBox2D kData(0, 10, 0, 10);
const CATMathBox2D kDisplay(100, 200, 50, 150);

struct Symbols {
  Symbols(std::vector<double> iX, std::vector<double> iY, int iType = CATSymbolCircle,
          const CATMathBox2D& iData = kData)
      : _X(new CountingVector(std::move(iX))), _Y(new CountingVector(std::move(iY))) {
    _GP = new QVTFdd2DCurveSymbolsGP(iType, iData, kDisplay, _X, _Y);
  }
  ~Symbols() {
    _GP->Destroy();
    EXPECT_EQ(_X->GetRefCount(), 1u);
    EXPECT_EQ(_Y->GetRefCount(), 1u);
    _X->Release();
    _Y->Release();
  }
  Symbols(const Symbols&) = delete;
  Symbols& operator=(const Symbols&) = delete;
  long Reads() const { return _X->_Reads + _Y->_Reads; }

  CountingVector* _X;
  CountingVector* _Y;
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
  {
    QVTFdd2DCurveSymbolsGP lCopy(*lSymbols._GP);
    EXPECT_EQ(lSymbols._X->GetRefCount(), 3u);
    EXPECT_TRUE(Draw(lCopy, &kViewpoint).empty());
    lCopy = *lSymbols._GP;
    EXPECT_TRUE(Draw(lCopy, &kViewpoint).empty());
    *lSymbols._GP = lCopy;
    EXPECT_EQ(Draw(*lSymbols._GP, &kViewpoint), lDrawn);
  }
  EXPECT_EQ(lSymbols._X->GetRefCount(), 2u);
}
