#include "TimeFrequencyRequest.h"

#include "OptionTable.h"

const std::vector<RequestOption<TimeFrequencyRequest>>& TimeFrequencyRequest::Options() {
  static const std::vector<RequestOption<TimeFrequencyRequest>> sOptions = [] {
    std::vector<RequestOption<TimeFrequencyRequest>> o;
    AnalysisRequest::AddOptions(o, false);
    MapRequest::AddOptions(o);
    OptionTable::Remove(o, {"x", "z", "values", "x-rows", "transpose", "order", "tolerance", "z-factor"});
    return o;
  }();
  return sOptions;
}

bool TimeFrequencyRequest::Check(RequestError& oError) {
  return AnalysisRequest::Check(oError) && MapRequest::CheckView(oError);
}
