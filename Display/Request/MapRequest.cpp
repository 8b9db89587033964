#include "MapRequest.h"

#include "DataFile.h"
#include "OptionText.h"

const std::vector<RequestOption<MapRequest>>& MapRequest::Options() {
  static const std::vector<RequestOption<MapRequest>> sOptions = [] {
    std::vector<RequestOption<MapRequest>> o;
    AddOptions(o);
    return o;
  }();
  return sOptions;
}

bool MapRequest::Check(RequestError& oError) { return CheckView(oError) && CheckData(oError); }

bool MapRequest::CheckView(RequestError& oError) {
  if (!OptionText::Size(Size, "", Width, Height, oError) ||
      !OptionText::Limits("x-limits", XLimits, LogX, XMin, XMax, oError) ||
      !OptionText::Limits("z-limits", ZLimits, LogZ, ZMin, ZMax, oError) || !ColorRequest::Check(oError))
    return false;
  // A tolerance of 0 matches no sample and a factor at or below 0 turns the orders round: either
  // would draw an empty map.
  if (!(Tolerance > 0.0 && std::isfinite(Tolerance)))
    return oError.Usage(OptionText::Option("tolerance") + " " + OptionText::Number(Tolerance) +
                        ": give a fraction above 0, such as 0.05");
  if (!(ZFactor > 0.0 && std::isfinite(ZFactor)))
    return oError.Usage(OptionText::Option("z-factor") + " " + OptionText::Number(ZFactor) +
                        ": give a factor above 0, such as 0.0166667 for rpm against Hz");
  return true;
}

bool MapRequest::CheckData(RequestError& oError) {
  if (X.IsGiven() && XRows.IsGiven())
    return oError.Usage("give the X values with " + OptionText::Option("x") + " or with " + OptionText::Option("x-rows") +
                        ", not both");
  // Only an HDF5 dataset can bring its axes (whether it does is known once it is read).
  const bool lAxes = !Values.Spec.empty() && DataFile::BringsAxes(Values.Spec);
  if (!Z.IsGiven() && !lAxes) return oError.Usage(OptionText::Option("z") + " is required");
  if (!X.IsGiven() && !XRows.IsGiven() && !lAxes)
    return oError.Usage("give the X values with " + OptionText::Option("x") + " (or " + OptionText::Option("x-rows") + ")");
  if (Transpose && XRows.IsGiven())
    return oError.Usage(OptionText::Option("transpose") + " reads values with " + OptionText::Option("x") +
                        ", not with " + OptionText::Option("x-rows"));
  return true;
}
