// What a spectrum asks for, as fdd-plot spectrum and fddplot.spectrum take it: the analysis of a
// recording (AnalysisRequest) and the options of a curve plot but its data, since the spectrum is
// the curve. Options() is the one table of its options.
#ifndef SpectrumRequest_H
#define SpectrumRequest_H

#include "AnalysisRequest.h"
#include "CurveRequest.h"

struct SpectrumRequest : CurveRequest, AnalysisRequest {
  static const std::vector<RequestOption<SpectrumRequest>>& Options();
  bool Check(RequestError& oError);
};

#endif
