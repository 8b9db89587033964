// What a spectrogram asks for, as fdd-plot spectrogram and fddplot.spectrogram take it: the
// analysis of a recording and the options of a map but its data and its order interpolation:
// time along X, frequency along Z, the power as colour. Options() is the one table of its options.
#ifndef TimeFrequencyRequest_H
#define TimeFrequencyRequest_H

#include "AnalysisRequest.h"
#include "MapRequest.h"

struct TimeFrequencyRequest : MapRequest, AnalysisRequest {
  static const std::vector<RequestOption<TimeFrequencyRequest>>& Options();
  bool Check(RequestError& oError);
  // The map's checks, with X values standing in for those the analysis gives.
};

#endif
