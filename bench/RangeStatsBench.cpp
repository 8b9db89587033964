// Statistics of ranges of a curve from its levels of detail: 1000 random ranges over n samples,
// for n = 10^6 .. 10^8. Each range costs O(log n) blocks and two ends shorter than a block, so the
// time per range at 10^8 stays within twice that at 10^6 (compare the cases of one run; the
// counter ranges_per_s is the throughput).
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "CATSamIDoubleVector.h"
#include "CurveLevels.h"
#include "RefPtr.h"

namespace {

// x = i, or y = a noisy wave with a gap every 997 samples, computed on reading (no 800 MB array).
class ComputedVector : public CATSamIDoubleVector {
 public:
  ComputedVector(unsigned int iLength, bool iWave) : _Length(iLength), _Wave(iWave) {}
  unsigned int GetLength() const override { return _Length; }
  double GetValue(unsigned int iIndex) const override {
    if (iIndex >= _Length) return NAN;
    if (!_Wave) return iIndex;
    if (iIndex % 997u == 0) return NAN;
    return std::sin(iIndex * 1e-5) + 0.1 * ((iIndex * 2654435761u) >> 8) / double(1u << 24);
  }

 private:
  unsigned int _Length;
  bool _Wave;
};

}  // namespace

static void BM_RangeStats(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const RefPtr<ComputedVector> lX(new ComputedVector(n, false)), lY(new ComputedVector(n, true));
  CurveLevels lLevels(lX.Get(), lY.Get());
  lLevels.Start();
  if (lLevels.Wait() != CurveLevels::eReady) {
    state.SkipWithError("levels not built");
    return;
  }
  std::mt19937_64 lRandom(1);
  const int kRanges = 1000;
  for (auto _ : state) {
    double lTotal = 0.0;
    for (int i = 0; i < kRanges; ++i) {
      const double lA = double(lRandom() % n), lB = double(lRandom() % n);
      lTotal += lLevels.GetStatsOver(std::min(lA, lB), std::max(lA, lB)).GetMean();
    }
    benchmark::DoNotOptimize(lTotal);
  }
  state.counters["ranges_per_s"] = benchmark::Counter(double(kRanges), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RangeStats)->Arg(1000000)->Arg(10000000)->Arg(100000000)->Unit(benchmark::kMillisecond);
