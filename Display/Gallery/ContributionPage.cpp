#include "ContributionPage.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "CATMathBox2D.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "PagePanels.h"
#include "Scene.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddContributionBarRep.h"
#include "RefPtr.h"

// Model units are millimetres of a 160 x 100 page: three horizontal bars on the left, a spectrum
// below them, and the three colour tables as vertical bars on the right.
namespace {

typedef QVTFddContributionAlgoLineair Algo;

const double kPi = 3.14159265358979323846;
const double kCaption = 3.0;
const double kSmall = 2.4;

CATGraphicAttributeSet FrameColor() { return Scene::Color(150, 155, 165); }

// A framed contribution bar of the samples (iArgs, iRes) over [iMin, iMax], coloured by a
// iTable axis over [0, 1]. The representation holds its own references.
void Bar(CATViewer& ioViewer, const CATMathBox2D& iBox, Algo::eBarDirection iDirection, std::vector<double> iArgs,
         std::vector<double> iRes, double iMin, double iMax, ColorScaleAxis::eTable iTable) {
  const RefPtr<MemoryDoubleVector> lArgs(new MemoryDoubleVector(std::move(iArgs)));
  const RefPtr<MemoryDoubleVector> lRes(new MemoryDoubleVector(std::move(iRes)));
  const RefPtr<ColorScaleAxis> lAxis(new ColorScaleAxis(0.0, 1.0, iTable));
  if (lArgs && lRes && lAxis)
    Scene::Add(ioViewer,
               new QVTFddContributionBarRep(iBox, iDirection, lArgs.Get(), iMin, iMax, lRes.Get(), lAxis.Get()));
  Scene::Outline(ioViewer, iBox, FrameColor());
}

// Deterministic noise in [0, 1).
double Noise(uint32_t& ioState) {
  ioState ^= ioState << 13;
  ioState ^= ioState >> 17;
  ioState ^= ioState << 5;
  return (ioState % 100000) / 100000.0;
}

void ManySamples(CATViewer& ioViewer, CATFont& iFont) {
  // 200 000 samples on about 690 pixels: a noise floor, a broad hump and three peaks of a
  // single sample each, which the per-pixel maximum keeps.
  const int n = 200000;
  std::vector<double> lArgs(n), lRes(n);
  uint32_t lState = 2463534242u;
  for (int k = 0; k < n; ++k) {
    const double x = double(k) / (n - 1);
    lArgs[size_t(k)] = x;
    lRes[size_t(k)] = 0.06 + 0.10 * Noise(lState) + 0.45 * std::exp(-std::pow((x - 0.25) / 0.07, 2));
  }
  lRes[size_t(n * 0.55)] = 1.0;
  lRes[size_t(n * 0.70)] = 0.85;
  lRes[size_t(n * 0.86)] = 0.7;
  Bar(ioViewer, CATMathBox2D(6, 116, 72, 81), Algo::HorizontalBar, std::move(lArgs), std::move(lRes), 0.0, 1.0,
      ColorScaleAxis::Viridis);
  Scene::Caption(ioViewer, iFont, 6, 83, kCaption, "200 000 samples: each pixel shows its maximum");
  Scene::Caption(ioViewer, iFont, 6, 68.5, kSmall, "the three single-sample peaks stay visible");
}

void FewSamples(CATViewer& ioViewer, CATFont& iFont) {
  // Eight samples: the pixels between them interpolate; ticks mark where the samples lie.
  const double lValues[] = {0.1, 0.8, 0.3, 0.95, 0.5, 0.2, 0.7, 0.4};
  std::vector<double> lArgs, lRes;
  for (int k = 0; k < 8; ++k) {
    lArgs.push_back(k / 7.0);
    lRes.push_back(lValues[k]);
    const double x = 6 + 110 * k / 7.0;
    Scene::Polyline(ioViewer, {CATMathPoint2D(x, 49.8), CATMathPoint2D(x, 51.5)}, Scene::Color(60, 60, 60, 255, 1));
  }
  Bar(ioViewer, CATMathBox2D(6, 116, 52, 61), Algo::HorizontalBar, std::move(lArgs), std::move(lRes), 0.0, 1.0,
      ColorScaleAxis::Viridis);
  Scene::Caption(ioViewer, iFont, 6, 63, kCaption, "8 samples: interpolated between them");
  Scene::Caption(ioViewer, iFont, 6, 46.5, kSmall, "ticks: the sample positions");
}

void WiderRange(CATViewer& ioViewer, CATFont& iFont) {
  // Data over [0, 1] shown over [-0.25, 1.25]: the ends have no data and stay transparent, so
  // the hatched background shows through.
  const CATMathBox2D lBox(6, 116, 31, 40);
  std::vector<double> lArgs, lRes;
  for (int k = 0; k <= 60; ++k) {
    const double x = k / 60.0;
    lArgs.push_back(x);
    lRes.push_back(0.5 + 0.4 * std::sin(2 * kPi * 1.5 * x));
  }
  for (double x = 6.4; x < 116; x += 2.2)
    Scene::Polyline(ioViewer, {CATMathPoint2D(x, 31.3), CATMathPoint2D(x + 1.6, 39.7)}, Scene::Color(200, 203, 210, 255, 1));
  Bar(ioViewer, lBox, Algo::HorizontalBar, std::move(lArgs), std::move(lRes), -0.25, 1.25, ColorScaleAxis::Viridis);
  Scene::Caption(ioViewer, iFont, 6, 42, kCaption, "range wider than the data: transparent ends");
}

void Spectrum(CATViewer& ioViewer, CATFont& iFont) {
  // An order spectrum of a machine: harmonics of decreasing height over a noise floor, in the
  // rainbow table used for spectra.
  const int n = 50000;
  std::vector<double> lArgs(n), lRes(n);
  uint32_t lState = 123456789u;
  for (int k = 0; k < n; ++k) {
    const double lOrder = 20.0 * k / (n - 1);
    double v = 0.05 + 0.08 * Noise(lState);
    for (int h = 1; h <= 12; ++h)
      v += 0.85 * std::exp(-0.22 * (h - 1)) * std::exp(-std::pow((lOrder - 1.5 * h) / 0.1, 2));
    lArgs[size_t(k)] = lOrder;
    lRes[size_t(k)] = v;
  }
  Bar(ioViewer, CATMathBox2D(6, 116, 10, 19), Algo::HorizontalBar, std::move(lArgs), std::move(lRes), 0.0, 20.0,
      ColorScaleAxis::Rainbow);
  Scene::Caption(ioViewer, iFont, 6, 21, kCaption, "an order spectrum in the rainbow table");
  Scene::Caption(ioViewer, iFont, 6, 6, kSmall, "50 000 samples, orders 0 to 20");
}

void ColourTables(CATViewer& ioViewer, CATFont& iFont) {
  // The same ramp, 0 at the bottom to 1 at the top, in each table.
  Scene::Caption(ioViewer, iFont, 124, 83, kCaption, "colour tables");
  const ColorScaleAxis::eTable lTables[] = {ColorScaleAxis::Viridis, ColorScaleAxis::Rainbow, ColorScaleAxis::Grey};
  for (int i = 0; i < 3; ++i) {
    const double x = 127 + 11.5 * i;
    Bar(ioViewer, CATMathBox2D(x, x + 6, 14, 79), Algo::VerticalBar, {0.0, 1.0}, {0.0, 1.0}, 0.0, 1.0, lTables[i]);
    Scene::Caption(ioViewer, iFont, x - 1.5, 9.5, kSmall, ColorScaleAxis::TableName(lTables[i]));
  }
}

}  // namespace

void ContributionPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 160.0, 0.0, 100.0);
  Scene::Caption(ioViewer, iFont, 5, 92, 5, "Contribution bars");
  PagePanels::Build(ioViewer, iFont, {&ManySamples, &FewSamples, &WiderRange, &Spectrum, &ColourTables});
}
