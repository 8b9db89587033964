// Yardstick of the drawing benchmarks: one pass that reads two data vectors through the host's
// data-vector interface and sums them. Other cases report their speed as a ratio to it.
#include <benchmark/benchmark.h>

#include "YardstickVectors.h"

static void BM_ReadBaseline(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const YardstickVectors lData(n);
  const CATSamIVector* lXRead = lData.X.Get();
  const CATSamIVector* lYRead = lData.Y.Get();
  for (auto _ : state) {
    double lSum = 0.0;
    for (unsigned int i = 0; i < n; ++i) lSum += lXRead->GetValue(i) + lYRead->GetValue(i);
    benchmark::DoNotOptimize(lSum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_ReadBaseline)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
