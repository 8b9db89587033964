// Order-interpolation colour map speed: a 1000 x 1000 pixel image of a rotating-machine run-up of
// n samples (speed rows from 600 to 6000 rpm, frequency columns from 0 to 1000 Hz, order lines,
// resonances and a noise floor), orders in machine orders (Hz over rpm / 60), tolerance 0.02.
// Each iteration builds the algorithm (the order table, row by row) and computes the image on one
// thread; the rate is pixels per second. Compare with BM_MatrixMemoryBaseline of the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "ColorScaleAxis.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTIFddScaling.h"
#include "RefPtr.h"

namespace {

const int kPixels = 1000;
const double kMaxFrequency = 1000.0;
const double kMinSpeed = 600.0, kMaxSpeed = 6000.0;

class FactorScaling : public QVTIFddScaling {
 public:
  explicit FactorScaling(double iFactor) : _Factor(iFactor) {}
  double Convert(double iValue) override { return iValue * _Factor; }

 private:
  double _Factor;
};

// Level in dB of a run-up spectrum at frequency f (Hz) and speed s (rpm): orders 1, 2, 3, 4.5
// and 8 whose amplitude grows with speed and swells where they cross two structural resonances
// (180 Hz and 420 Hz), on a noise floor.
double sRunUpLevel(double f, double s, std::mt19937& ioRandom) {
  static const double kOrders[] = {1.0, 2.0, 3.0, 4.5, 8.0};
  static const double kGains[] = {1.0, 0.6, 0.35, 0.2, 0.12};
  const double lShaft = s / 60.0;
  std::uniform_real_distribution<double> lNoise(0.5, 1.5);
  double lPower = 1e-4 * lNoise(ioRandom);
  for (int k = 0; k < 5; ++k) {
    const double lCentre = kOrders[k] * lShaft, lWidth = 1.5 + 0.01 * lCentre;
    const double lLine = std::exp(-0.5 * (f - lCentre) * (f - lCentre) / (lWidth * lWidth));
    const double lResonance = 1.0 + 8.0 / (1.0 + std::pow((lCentre - 180.0) / 12.0, 2)) +
                              5.0 / (1.0 + std::pow((lCentre - 420.0) / 20.0, 2));
    const double lAmplitude = kGains[k] * (0.2 + s / kMaxSpeed) * lResonance * lLine;
    lPower += lAmplitude * lAmplitude;
  }
  // The resonances also ring faintly at all speeds.
  lPower += 2e-3 / (1.0 + std::pow((f - 180.0) / 6.0, 2)) + 1e-3 / (1.0 + std::pow((f - 420.0) / 10.0, 2));
  return 10.0 * std::log10(lPower) + 60.0;
}

struct RunUp {
  explicit RunUp(int iSamples) {
    const int lColumns = 1000, lRows = iSamples / lColumns;
    std::vector<double> lF(lColumns), lS(lRows), lValues(static_cast<size_t>(lColumns) * lRows);
    for (int i = 0; i < lColumns; ++i) lF[i] = kMaxFrequency * i / (lColumns - 1);
    for (int k = 0; k < lRows; ++k) lS[k] = kMinSpeed + (kMaxSpeed - kMinSpeed) * k / (lRows - 1);
    std::mt19937 lRandom(1);
    for (int i = 0; i < lColumns; ++i)
      for (int k = 0; k < lRows; ++k) lValues[static_cast<size_t>(i) * lRows + k] = sRunUpLevel(lF[i], lS[k], lRandom);
    _X = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(lF));
    _Z = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(lS));
    _Values = RefPtr<MemoryDoubleMatrix>(new MemoryDoubleMatrix(lColumns, lRows, std::move(lValues)));
  }
  RefPtr<MemoryDoubleVector> _X;
  RefPtr<MemoryDoubleVector> _Z;
  RefPtr<MemoryDoubleMatrix> _Values;
  RefPtr<ColorScaleAxis> _Axis{new ColorScaleAxis(0.0, 70.0, ColorScaleAxis::Rainbow)};
  RefPtr<FactorScaling> _XScaling{new FactorScaling(1.0)};
  RefPtr<FactorScaling> _ZScaling{new FactorScaling(1.0 / 60.0)};
};

}  // namespace

// iThreads computing the image's rows; the rate is pixels per second.
static void sRunColormapOrder(benchmark::State& state, int iThreads) {
  RunUp lData(static_cast<int>(state.range(0)));
  long long lShown = 0;
  for (auto _ : state) {
    QVTFddColormapAlgoOrderInterpol lAlgo(lData._X.Get(), 0.0, kMaxFrequency, 0, lData._Z.Get(), kMinSpeed, kMaxSpeed,
                                          0, lData._Values.Get(), kPixels, kPixels, lData._Axis.Get(),
                                          lData._XScaling.Get(), lData._ZScaling.Get(), 0.02);
    lAlgo.SetThreads(iThreads);
    CATPixelImage lImage = lAlgo.MakeBitmap();
    const unsigned char* lPixels = lImage.GetPixels();
    lShown = 0;
    for (int p = 0; lPixels && p < kPixels * kPixels; ++p) lShown += lPixels[4 * p + 3] != 0;
    benchmark::DoNotOptimize(lPixels);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kPixels * kPixels);
  state.counters["valued"] = static_cast<double>(lShown) / (kPixels * kPixels);
}

static void BM_ColormapOrder(benchmark::State& state) { sRunColormapOrder(state, 1); }
BENCHMARK(BM_ColormapOrder)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same with a second thread: compare real times.
static void BM_ColormapOrderTwoThreads(benchmark::State& state) { sRunColormapOrder(state, 2); }
BENCHMARK(BM_ColormapOrderTwoThreads)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
