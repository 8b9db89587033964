#include "PowerRequest.h"

#include "OptionTable.h"

const std::vector<RequestOption<PowerRequest>>& PowerRequest::Options() {
  static const std::vector<RequestOption<PowerRequest>> sOptions = [] {
    std::vector<RequestOption<PowerRequest>> o;
    AnalysisRequest::AddOptions(o, true);
    OptionTable::Inherit(o, CurveRequest::Options(), {"y", "x", "y2", "y2-limits", "y2-label"});
    return o;
  }();
  return sOptions;
}

bool PowerRequest::Check(RequestError& oError) {
  if (!AnalysisRequest::Check(oError)) return false;
  // The curve's checks count its styles against one curve: the spectrum, not loaded yet.
  Y.assign(1, DataInput{"spectrum", {}, {}});
  const bool lChecked = CurveRequest::Check(oError);
  Y.clear();
  return lChecked;
}
