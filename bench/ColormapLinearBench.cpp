// Speed of the linear colour map algorithm: a 1999 x 1999 image from an n x n homogeneous matrix
// (stored one row per X, and one row per Z as images and .npy maps are) against reading every cell
// of that matrix once through the same interface, and 1000 x 1000
// images of non-homogeneous rows, the first (which resamples the rows) and a second of the same
// object (which reuses them). Throughput is in pixels (images) or cells (reading) per second. All
// on one thread, except the case named for two.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "ArrayMatrix.h"
#include "ColorScaleAxis.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "NumericArray.h"
#include "QVTFddColormapAlgoLineair.h"
#include "RefPtr.h"

namespace {

// Samples 0 .. n - 1.
RefPtr<MemoryDoubleVector> Samples(unsigned int n) {
  std::vector<double> lValues(n);
  for (unsigned int i = 0; i < n; ++i) lValues[i] = i;
  return RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(lValues)));
}

// Smooth waves over n x n samples.
RefPtr<MemoryDoubleMatrix> Waves(unsigned int n) {
  std::vector<double> lCells(size_t(n) * n);
  for (unsigned int i = 0; i < n; ++i)
    for (unsigned int k = 0; k < n; ++k) lCells[size_t(i) * n + k] = std::sin(0.01 * i) * std::cos(0.013 * k);
  return RefPtr<MemoryDoubleMatrix>(new MemoryDoubleMatrix(n, n, std::move(lCells)));
}

// The same waves stored one row per Z, values[i_z, i_x].
RefPtr<ArrayMatrix> WavesRowPerZ(unsigned int n) {
  std::vector<double> lCells(size_t(n) * n);
  for (unsigned int k = 0; k < n; ++k)
    for (unsigned int i = 0; i < n; ++i) lCells[size_t(k) * n + i] = std::sin(0.01 * i) * std::cos(0.013 * k);
  const RefPtr<NumericArray> lArray(NumericArray::FromValues(std::move(lCells), n, n, true));
  return RefPtr<ArrayMatrix>(new ArrayMatrix(lArray.Get(), ArrayMatrix::RowPerZ));
}

// An n x n field of smooth waves, X and Z samples at 0 .. n - 1.
struct Field {
  explicit Field(unsigned int n) : X(Samples(n)), Z(Samples(n)), Values(Waves(n)) {}

  RefPtr<MemoryDoubleVector> X;
  RefPtr<MemoryDoubleVector> Z;
  RefPtr<MemoryDoubleMatrix> Values;
};

// A 1999 x 1999 image of iValues over n x n samples.
void ColormapOf(benchmark::State& state, unsigned int n, CATSamIDoubleMatrix* iValues, int iThreads = 1) {
  const int kSize = 1999;
  const RefPtr<MemoryDoubleVector> lX(Samples(n)), lZ(Samples(n));
  const RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(-1.0, 1.0, ColorScaleAxis::Viridis));
  for (auto _ : state) {
    QVTFddColormapAlgoLineair lAlgo(lX.Get(), 0.0, n - 1.0, 1, lZ.Get(), 0.0, n - 1.0, 1, iValues, kSize, kSize,
                                    lAxis.Get());
    lAlgo.SetThreads(iThreads);
    CATPixelImage lImage = lAlgo.MakeBitmap();
    benchmark::DoNotOptimize(lImage.GetPixels());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kSize * kSize);
}

}  // namespace

static void BM_ColormapLinear(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  ColormapOf(state, n, Waves(n).Get());
}
BENCHMARK(BM_ColormapLinear)->Arg(500)->Arg(4000)->Unit(benchmark::kMillisecond);

// The same with a second thread: compare real times.
static void BM_ColormapLinearTwoThreads(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  ColormapOf(state, n, Waves(n).Get(), 2);
}
BENCHMARK(BM_ColormapLinearTwoThreads)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_ColormapLinearRowPerZ(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  ColormapOf(state, n, WavesRowPerZ(n).Get());
}
BENCHMARK(BM_ColormapLinearRowPerZ)->Arg(500)->Arg(4000)->Unit(benchmark::kMillisecond);

