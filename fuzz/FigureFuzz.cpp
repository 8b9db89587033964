// libFuzzer target for whole figures: fuzzed vectors (NaN, infinities, the ends of the double
// range, repeated and unordered values), sizes, limits and options build a plot area of curves,
// symbols, bars, a regular or non-homogeneous colour map (linear or order-interpolated) or a
// contribution bar, which is laid out and drawn into the recording render. Any input must draw
// or draw nothing; it must never crash, hang, leak or touch memory it does not own.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "CATFont.h"
#include "CATViewer.h"
#include "ColormapData.h"
#include "Figure.h"
#include "LinearScaling.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "RecordingRender.h"
#include "RefPtr.h"

namespace {

double Value(FuzzedDataProvider& ioData) {
  static const double kSpecial[] = {std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    1e308,
                                    -1e308,
                                    std::numeric_limits<double>::max(),
                                    std::numeric_limits<double>::denorm_min(),
                                    1e-307,
                                    0.0,
                                    -0.0};
  switch (ioData.ConsumeIntegralInRange(0, 3)) {
    case 0: return ioData.PickValueInArray(kSpecial);
    case 1: return ioData.ConsumeFloatingPoint<double>();
    default: return ioData.ConsumeIntegralInRange(-50, 50) * 0.5;  // small, often repeated
  }
}

std::vector<double> Values(FuzzedDataProvider& ioData, size_t iCount) {
  std::vector<double> lValues;
  for (size_t i = 0; i < iCount; ++i) lValues.push_back(Value(ioData));
  return lValues;
}

// Mostly ascending, sometimes fuzzed, so that the drawing code past the order checks is reached.
std::vector<double> Axis(FuzzedDataProvider& ioData, size_t iCount) {
  if (ioData.ConsumeBool()) return Values(ioData, iCount);
  const double lStart = Value(ioData), lStep = Value(ioData);
  std::vector<double> lValues;
  for (size_t i = 0; i < iCount; ++i) lValues.push_back(lStart + lStep * static_cast<double>(i));
  return lValues;
}

void Limits(FuzzedDataProvider& ioData, double& oLow, double& oHigh) {
  oLow = oHigh = std::numeric_limits<double>::quiet_NaN();
  if (ioData.ConsumeBool()) {
    oLow = Value(ioData);
    oHigh = Value(ioData);
  }
}

// Keeps a new data object until the run ends; the figure takes references of its own.
template <class T>
T* Held(std::vector<RefPtr<CATBaseUnknown>>& ioHeld, T* iNew) {
  ioHeld.emplace_back(iNew);
  return iNew;
}

CATFont* Font() {
  static CATFont* sFont = CATFont::CreateDefault();
  return sFont;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  FuzzedDataProvider lData(iData, iSize);
  const int lKind = lData.ConsumeIntegralInRange(0, 3);
  // Order maps are costly per pixel: keep their pictures small; others may pass the image limit.
  const int lMaxSide = lKind == 1 ? 320 : 2200;
  const int lWidth = lData.ConsumeIntegralInRange(16, lMaxSide);
  const int lHeight = lData.ConsumeIntegralInRange(16, lKind == 1 ? 320 : 500);
  std::vector<RefPtr<CATBaseUnknown>> lHeld;
  Figure lFigure(lWidth, lHeight);
  PlotArea& lPlot = lFigure.AddPlot();
  lPlot.SetTitle(lData.ConsumeRandomLengthString(40));
  lPlot.GetXAxis().SetLabel(lData.ConsumeRandomLengthString(20));
  double lLow = 0.0, lHigh = 0.0;
  Limits(lData, lLow, lHigh);
  lPlot.SetColorScale(ColorScaleAxis::Viridis, lLow, lHigh, "v");

  if (lKind == 0) {  // curves, symbols and bars
    lPlot.GetXAxis().SetLog(lData.ConsumeBool());
    lPlot.GetYAxis().SetLog(lData.ConsumeBool());
    const int lCurves = lData.ConsumeIntegralInRange(1, 3);
    for (int c = 0; c < lCurves; ++c) {
      const size_t n = lData.ConsumeIntegralInRange<size_t>(0, 64);
      MemoryDoubleVector* x = Held(lHeld, new MemoryDoubleVector(Axis(lData, n)));
      MemoryDoubleVector* y = Held(lHeld, new MemoryDoubleVector(Values(lData, lData.ConsumeBool() ? n : n / 2)));
      if (lData.ConsumeBool())
        lPlot.AddBars(x, y, "bars");
      else
        lPlot.AddCurve(x, y, "curve " + std::to_string(c), lData.ConsumeBool());
    }
  } else if (lKind == 1 || lKind == 2) {  // colour maps
    ColormapData lMap;
    const size_t nx = lData.ConsumeIntegralInRange<size_t>(0, 12), nz = lData.ConsumeIntegralInRange<size_t>(0, 12);
    MemoryDoubleVector* z = Held(lHeld, new MemoryDoubleVector(Axis(lData, nz)));
    lMap.Z = z;
    if (lData.ConsumeBool()) {
      MemoryDoubleVector* x = Held(lHeld, new MemoryDoubleVector(Axis(lData, nx)));
      MemoryDoubleMatrix* v =
          Held(lHeld, new MemoryDoubleMatrix(static_cast<unsigned int>(nx), static_cast<unsigned int>(nz),
                                             Values(lData, lData.ConsumeBool() ? nx * nz : nx)));
      lMap.X = x;
      lMap.Values = v;
    } else {
      std::vector<std::vector<double>> lRows, lValueRows;
      for (size_t j = 0; j < nz; ++j) {
        const size_t n = lData.ConsumeIntegralInRange<size_t>(0, 12);
        lRows.push_back(Axis(lData, n));
        lValueRows.push_back(Values(lData, lData.ConsumeBool() ? n : n / 2));
      }
      MemoryDouble1p5D* x = Held(lHeld, new MemoryDouble1p5D(lRows));
      MemoryDouble2DDim2NH* v = Held(lHeld, new MemoryDouble2DDim2NH(lValueRows));
      lMap.XRows = x;
      lMap.ValueRows = v;
    }
    Limits(lData, lMap.XMin, lMap.XMax);
    Limits(lData, lMap.ZMin, lMap.ZMax);
    lMap.Order = lKind == 1;
    lMap.Tolerance = lData.ConsumeBool() ? 0.02 : Value(lData);
    lMap.ZScaling = Held(lHeld, new LinearScaling(lData.ConsumeBool() ? 1.0 / 60.0 : Value(lData)));
    lPlot.SetColormap(lMap);
  } else {  // contribution bars
    const size_t n = lData.ConsumeIntegralInRange<size_t>(0, 64);
    MemoryDoubleVector* x = Held(lHeld, new MemoryDoubleVector(Axis(lData, n)));
    MemoryDoubleVector* y = Held(lHeld, new MemoryDoubleVector(Values(lData, lData.ConsumeBool() ? n : n / 2)));
    lPlot.AddContributionBar(x, y, lData.ConsumeBool());
  }

  if (Font()) {
    CATViewer lViewer(lWidth, lHeight);
    lFigure.Build(lViewer, *Font());
    RecordingRender lRender(lWidth, lHeight);
    lViewer.Draw(lRender);
    double lValue = 0.0;
    lPlot.GetMapValue(Value(lData), Value(lData), lValue);
  }
  return 0;
}
