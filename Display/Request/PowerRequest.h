// What a spectrum asks for, as fdd-plot spectrum and fddplot.spectrum take it: the analysis of a
// recording (AnalysisRequest) and the options of a curve plot but its data, since the spectrum is
// the curve. Options() is the one table of its options.
#ifndef PowerRequest_H
#define PowerRequest_H

#include "AnalysisRequest.h"
#include "CurveRequest.h"

struct PowerRequest : CurveRequest, AnalysisRequest {
  static const std::vector<RequestOption<PowerRequest>>& Options();
  bool Check(RequestError& oError);
};

#endif
