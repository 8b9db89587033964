#include "SpectrogramRequest.h"

#include "OptionTable.h"

const std::vector<RequestOption<SpectrogramRequest>>& SpectrogramRequest::Options() {
  static const std::vector<RequestOption<SpectrogramRequest>> sOptions = [] {
    std::vector<RequestOption<SpectrogramRequest>> o;
    AnalysisRequest::AddOptions(o, false);
    MapRequest::AddOptions(o);
    OptionTable::Remove(o, {"x", "z", "values", "x-rows", "transpose", "order", "tolerance", "z-factor"});
    return o;
  }();
  return sOptions;
}

bool SpectrogramRequest::Check(RequestError& oError) {
  return AnalysisRequest::Check(oError) && MapRequest::CheckView(oError);
}
