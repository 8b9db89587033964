// The one loader of a recording for an analysis: the signal of a checked analysis request as a
// data vector, with its sampling rate (the request's; the loaded data's where it carries one and
// the request gives none), checked against the frames it is cut into: a frame must fit, and a
// constant signal has no spectrum worth drawing. Static functions only.
#ifndef SignalSource_H
#define SignalSource_H

#include "AnalysisRequest.h"
#include "ArrayVector.h"
#include "RefPtr.h"
#include "RequestError.h"

class SignalSource {
 public:
  // The signal; ioSettings.Rate set; false with oError.
  static RefPtr<ArrayVector> Load(const AnalysisRequest& iRequest, FrameSettings& ioSettings, RequestError& oError);
  // An analysis's own message about the signal as a data error, named after it.
  static bool Failed(const AnalysisRequest& iRequest, const std::string& iMessage, RequestError& oError);
};

#endif
