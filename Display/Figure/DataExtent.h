// The finite extent of what a plot area shows, gathered from its series before its axes' ranges
// are chosen (data units; NaN ends: nothing yet), with the room each axis keeps around the data,
// as a fraction of its span.
#ifndef DataExtent_H
#define DataExtent_H

struct DataExtent {
  // Room above and below curves and bars, as a fraction of the value range.
  static constexpr double kValueMargin = 0.05;

  double XMin = 0.0 / 0.0, XMax = 0.0 / 0.0;
  double YMin = 0.0 / 0.0, YMax = 0.0 / 0.0;
  double XMargin = 0.0, YMargin = 0.0;
};

#endif
