// The spectrogram of 2^24 samples (frames of 4096, overlap 0.75) reduced into 1000 columns, against
// its yardstick: the same number of bare FFTW transforms of 4096 samples on prepared buffers. The
// ratio is what windowing, magnitudes and the reduction into columns add to the transforms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "ArrayVector.h"
#include "NumericArray.h"
#include "RealFft.h"
#include "FrameColumns.h"

namespace {

constexpr int kNfft = 4096;
constexpr double kOverlap = 0.75;

FrameSettings Settings() {
  FrameSettings s;
  s.Nfft = kNfft;
  s.Overlap = kOverlap;
  s.Rate = 48000.0;
  return s;
}

}  // namespace

static void BM_FftBaseline(benchmark::State& state) {
  const unsigned long long lFrames = Settings().Frames(static_cast<unsigned long long>(state.range(0)));
  const RealFft* lFft = RealFft::For(kNfft);
  RealFft::Samples lSamples = lFft->NewSamples();
  RealFft::Bins lBins = lFft->NewBins();
  for (int i = 0; i < kNfft; ++i) lSamples[i] = std::sin(0.01 * i);
  for (auto _ : state) {
    for (unsigned long long f = 0; f < lFrames; ++f) {
      lFft->Execute(lSamples.get(), lBins.get());
      benchmark::DoNotOptimize(lBins[1]);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_FftBaseline)->Arg(16777216)->Unit(benchmark::kMillisecond);

static void BM_Spectrogram(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  std::vector<double> lValues(n);
  for (unsigned int i = 0; i < n; ++i) lValues[i] = std::sin(0.001 * i * (1.0 + i * 1e-8)) + 1e-3 * ((i * 7919) % 101);
  const RefPtr<NumericArray> lArray(NumericArray::FromValues(std::move(lValues), n, 1, false));
  const RefPtr<ArrayVector> lSignal(new ArrayVector(lArray.Get(), 0, n));
  std::vector<std::string> lWarnings;
  std::string lError;
  for (auto _ : state) {
    FrameColumns lColumns;
    if (!lColumns.Compute(*lSignal, Settings(), 1000, NAN, NAN, lWarnings, lError)) state.SkipWithError(lError.c_str());
    benchmark::DoNotOptimize(lColumns.GetValues().data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Spectrogram)->Arg(16777216)->Unit(benchmark::kMillisecond);
