// The physical limit of the drawing benchmarks: summing contiguous doubles straight from memory,
// with several accumulators so that the adds do not wait on each other. BM_MemoryBaseline reads
// two arrays of n values (a curve's X and Y); BM_MatrixMemoryBaseline reads an n x n matrix (a
// colour map's cells). Other cases report their time as a ratio to these.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// Sum of iCount values with eight independent accumulators.
double SumOf(const double* iValues, size_t iCount) {
  double lSum[8] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  size_t i = 0;
  for (; i + 8 <= iCount; i += 8)
    for (int k = 0; k < 8; ++k) lSum[k] += iValues[i + size_t(k)];
  for (; i < iCount; ++i) lSum[0] += iValues[i];
  return ((lSum[0] + lSum[1]) + (lSum[2] + lSum[3])) + ((lSum[4] + lSum[5]) + (lSum[6] + lSum[7]));
}

}  // namespace

static void BM_MemoryBaseline(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  std::vector<double> lX(n), lY(n);
  for (size_t i = 0; i < n; ++i) {
    lX[i] = static_cast<double>(i);
    lY[i] = std::sin(0.001 * static_cast<double>(i));
  }
  for (auto _ : state) {
    const double lSum = SumOf(lX.data(), n) + SumOf(lY.data(), n);
    benchmark::DoNotOptimize(lSum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
}
BENCHMARK(BM_MemoryBaseline)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

static void BM_MatrixMemoryBaseline(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  std::vector<double> lCells(n * n);
  for (size_t i = 0; i < n; ++i)
    for (size_t k = 0; k < n; ++k) lCells[i * n + k] = std::sin(0.01 * double(i)) * std::cos(0.013 * double(k));
  for (auto _ : state) {
    const double lSum = SumOf(lCells.data(), n * n);
    benchmark::DoNotOptimize(lSum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n * n));
}
BENCHMARK(BM_MatrixMemoryBaseline)->Arg(500)->Arg(4000)->Unit(benchmark::kMillisecond);
