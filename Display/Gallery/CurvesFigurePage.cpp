#include "CurvesFigurePage.h"

#include <cmath>
#include <vector>

#include "CATViewer.h"
#include "Figure.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"
#include "RefPtr.h"

namespace {

const double kPi = 3.14159265358979323846;

RefPtr<MemoryDoubleVector> Vector(const std::vector<double>& iValues) {
  return RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(iValues));
}

// A vector of iCount values of iFunction at x_i.
template <typename F>
RefPtr<MemoryDoubleVector> Sample(const std::vector<double>& iX, F iFunction) {
  std::vector<double> lValues;
  lValues.reserve(iX.size());
  for (double x : iX) lValues.push_back(iFunction(x));
  return Vector(lValues);
}

void Label(PlotArea& ioPlot, const char* iTitle, const char* iXLabel, const char* iYLabel) {
  ioPlot.SetTitle(iTitle);
  ioPlot.GetXAxis().SetLabel(iXLabel);
  ioPlot.GetYAxis().SetLabel(iYLabel);
}

std::vector<double> Even(double iFrom, double iTo, int iCount) {
  std::vector<double> lValues;
  for (int i = 0; i < iCount; ++i) lValues.push_back(iFrom + (iTo - iFrom) * i / (iCount - 1));
  return lValues;
}

// Step responses of a second-order system for three dampings, and a noisy measurement with symbols.
void Signals(PlotArea& ioPlot) {
  Label(ioPlot, "Step response of a second-order system", "Time [s]", "Position [mm]");
  const std::vector<double> lTime = Even(0.0, 10.0, 2001);
  const RefPtr<MemoryDoubleVector> lT = Vector(lTime);
  for (double lZeta : {0.1, 0.3, 0.7}) {
    const RefPtr<MemoryDoubleVector> lY = Sample(lTime, [lZeta](double t) {
      const double w = std::sqrt(1.0 - lZeta * lZeta);
      return 1.0 - std::exp(-lZeta * 2.0 * t) * (std::cos(2.0 * w * t) + lZeta / w * std::sin(2.0 * w * t));
    });
    char lName[32];
    std::snprintf(lName, sizeof lName, "damping %.1f", lZeta);
    ioPlot.AddCurve(lT.Get(), lY.Get(), lName, false);
  }
  // A measurement: 41 samples with a little deterministic scatter.
  const std::vector<double> lSampled = Even(0.0, 10.0, 41);
  const RefPtr<MemoryDoubleVector> lS = Vector(lSampled);
  int k = 0;
  const RefPtr<MemoryDoubleVector> lM = Sample(lSampled, [&k](double t) {
    const double w = std::sqrt(1.0 - 0.09);
    const double lExact = 1.0 - std::exp(-0.6 * t) * (std::cos(2.0 * w * t) + 0.3 / w * std::sin(2.0 * w * t));
    return lExact + 0.04 * std::sin(12.9898 * (++k));
  });
  ioPlot.AddCurve(lS.Get(), lM.Get(), "measured", true);
}

// The magnitude of a low-pass filter with a resonance, over five decades.
void FrequencyResponse(PlotArea& ioPlot) {
  Label(ioPlot, "Frequency response", "Frequency [Hz]", "Gain");
  ioPlot.GetXAxis().SetLog(true);
  ioPlot.GetYAxis().SetLog(true);
  ioPlot.ShowAxis(PlotArea::Top, true);
  ioPlot.ShowAxis(PlotArea::Right, true);
  std::vector<double> lHz;
  for (int i = 0; i <= 1000; ++i) lHz.push_back(std::pow(10.0, -1.0 + 5.0 * i / 1000));
  const RefPtr<MemoryDoubleVector> lF = Vector(lHz);
  const RefPtr<MemoryDoubleVector> lGain = Sample(lHz, [](double f) {
    const double u = f / 100.0, d = 0.08;
    return 1.0 / std::sqrt((1 - u * u) * (1 - u * u) + (2 * d * u) * (2 * d * u));
  });
  ioPlot.AddCurve(lF.Get(), lGain.Get(), "", false);
}

void Bars(PlotArea& ioPlot) {
  Label(ioPlot, "Energy per month", "Month", "Energy [MWh]");
  const std::vector<double> lMonths = Even(1, 12, 12);
  const RefPtr<MemoryDoubleVector> lX = Vector(lMonths);
  const RefPtr<MemoryDoubleVector> lPlanned = Sample(lMonths, [](double m) { return 300 + 220 * std::cos(2 * kPi * (m - 1) / 12); });
  ioPlot.AddBars(lX.Get(), lPlanned.Get(), "");
}

// Values near a million that differ in their last digits: long value texts widen the left margin.
void LongTexts(PlotArea& ioPlot) {
  Label(ioPlot, "Counter readings", "Sample", "Count");
  const std::vector<double> lIndex = Even(0, 200, 201);
  const RefPtr<MemoryDoubleVector> lX = Vector(lIndex);
  const RefPtr<MemoryDoubleVector> lCount = Sample(lIndex, [](double i) { return 1234500.0 + 0.25 * i + 3.0 * std::sin(i / 9.0); });
  ioPlot.AddCurve(lX.Get(), lCount.Get(), "", false);
}

}  // namespace

void CurvesFigurePage::Build(CATViewer& ioViewer, CATFont& iFont) {
  Figure lFigure(ioViewer.GetViewport().GetWidth(), ioViewer.GetViewport().GetHeight());
  Signals(lFigure.AddPlot(0.0, 0.5, 0.6, 1.0));
  FrequencyResponse(lFigure.AddPlot(0.6, 0.5, 1.0, 1.0));
  Bars(lFigure.AddPlot(0.0, 0.0, 0.5, 0.5));
  LongTexts(lFigure.AddPlot(0.5, 0.0, 1.0, 0.5));
  lFigure.Build(ioViewer, iFont);
}
