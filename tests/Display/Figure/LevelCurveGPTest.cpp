// A curve drawn from its levels of detail draws exactly what the curve primitive draws from all
// samples: over random views from the whole curve down to a millionth of it, on data with spikes,
// gaps and repeated x. A one-sample spike shows at every zoom. The levels stay small, stop when
// cancelled and refuse x that does not ascend.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CurveLevels.h"
#include "LevelCurveGP.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DCurveGP.h"
#include "RecordingRender.h"
#include "RefPtr.h"

namespace {

const CATMathBox2D kDisplayBox(40.0, 960.0, 30.0, 570.0);
const double kYLow = -6.0, kYHigh = 12.0;
const unsigned int kSpike = 15001;

// Ascending x with repeats; y a wave with noise, spikes of +-5, runs of gaps, and one spike of 10.
struct Curve {
  explicit Curve(unsigned int iLength) {
    std::mt19937 lRandom(7);
    std::uniform_real_distribution<double> lUnit(0.0, 1.0);
    std::vector<double> x(iLength), y(iLength);
    unsigned int lGap = 0;
    for (unsigned int i = 0; i < iLength; ++i) {
      x[i] = i == 0 ? 0.0 : x[i - 1] + (lUnit(lRandom) < 0.1 ? 0.0 : 0.5 + lUnit(lRandom));
      y[i] = std::sin(i * 1e-3) + 0.3 * (lUnit(lRandom) - 0.5);
      if (lUnit(lRandom) < 1.0 / 3000) y[i] = lUnit(lRandom) < 0.5 ? 5.0 : -5.0;
      if (lGap == 0 && lUnit(lRandom) < 1.0 / 2000) lGap = 1 + static_cast<unsigned int>(lUnit(lRandom) * 200);
      if (lGap > 0) {
        y[i] = NAN;
        --lGap;
      }
    }
    y[kSpike] = 10.0;
    _X = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(x));
    _Y = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(y));
    _Levels = std::make_shared<CurveLevels>(_X.Get(), _Y.Get());
    _Levels->Start();
    _Levels->Wait();
  }
  double SpikeX() const { return _X->GetValue(kSpike); }
  double LastX() const { return _X->Values().back(); }

  RefPtr<MemoryDoubleVector> _X, _Y;
  std::shared_ptr<CurveLevels> _Levels;
};

const Curve& TheCurve() {
  static const Curve sCurve(30000);
  return sCurve;
}

std::vector<RecordedCall> Draw(CATGraphicPrimitive& iCurve, const CAT2DViewpoint& iViewpoint) {
  RecordingRender lRender(1000, 600);
  lRender.SetViewpoint(&iViewpoint, nullptr);
  iCurve.Draw(lRender);
  return lRender.Calls();
}

// A vector that cancels the levels being built from it at its first bulk read.
class CancellingVector : public MemoryDoubleVector {
 public:
  using MemoryDoubleVector::MemoryDoubleVector;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override {
    ++_Reads;
    if (_Levels) _Levels->Cancel();
    return MemoryDoubleVector::GetValues(iFirst, iCount, oValues);
  }
  mutable int _Reads = 0;
  CurveLevels* _Levels = nullptr;
};

}  // namespace

