// Pixel-job mapping and contribution bitmaps over sorted vectors of many samples, to be read
// against BM_ReadBaseline of the same sample count (one pass reading two vectors).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "ColorScaleAxis.h"
#include "MemoryDoubleVector.h"
#include "QVTFddContributionAlgoLineair.h"
#include "QVTFddComputePixelJobs.h"
#include "RefPtr.h"

namespace {

constexpr int kPixels = 1999;

// Arguments 0 .. n - 1, as the baseline reads them.
RefPtr<MemoryDoubleVector> NewArguments(unsigned int n) {
  std::vector<double> lValues(n);
  for (unsigned int i = 0; i < n; ++i) lValues[i] = i;
  return RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(lValues)));
}

}  // namespace

// n samples mapped onto a strip of 1999 pixels covering all of them.
static void BM_PixelJobs(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const RefPtr<MemoryDoubleVector> lArgs = NewArguments(n);
  std::vector<QVTFddPixelJob> lJobs(kPixels);
  for (auto _ : state) {
    QVTFddComputePixelJobs(lArgs.Get(), 0.0, n - 1.0, 1, lJobs.data(), kPixels);
    benchmark::DoNotOptimize(lJobs.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_PixelJobs)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// A horizontal bar of 1999 x 40 pixels from n samples: mapping, per-pixel maxima, colours and
// the copied rows.
static void BM_ContributionBitmap(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const RefPtr<MemoryDoubleVector> lArgs = NewArguments(n);
  std::vector<double> lValues(n);
  for (unsigned int i = 0; i < n; ++i) lValues[i] = std::sin(0.001 * i);
  const RefPtr<MemoryDoubleVector> lRes(new MemoryDoubleVector(std::move(lValues)));
  const RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(-1.0, 1.0));
  {
    QVTFddContributionAlgoLineair lAlgo(lArgs.Get(), 0.0, n - 1.0, 1, lRes.Get(), kPixels, 40, lAxis.Get(),
                                        QVTFddContributionAlgoLineair::HorizontalBar);
    for (auto _ : state) {
      CATPixelImage lImage = lAlgo.MakeBitmap();
      benchmark::DoNotOptimize(lImage.GetPixels());
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
  state.counters["pixels/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kPixels * 40, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContributionBitmap)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
