#include "AnalysisPage.h"

#include <string>
#include <vector>

#include "CATViewer.h"
#include "Figure.h"
#include "NumericArray.h"
#include "PlotArea.h"
#include "RequestCheck.h"
#include "RunupPlot.h"
#include "TimeFrequencyPlot.h"
#include "PowerPlot.h"
#include "SyntheticRunUp.h"

namespace {

constexpr double kRate = 8192.0;

// The recording: microphone and tacho as arrays.
struct Recording {
  DataInput Signal;
  DataInput Tacho;
};

DataInput Input(std::vector<double> iValues, const char* iName) {
  const unsigned int n = static_cast<unsigned int>(iValues.size());
  return DataInput{{}, RefPtr<NumericArray>(NumericArray::FromValues(std::move(iValues), n, 1, false)), iName};
}

Recording Record() {
  SyntheticRunUp r;
  r.Rate = kRate;
  r.Profile = {{0.0, 600.0}, {30.0, 6000.0}};
  r.Orders = {{2.0, 1.0}, {4.5, 0.5}, {6.0, 0.3}};
  r.ResonanceHz = 350.0;
  r.ResonanceGain = 4.0;
  r.ResonanceWidthHz = 12.0;
  r.Noise = 0.02;
  r.KnockTime = 17.3;
  r.Knock = 40.0;
  std::vector<double> lSignal, lTacho, lRpm;
  r.Make(lSignal, lTacho, lRpm);
  return {Input(std::move(lSignal), "microphone"), Input(std::move(lTacho), "tacho")};
}

// The analysis options the four plots share.
template <class R>
R Request(const Recording& iRecording, const char* iTitle) {
  R lRequest;
  lRequest.Signal = iRecording.Signal;
  lRequest.Rate = kRate;
  lRequest.Nfft = 2048;
  lRequest.Db = true;
  lRequest.Title = iTitle;
  lRequest.Size = "700x500";
  return lRequest;
}

// Computes iRequest with iPlot and shows it on ioArea; a failure leaves the area with its title.
template <class R, class P, typename Compute>
void Show(R& ioRequest, P& ioPlot, PlotArea& ioArea, Compute&& iCompute) {
  RequestError lError;
  std::vector<std::string> lWarnings;
  if (RequestCheck::Run(ioRequest, lError) && iCompute(ioRequest, lError, lWarnings) &&
      ioPlot.Load(ioRequest.Width, ioRequest.Height, lError, lWarnings))
    ioPlot.Show(ioArea);
  else
    ioArea.SetTitle(std::string(ioRequest.Title) + ": " + lError.Message);
}

}  // namespace

void AnalysisPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  const Recording lRecording = Record();
  Figure lFigure(ioViewer.GetViewport().GetWidth(), ioViewer.GetViewport().GetHeight());

  PowerRequest lSpectrum = Request<PowerRequest>(lRecording, "Spectrum (Welch, Hann, 2048 points)");
  lSpectrum.XLimits = "0,1000";
  PowerPlot lSpectrumPlot;
  Show(lSpectrum, lSpectrumPlot, lFigure.AddPlot(0.0, 0.5, 0.5, 1.0), [&](auto& r, auto& e, auto& w) {
    return lSpectrumPlot.Compute(r, e, w);
  });

  TimeFrequencyRequest lSpectrogram = Request<TimeFrequencyRequest>(lRecording, "Spectrogram: the knock at 17.3 s");
  lSpectrogram.Nfft = 1024;
  lSpectrogram.Overlap = 0.75;
  lSpectrogram.ZLimits = "0,1000";
  lSpectrogram.ValueLimits = "-90,0";
  TimeFrequencyPlot lSpectrogramPlot;
  Show(lSpectrogram, lSpectrogramPlot, lFigure.AddPlot(0.5, 0.5, 1.0, 1.0), [&](auto& r, auto& e, auto& w) {
    return lSpectrogramPlot.Compute(r, r.Width, NAN, NAN, e, w);
  });

  RunupRequest lMap = Request<RunupRequest>(lRecording, "Run-up from the tacho, joined along orders");
  lMap.Tacho = lRecording.Tacho;
  lMap.Order = true;
  lMap.XLimits = "0,1000";
  lMap.ValueLimits = "-80,0";
  RunupPlot lMapPlot;
  Show(lMap, lMapPlot, lFigure.AddPlot(0.0, 0.0, 0.5, 0.5), [&](auto& r, auto& e, auto& w) {
    return lMapPlot.Compute(r, e, w);
  });

  RunupRequest lCuts = Request<RunupRequest>(lRecording, "Order cuts (flat top): the resonance at 350 Hz");
  lCuts.Tacho = lRecording.Tacho;
  lCuts.Window = "flattop";
  lCuts.OrderCut = "2,4.5,6";
  RunupPlot lCutsPlot;
  Show(lCuts, lCutsPlot, lFigure.AddPlot(0.5, 0.0, 1.0, 0.5), [&](auto& r, auto& e, auto& w) {
    return lCutsPlot.Compute(r, e, w);
  });

  lFigure.Build(ioViewer, iFont);
}