TEST(LevelCurveGP, DrawsWhatAllSamplesDrawAtEveryZoom) {
  const Curve& lCurve = TheCurve();
  ASSERT_TRUE(lCurve._Levels->IsReady());
  std::mt19937 lRandom(11);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  int lDiffering = 0;
  double lSelected = 0.0;
  for (int lView = 0; lView < 1000; ++lView) {
    const double lWidth = lCurve.LastX() / std::pow(10.0, 6.0 * lUnit(lRandom));
    const double lCentre = -0.5 * lWidth + (lCurve.LastX() + lWidth) * lUnit(lRandom);
    const CATMathBox2D lDataBox(lCentre - 0.5 * lWidth, lCentre + 0.5 * lWidth, kYLow, kYHigh);
    // Sub-pixel shifts of the viewpoint move the samples across column edges.
    const CAT2DViewpoint lViewpoint(CATMathPoint2D(500.0 + lUnit(lRandom) - 0.5, 300.0 + lUnit(lRandom) - 0.5), 1.0);
    const RefPtr<QVTFdd2DCurveGP> lAll(new QVTFdd2DCurveGP(lDataBox, kDisplayBox, QVTFdd2DCurveGP::ReduceAlongX,
                                                           lCurve._X.Get(), lCurve._Y.Get()));
    const RefPtr<LevelCurveGP> lLevels(new LevelCurveGP(lCurve._Levels, lDataBox, kDisplayBox));
    // Every other view chooses samples even where the visible range is short.
    if (lView % 2 == 0) lLevels->SetRangePerColumn(0.0);
    const std::vector<RecordedCall> lExpected = Draw(*lAll, lViewpoint);
    if (Draw(*lLevels, lViewpoint) != lExpected && ++lDiffering <= 3)
      ADD_FAILURE() << "view " << lView << ": x " << lDataBox.GetLow().GetX() << " .. " << lDataBox.GetHigh().GetX();
    if (lView % 2 == 0 && lWidth > 0.5 * lCurve.LastX())
      lSelected = std::max(lSelected, double(lLevels->GetNbSelected()));
  }
  EXPECT_EQ(lDiffering, 0);
  // The whole curve is drawn from a few samples per column, not from all of them.
  EXPECT_LT(lSelected, 0.2 * lCurve._X->GetLength());
}

TEST(LevelCurveGP, OneSampleSpikeShowsAtEveryZoom) {
  const Curve& lCurve = TheCurve();
  const CAT2DViewpoint lViewpoint(CATMathPoint2D(500.0, 300.0), 1.0);
  const double lSpikeModel = kDisplayBox.GetLow().GetY() + (10.0 - kYLow) / (kYHigh - kYLow) *
                                                                 (kDisplayBox.GetHigh().GetY() - kDisplayBox.GetLow().GetY());
  for (double lZoom = 1.0; lZoom <= 1e6; lZoom *= 3.0) {
    const double lWidth = lCurve.LastX() / lZoom;
    const double lLow = lCurve.SpikeX() - 0.3 * lWidth;
    const RefPtr<LevelCurveGP> lLevels(
        new LevelCurveGP(lCurve._Levels, CATMathBox2D(lLow, lLow + lWidth, kYLow, kYHigh), kDisplayBox));
    double lTop = -1e30;
    for (const RecordedCall& lCall : Draw(*lLevels, lViewpoint))
      for (size_t i = 1; i < lCall.Floats.size(); i += 2) lTop = std::max(lTop, double(lCall.Floats[i]));
    EXPECT_NEAR(lTop, lSpikeModel, 1.0) << "zoom " << lZoom;
  }
}

TEST(CurveLevels, TakeAtMostAnEighthOfTheData) {
  const Curve& lCurve = TheCurve();
  EXPECT_LE(lCurve._Levels->GetMemory(), 2u * sizeof(double) * lCurve._X->GetLength() / 8);
}

TEST(CurveLevels, StopWhenCancelledAndRefuseUnsortedX) {
  std::vector<double> lValues(1u << 20, 1.0);
  const RefPtr<CancellingVector> lY(new CancellingVector(lValues));
  const RefPtr<MemoryDoubleVector> lX(new MemoryDoubleVector(lValues));
  {
    CurveLevels lLevels(lX.Get(), lY.Get());
    lY->_Levels = &lLevels;
    ASSERT_TRUE(lLevels.Start());
    EXPECT_EQ(lLevels.Wait(), CurveLevels::eCancelled);
    EXPECT_EQ(lY->_Reads, 1);
    lY->_Levels = nullptr;
  }
  lValues[100] = 0.0;
  const RefPtr<MemoryDoubleVector> lUnsorted(new MemoryDoubleVector(lValues));
  CurveLevels lLevels(lUnsorted.Get(), lX.Get());
  lLevels.Start();
  EXPECT_EQ(lLevels.Wait(), CurveLevels::eUnsorted);
}
