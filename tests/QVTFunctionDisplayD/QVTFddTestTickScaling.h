// Scaling of the axis tests: a scale function (the identity unless set), texts written with a
// printf format of one double (so that tests can tell the texts of different ticks interfaces
// apart or make them wide), the text value a multiple of the tick value. Counts its text calls.
#ifndef QVTFddTestTickScaling_H
#define QVTFddTestTickScaling_H

#include <functional>
#include <string>

#include "QVTIFddTickScaling.h"

class QVTFddTestTickScaling : public QVTIFddTickScaling {
 public:
  CATUnicodeString ValueToText(double iValue) override {
    ++TextCalls;
    CATUnicodeString lText;
    lText.BuildFromNum(iValue, Format.c_str());
    return lText;
  }
  double Scale(double iValue) override { return ScaleFunction ? ScaleFunction(iValue) : iValue; }
  double GetTextValue(double iTickValue) override { return iTickValue * TextFactor; }

  std::string Format = "%g";
  std::function<double(double)> ScaleFunction;
  double TextFactor = 1.0;
  int TextCalls = 0;
};

#endif