static void BM_MatrixReadBaseline(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  Field lField(n);
  const CATSamIDoubleMatrix* lValues = lField.Values.Get();
  for (auto _ : state) {
    double lSum = 0.0;
    for (unsigned int i = 0; i < n; ++i)
      for (unsigned int k = 0; k < n; ++k) lSum += lValues->GetValue(i, k);
    benchmark::DoNotOptimize(lSum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n * n);
}
BENCHMARK(BM_MatrixReadBaseline)->Arg(500)->Arg(4000)->Unit(benchmark::kMillisecond);

static void BM_ColormapNonHom(benchmark::State& state) {
  const int lRows = static_cast<int>(state.range(0));
  const int kSamples = 4000, kSize = 1000;
  // Every row has its own grid: spacings and starts that differ from row to row.
  std::vector<std::vector<double>> lX(static_cast<size_t>(lRows)), lValues(static_cast<size_t>(lRows));
  std::vector<double> lZ(static_cast<size_t>(lRows));
  for (int k = 0; k < lRows; ++k) {
    const double lStep = 1.0 + 0.25 * (k % 5);
    lZ[size_t(k)] = k;
    for (int i = 0; i < kSamples; ++i) {
      lX[size_t(k)].push_back(0.1 * (k % 3) + i * lStep);
      lValues[size_t(k)].push_back(std::sin(0.003 * i * lStep) * std::cos(0.01 * k));
    }
  }
  const RefPtr<MemoryDouble1p5D> lXRows(new MemoryDouble1p5D(lX));
  const RefPtr<MemoryDouble2DDim2NH> lRowValues(new MemoryDouble2DDim2NH(lValues));
  const RefPtr<MemoryDoubleVector> lZVector(new MemoryDoubleVector(lZ));
  const RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(-1.0, 1.0, ColorScaleAxis::Viridis));
  double lFirst = 0.0, lSecond = 0.0;
  for (auto _ : state) {
    QVTFddColormapAlgoLineair lAlgo(lXRows.Get(), 0.0, kSamples - 1.0, 1, lZVector.Get(), 0.0, lRows - 1.0, 1,
                                    lRowValues.Get(), kSize, kSize, lAxis.Get());
    const auto t0 = std::chrono::steady_clock::now();
    CATPixelImage lImage = lAlgo.MakeBitmap();
    const auto t1 = std::chrono::steady_clock::now();
    CATPixelImage lAgain = lAlgo.MakeBitmap();
    const auto t2 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(lImage.GetPixels());
    benchmark::DoNotOptimize(lAgain.GetPixels());
    lFirst += std::chrono::duration<double, std::milli>(t1 - t0).count();
    lSecond += std::chrono::duration<double, std::milli>(t2 - t1).count();
  }
  const double lIterations = static_cast<double>(state.iterations());
  state.counters["first_image_ms"] = lFirst / lIterations;
  state.counters["second_image_ms"] = lSecond / lIterations;
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 2 * kSize * kSize);
}
BENCHMARK(BM_ColormapNonHom)->Arg(1000)->Unit(benchmark::kMillisecond);

// Value queries on a 1999 x 1999 image of an n x n matrix, one at every step of a mouse moving
// across it: what a window asks at every move. Items are queries.
static void BM_ColormapGetValue(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const int kSize = 1999;
  Field lField(n);
  const RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(-1.0, 1.0, ColorScaleAxis::Viridis));
  QVTFddColormapAlgoLineair lAlgo(lField.X.Get(), 0.0, n - 1.0, 1, lField.Z.Get(), 0.0, n - 1.0, 1, lField.Values.Get(),
                                  kSize, kSize, lAxis.Get());
  CATPixelImage lImage = lAlgo.MakeBitmap();
  benchmark::DoNotOptimize(lImage.GetPixels());
  const double lStep = (n - 1.0) / 997.0;
  double lX = 0.0, lSum = 0.0;
  for (auto _ : state) {
    double lValue = 0.0;
    if (lAlgo.GetValue(lX, 0.5 * lX, lValue) == 0) lSum += lValue;
    lX += lStep;
    if (lX > n - 1.0) lX = 0.0;
  }
  benchmark::DoNotOptimize(lSum);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ColormapGetValue)->Arg(500)->Arg(4000);
