// What a run-up asks for, as fdd-plot runup and fddplot.runup take it: the analysis of a
// recording, the shaft's speed (a speed channel in rpm, or a tacho's pulse train with its pulses
// a revolution and trigger level), the width of the speed bins, and what to draw: frequency over
// speed joined along orders (order interpolation), orders over speed (orders), or the level of
// given orders over speed as curves (order-cut). Options() is the one table of its options.
#ifndef RunupRequest_H
#define RunupRequest_H

#include "TimeFrequencyRequest.h"

struct RunupRequest : TimeFrequencyRequest {
  DataInput Rpm;
  DataInput Tacho;
  double PulsesPerRev = 1;
  double Trigger = NAN;
  double RpmStep = 25.0;
  bool Orders = false;
  double MaxOrder = NAN;
  std::string OrderCut;

  // After Check: the orders of the cuts.
  std::vector<double> CutOrders;

  static const std::vector<RequestOption<RunupRequest>>& Options();
  bool Check(RequestError& oError);
};

#endif
