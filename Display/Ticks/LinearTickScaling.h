// Scaling of the linear ready-made ticks: values are their own axis coordinates and their own
// texts, written compactly ("0", "0.5", "250", "1e+06" from a million on, "5e-05" below 1e-4).
// Reference counted; owns nothing.
#ifndef LinearTickScaling_H
#define LinearTickScaling_H

#include "QVTIFddTickScaling.h"

class LinearTickScaling : public QVTIFddTickScaling {
 public:
  CATUnicodeString ValueToText(double iValue) override;
  double Scale(double iValue) override;
  double GetTextValue(double iTickValue) override;
};

#endif
