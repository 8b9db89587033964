// The options every analysis of a recording shares, as spectrum, spectrogram and runup take them:
// the signal (a data file with its column, or an array), its sampling rate, and how frames are cut and turned
// into power (window, nfft, overlap, scaling, average) and shown (dB). After Check, Settings
// holds them as numbers; the rate is the request's, or the loaded data's where it carries one.
#ifndef AnalysisRequest_H
#define AnalysisRequest_H

#include <cmath>
#include <string>
#include <vector>

#include "DataInput.h"
#include "RequestError.h"
#include "RequestOption.h"
#include "FrameSettings.h"

struct AnalysisRequest {
  DataInput Signal;
  double Rate = NAN;
  std::string Window = "hann";
  double Nfft = 4096;
  double Overlap = 0.5;
  std::string Scaling = "density";
  std::string Average = "mean";
  bool Db = false;

  // After Check; its Rate is NaN until the signal is loaded when Rate is not given.
  FrameSettings Settings;

  bool Check(RequestError& oError);
  // The label of the power axis for this scaling ("PSD [dB re 1 unit²/Hz]").
  std::string PowerLabel() const;

  // The options; iAverage: the frames are averaged (a spectrum, a run-up), not each shown.
  template <class R>
  static void AddOptions(std::vector<RequestOption<R>>& ioOptions, bool iAverage) {
    using A = AnalysisRequest;
    ioOptions.push_back({"signal", eOptionKind::Vector, &A::Signal,
                         "The recording: FILE or FILE:COLUMN (- reads standard input)", true});
    ioOptions.push_back({"rate", eOptionKind::Number, &A::Rate,
                         "Sampling rate in Hz (needed where the file does not carry one)"});
    ioOptions.push_back({"window", eOptionKind::Choice, &A::Window,
                         "Window of each frame, periodic: hann, hamming, blackman, flattop (amplitudes of sines) or rect",
                         false, WindowFunction::Names()});
    ioOptions.push_back({"nfft", eOptionKind::Number, &A::Nfft, "Samples per frame, one transform each (2 .. 16777216)"});
    ioOptions.push_back({"overlap", eOptionKind::Number, &A::Overlap, "Fraction of a frame the next one shares, 0 .. <1"});
    ioOptions.push_back({"scaling", eOptionKind::Choice, &A::Scaling,
                         "density (power spectral density, unit²/Hz) or spectrum (power, unit²: a sine reads its RMS²)",
                         false, "density|spectrum"});
    if (iAverage)
      ioOptions.push_back({"average", eOptionKind::Choice, &A::Average, "Averaging of the frames: mean or max (per bin)",
                           false, "mean|max"});
    ioOptions.push_back({"db", eOptionKind::Flag, &A::Db, "Show power as 10·log10"});
  }
};

#endif
