#include "RunupRequest.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "OptionTable.h"
#include "OptionText.h"

const std::vector<RequestOption<RunupRequest>>& RunupRequest::Options() {
  static const std::vector<RequestOption<RunupRequest>> sOptions = [] {
    using R = RunupRequest;
    std::vector<RequestOption<R>> o;
    AnalysisRequest::AddOptions(o, true);
    const RequestOption<R> lSpeed[] = {
        {"rpm", eOptionKind::Vector, &R::Rpm, "Speed channel in rpm, one value per sample of the signal"},
        {"tacho", eOptionKind::Vector, &R::Tacho, "Tacho pulse train, one value per sample of the signal"},
        {"pulses-per-rev", eOptionKind::Number, &R::PulsesPerRev, "Tacho pulses a revolution"},
        {"trigger", eOptionKind::Number, &R::Trigger,
         "Level the tacho's rising edges cross (default: midway between its smallest and largest value)"},
        {"rpm-step", eOptionKind::Number, &R::RpmStep, "Width of the speed bins in rpm; frames in a bin are averaged"},
        {"orders", eOptionKind::Flag, &R::Orders, "Draw orders over speed instead of frequency over speed"},
        {"max-order", eOptionKind::Number, &R::MaxOrder,
         "Highest order drawn with --orders (default: the Nyquist frequency at the highest speed)"},
        {"order-cut", eOptionKind::Text, &R::OrderCut,
         "Draw the level of these orders over speed as curves, such as 2,4.5,6 (energy within the window's main lobe)"},
    };
    o.insert(o.end(), std::begin(lSpeed), std::end(lSpeed));
    MapRequest::AddOptions(o);
    OptionTable::Remove(o, {"x", "z", "values", "x-rows", "transpose", "z-factor"});
    return o;
  }();
  return sOptions;
}

bool RunupRequest::Check(RequestError& oError) {
  if (!TimeFrequencyRequest::Check(oError)) return false;
  if (Rpm.IsGiven() == Tacho.IsGiven())
    return oError.Usage("give the speed with " + OptionText::Option("rpm") + " or with " + OptionText::Option("tacho") +
                        (Rpm.IsGiven() ? ", not both" : ""));
  if (!(PulsesPerRev >= 1.0 && PulsesPerRev <= 1e6 && PulsesPerRev == std::floor(PulsesPerRev)))
    return oError.Usage(OptionText::Option("pulses-per-rev") + " " + OptionText::Number(PulsesPerRev) +
                        ": give a whole number of pulses from 1");
  if (!(RpmStep > 0.0 && std::isfinite(RpmStep)))
    return oError.Usage(OptionText::Option("rpm-step") + " " + OptionText::Number(RpmStep) + ": give a step above 0 rpm");
  if (!std::isnan(MaxOrder) && !(MaxOrder > 0.0 && std::isfinite(MaxOrder)))
    return oError.Usage(OptionText::Option("max-order") + " " + OptionText::Number(MaxOrder) + ": give an order above 0");
  if (Orders && Order)
    return oError.Usage(OptionText::Option("orders") + " draws orders, " + OptionText::Option("order") +
                        " joins frequencies along them: choose one");
  CutOrders.clear();
  for (size_t lStart = 0; !OrderCut.empty() && lStart <= OrderCut.size();) {
    const size_t lEnd = std::min(OrderCut.find(',', lStart), OrderCut.size());
    const std::string lText = OrderCut.substr(lStart, lEnd - lStart);
    // Read as the program writes numbers, whatever the caller's locale.
    double lOrder = NAN;
    const auto lRead = std::from_chars(lText.data(), lText.data() + lText.size(), lOrder);
    if (lRead.ec != std::errc() || lRead.ptr != lText.data() + lText.size() || !(lOrder > 0.0 && std::isfinite(lOrder)))
      return oError.Usage(OptionText::Option("order-cut") + " '" + OrderCut + "': give orders above 0, such as 2,4.5,6");
    CutOrders.push_back(lOrder);
    lStart = lEnd + 1;
  }
  return true;
}
