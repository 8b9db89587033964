#include "ContributionRequest.h"

#include "OptionText.h"

const std::vector<RequestOption<ContributionRequest>>& ContributionRequest::Options() {
  static const std::vector<RequestOption<ContributionRequest>> sOptions = [] {
    using R = ContributionRequest;
    std::vector<RequestOption<R>> o = {
        {"x", eOptionKind::Vector, &R::X, "Arguments (1-D, ascending or descending): FILE or FILE:COLUMN", true},
        {"y", eOptionKind::Vector, &R::Y, "Values, one per argument: FILE or FILE:COLUMN", true},
        {"direction", eOptionKind::Choice, &R::Direction, "horizontal or vertical", false, "horizontal|vertical"},
        {"log-x", eOptionKind::Flag, &R::LogX, "Logarithmic argument axis (arguments <= 0 are left out)"},
        {"x-limits", eOptionKind::Pair, &R::XLimits, "Argument range shown, A,B (default: the data's)"},
    };
    ColorRequest::AddOptions(o);
    o.push_back({"xlabel", eOptionKind::Text, &R::XLabel, "Label of the argument axis"});
    o.push_back({"title", eOptionKind::Text, &R::Title, "Title above the bar"});
    o.push_back({"size", eOptionKind::Size, &R::Size, "Picture size WIDTHxHEIGHT (default 1000x220, vertical 300x700)",
                 false, nullptr, true});
    return o;
  }();
  return sOptions;
}

bool ContributionRequest::Check(RequestError& oError) {
  Vertical = Direction == "vertical";
  return OptionText::Size(Size, Vertical ? "300x700" : "1000x220", Width, Height, oError) &&
         OptionText::Limits("x-limits", XLimits, LogX, XMin, XMax, oError) && ColorRequest::Check(oError);
}
