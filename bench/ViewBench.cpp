// The window's costs. BM_LevelsBuild: building a curve's levels of detail from the yardstick's
// vectors (compare with BM_ReadBaseline of the same n). BM_ViewFrame: whole frames of a window
// showing an n-sample curve (a new figure laid out for the view, axes, the curve drawn from its
// levels into a 1600 x 900 image surface through a cairo context), over 200 recorded views that zoom
// in a million-fold and out again while panning; its curves are computed on reading, so that 10^8
// samples cost no memory but their levels. BM_MapViewFrame: the same 200 views of a 4000 x 4000
// colour map. Each iteration is one frame; median_ms is the median frame of the run.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "CATFont.h"
#include "CATSamIDoubleVector.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ColormapData.h"
#include "CurveLevels.h"
#include "Figure.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "RefPtr.h"
#include "YardstickVectors.h"

namespace {

const int kFrameWidth = 1600;
const int kFrameHeight = 900;
const int kViews = 200;

// x = i, or a wave with noise and a spike every 10^6 samples, computed on reading.
class SyntheticVector : public CATSamIDoubleVector {
 public:
  SyntheticVector(unsigned int iLength, bool iWave) : _Length(iLength), _Wave(iWave) {}
  unsigned int GetLength() const override { return _Length; }
  double GetValue(unsigned int iIndex) const override {
    if (iIndex >= _Length) return NAN;
    if (!_Wave) return iIndex;
    const unsigned int lHash = iIndex * 2654435761u;
    return iIndex % 1000003u == 500000u ? 3.0 : std::sin(iIndex * 6e-6) + 0.2 * (lHash >> 8) / double(1u << 24);
  }

 private:
  unsigned int _Length;
  bool _Wave;
};

// View iView of the recorded sequence as the fraction [oLow, oHigh] of the data: 100 steps in
// towards a point that drifts, by 15 % each (a million-fold), then out again.
void View(int iView, double& oLow, double& oHigh) {
  const int lStep = iView < kViews / 2 ? iView : kViews - 1 - iView;
  const double lWidth = std::pow(1.15, -double(lStep));
  const double lCentre = 0.37 + 0.05 * std::sin(0.1 * iView) * lWidth;
  oLow = lCentre - 0.5 * lWidth;
  oHigh = lCentre + 0.5 * lWidth;
}

// Draws figures into one image surface and keeps the frame times.
struct Frames {
  Frames()
      : _Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kFrameWidth, kFrameHeight)),
        _Context(cairo_create(_Surface)),
        _Font(CATFont::CreateDefault()) {}
  ~Frames() {
    cairo_destroy(_Context);
    cairo_surface_destroy(_Surface);
  }
  void Draw(Figure& ioFigure) {
    const auto lStart = std::chrono::steady_clock::now();
    CATViewer lViewer(kFrameWidth, kFrameHeight);
    ioFigure.Build(lViewer, *_Font);
    CairoRender lRender(_Context, kFrameWidth, kFrameHeight);
    lRender.SetBackground(255, 255, 255);
    lViewer.Draw(lRender);
    cairo_surface_flush(_Surface);
    _Times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - lStart).count());
  }
  void Report(benchmark::State& state) {
    if (_Times.empty()) return;
    std::nth_element(_Times.begin(), _Times.begin() + _Times.size() / 2, _Times.end());
    state.counters["median_ms"] = _Times[_Times.size() / 2];
  }

  cairo_surface_t* _Surface;
  cairo_t* _Context;
  RefPtr<CATFont> _Font;
  std::vector<double> _Times;
};

}  // namespace

static void BM_LevelsBuild(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const YardstickVectors lData(n);
  for (auto _ : state) {
    CurveLevels lLevels(lData.X.Get(), lData.Y.Get());
    lLevels.Start();
    if (lLevels.Wait() != CurveLevels::eReady) state.SkipWithError("levels not built");
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
// The build runs on a thread of its own: the CPU time is the whole process's.
BENCHMARK(BM_LevelsBuild)->Arg(1000000)->Arg(10000000)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

static void BM_ViewFrame(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const RefPtr<SyntheticVector> lX(new SyntheticVector(n, false));
  const RefPtr<SyntheticVector> lY(new SyntheticVector(n, true));
  auto lLevels = std::make_shared<CurveLevels>(lX.Get(), lY.Get());
  lLevels->Start();
  if (lLevels->Wait() != CurveLevels::eReady) state.SkipWithError("levels not built");
  Frames lFrames;
  int lView = 0;
  for (auto _ : state) {
    double lLow, lHigh;
    View(lView++ % kViews, lLow, lHigh);
    Figure lFigure(kFrameWidth, kFrameHeight);
    PlotArea& lPlot = lFigure.AddPlot();
    lPlot.GetXAxis().SetRange(lLow * (n - 1.0), lHigh * (n - 1.0));
    lPlot.GetYAxis().SetRange(-1.5, 3.5);
    lPlot.AddCurve(lX.Get(), lY.Get(), "", false, lLevels);
    lFrames.Draw(lFigure);
  }
  lFrames.Report(state);
}
BENCHMARK(BM_ViewFrame)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Arg(100000000)
    ->Iterations(kViews)
    ->Unit(benchmark::kMillisecond);

static void BM_MapViewFrame(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  std::vector<double> lSamples(n), lCells(size_t(n) * n);
  for (unsigned int i = 0; i < n; ++i) {
    lSamples[i] = i;
    for (unsigned int k = 0; k < n; ++k) lCells[size_t(i) * n + k] = std::sin(0.01 * i) * std::cos(0.013 * k);
  }
  const RefPtr<MemoryDoubleVector> lAxis(new MemoryDoubleVector(lSamples));
  const RefPtr<MemoryDoubleMatrix> lValues(new MemoryDoubleMatrix(n, n, std::move(lCells)));
  Frames lFrames;
  int lView = 0;
  for (auto _ : state) {
    double lLow, lHigh;
    View(lView++ % kViews, lLow, lHigh);
    // The recorded views zoom a million-fold into a curve; a map is zoomed to at most a sample.
    const double lCentre = 0.5 * (lLow + lHigh) * (n - 1.0);
    const double lHalf = std::max(0.5 * (lHigh - lLow) * (n - 1.0), 2.0);
    Figure lFigure(kFrameWidth, kFrameHeight);
    PlotArea& lPlot = lFigure.AddPlot();
    ColormapData lData;
    lData.X = lAxis.Get();
    lData.Z = lAxis.Get();
    lData.Values = lValues.Get();
    // A view is computed from the samples in it.
    lData.XMin = lData.ZMin = lCentre - lHalf;
    lData.XMax = lData.ZMax = lCentre + lHalf;
    lPlot.SetColormap(lData);
    lPlot.SetColorScale(ColorScaleAxis::Viridis, -1.0, 1.0, "");
    lPlot.GetXAxis().SetRange(lData.XMin, lData.XMax);
    lPlot.GetYAxis().SetRange(lData.ZMin, lData.ZMax);
    lFrames.Draw(lFigure);
  }
  lFrames.Report(state);
}
BENCHMARK(BM_MapViewFrame)->Arg(4000)->Iterations(kViews)->Unit(benchmark::kMillisecond);
