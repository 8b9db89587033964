#include "CurveRequest.h"

#include "OptionText.h"

const std::vector<RequestOption<CurveRequest>>& CurveRequest::Options() {
  static const std::vector<RequestOption<CurveRequest>> sOptions = [] {
    using R = CurveRequest;
    std::vector<RequestOption<R>> o = {
        {"y", eOptionKind::Vectors, &R::Y,
         "Y values of a curve: FILE or FILE:COLUMN (- reads standard input); repeat for more curves", true},
        {"x", eOptionKind::Vector, &R::X,
         "X values: FILE or FILE:COLUMN, - for standard input (default: the sample numbers 0, 1, 2 ...)"},
        {"y2", eOptionKind::Vectors, &R::Y2, "Y values of a curve against a second value axis on the right; repeatable"},
        {"symbols", eOptionKind::Flag, &R::Symbols, "Mark every sample with a symbol"},
        {"log-x", eOptionKind::Flag, &R::LogX, "Logarithmic x axis (values <= 0 leave gaps)"},
        {"log-y", eOptionKind::Flag, &R::LogY, "Logarithmic y axis (values <= 0 leave gaps)"},
        {"x-limits", eOptionKind::Pair, &R::XLimits,
         "X range shown, A,B (default: the data's); curves are cut at the edge"},
        {"y-limits", eOptionKind::Pair, &R::YLimits,
         "Y range shown, A,B (default: the data's); curves are cut at the edge"},
        {"y2-limits", eOptionKind::Pair, &R::Y2Limits, "Range of the right value axis, A,B (default: the data's)"},
        {"grid", eOptionKind::Flag, &R::Grid, "Light lines at the major ticks of both axes, under the data"},
        {"cursor", eOptionKind::Pair, &R::Cursor,
         "Cursors at x = A and B (A < B): two lines, and beside the plot y at each, the differences and "
         "the minimum, maximum, mean, RMS and count of the samples between them"},
        {"stats", eOptionKind::Flag, &R::Stats, "Write the cursors' table as CSV on standard output (needs --cursor)"},
    };
    CurveStyles::AddOptions(o);
    o.push_back({"xlabel", eOptionKind::Text, &R::XLabel, "Label of the x axis"});
    o.push_back({"ylabel", eOptionKind::Text, &R::YLabel, "Label of the y axis"});
    o.push_back({"y2-label", eOptionKind::Text, &R::Y2Label, "Label of the right value axis"});
    o.push_back({"title", eOptionKind::Text, &R::Title, "Title above the plot"});
    o.push_back({"size", eOptionKind::Size, &R::Size, "Picture size WIDTHxHEIGHT in pixels", false, nullptr, true});
    return o;
  }();
  return sOptions;
}

bool CurveRequest::Check(RequestError& oError) {
  return OptionText::Size(Size, "", Width, Height, oError) && CurveStyles::Check(Y.size() + Y2.size(), oError) &&
         OptionText::Limits("x-limits", XLimits, LogX, Limits[0], Limits[1], oError) &&
         OptionText::Limits("y-limits", YLimits, LogY, Limits[2], Limits[3], oError) &&
         OptionText::Limits("y2-limits", Y2Limits, false, Limits[4], Limits[5], oError) && CheckCursors(oError);
}

bool CurveRequest::CheckCursors(RequestError& oError) {
  Cursors[0] = Cursors[1] = NAN;
  if (Cursor.empty())
    return !Stats || oError.Usage(OptionText::Option("stats") + " writes the cursors' table: give " +
                                  OptionText::Option("cursor") + " A,B too");
  double a = 0.0, b = 0.0;
  if (!OptionText::Point("cursor", Cursor, a, b, oError)) return false;
  if (!(a < b)) return oError.Usage(OptionText::Option("cursor") + " " + Cursor + ": the cursors A,B need A < B");
  Cursors[0] = a;
  Cursors[1] = b;
  return true;
}
