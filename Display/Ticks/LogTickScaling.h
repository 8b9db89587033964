// Scaling of the logarithmic ready-made ticks: a value's axis coordinate is its decimal logarithm;
// values that have none (zero, negative, NaN) scale to NaN, which the axis layout leaves out.
// Texts read 0.001 ... 1, 10, 100, 1000, then 1e4, 2e5, and 1e-4 below a thousandth.
// Reference counted; owns nothing.
#ifndef LogTickScaling_H
#define LogTickScaling_H

#include "QVTIFddTickScaling.h"

class LogTickScaling : public QVTIFddTickScaling {
 public:
  CATUnicodeString ValueToText(double iValue) override;
  double Scale(double iValue) override;
  double GetTextValue(double iTickValue) override;
};

#endif
