#include "ProbeRequest.h"

#include "OptionText.h"

const std::vector<RequestOption<ProbeRequest>>& ProbeRequest::Options() {
  static const std::vector<RequestOption<ProbeRequest>> sOptions = [] {
    std::vector<RequestOption<ProbeRequest>> o;
    MapRequest::AddOptions(o);
    o.push_back({"at", eOptionKind::Pair, &ProbeRequest::At, "The point X,Z", true});
    return o;
  }();
  return sOptions;
}

bool ProbeRequest::Check(RequestError& oError) {
  return MapRequest::Check(oError) && OptionText::Point("at", At, AtX, AtZ, oError);
}
