// Yardstick of the drawing benchmarks: one pass that reads two data vectors through the host's
// data-vector interface and sums them. Other cases report their speed as a ratio to it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "MemoryDoubleVector.h"
#include "RefPtr.h"

static void BM_ReadBaseline(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  std::vector<double> x(n), y(n);
  for (unsigned int i = 0; i < n; ++i) {
    x[i] = i;
    y[i] = std::sin(0.001 * i);
  }
  const RefPtr<MemoryDoubleVector> lX(new MemoryDoubleVector(std::move(x)));
  const RefPtr<MemoryDoubleVector> lY(new MemoryDoubleVector(std::move(y)));
  const CATSamIVector* lXRead = lX.Get();
  const CATSamIVector* lYRead = lY.Get();
  for (auto _ : state) {
    double lSum = 0.0;
    for (unsigned int i = 0; i < n; ++i) lSum += lXRead->GetValue(i) + lYRead->GetValue(i);
    benchmark::DoNotOptimize(lSum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_ReadBaseline)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
