// Curve drawing speed: the first draw of an n-sample curve (the full pixel reduction) and a redraw
// at the same zoom (the cache), into a 1000 x 600 pixel viewport through the recording render.
// Both report samples per second; compare them with BM_ReadBaseline of the same run, which reads
// the same vectors once through the data-vector interface.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DCurveGP.h"
#include "RecordingRender.h"
#include "RefPtr.h"
#include "YardstickVectors.h"

namespace {

const int kWidth = 1000;
const int kHeight = 600;

// The yardstick's samples: x = i, y = sin(0.001 i).
struct CurveData {
  explicit CurveData(unsigned int iNbSamples) {
    const YardstickVectors lData(iNbSamples);
    _X = lData.X;
    _Y = lData.Y;
    _DataBox = CATMathBox2D(0.0, iNbSamples > 1 ? iNbSamples - 1.0 : 1.0, -1.0, 1.0);
  }

  RefPtr<MemoryDoubleVector> _X;
  RefPtr<MemoryDoubleVector> _Y;
  CATMathBox2D _DataBox;
};

// The display box fills the viewport, whose model units are its pixels.
const CATMathBox2D kDisplayBox(0.0, kWidth, 0.0, kHeight);
const CAT2DViewpoint kViewpoint(CATMathPoint2D(0.5 * kWidth, 0.5 * kHeight), 1.0);

}  // namespace

static void BM_CurveFirstDraw(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  CurveData lData(n);
  RecordingRender lRender(kWidth, kHeight);
  lRender.SetViewpoint(&kViewpoint, nullptr);
  for (auto _ : state) {
    const RefPtr<QVTFdd2DCurveGP> lCurve(new QVTFdd2DCurveGP(lData._DataBox, kDisplayBox,
                                                             QVTFdd2DCurveGP::ReduceAlongX, lData._X.Get(), lData._Y.Get()));
    lCurve->Draw(lRender);
    benchmark::DoNotOptimize(lRender.Calls().data());
    lRender.Clear();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_CurveFirstDraw)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

static void BM_CurveCachedDraw(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  CurveData lData(n);
  RecordingRender lRender(kWidth, kHeight);
  lRender.SetViewpoint(&kViewpoint, nullptr);
  const RefPtr<QVTFdd2DCurveGP> lCurve(new QVTFdd2DCurveGP(lData._DataBox, kDisplayBox, QVTFdd2DCurveGP::ReduceAlongX,
                                                           lData._X.Get(), lData._Y.Get()));
  lCurve->Draw(lRender);
  for (auto _ : state) {
    lRender.Clear();
    lCurve->Draw(lRender);
    benchmark::DoNotOptimize(lRender.Calls().data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_CurveCachedDraw)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMicrosecond);
