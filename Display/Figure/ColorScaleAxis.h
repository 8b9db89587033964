// Ready-made continuous colour axis of the function display: a value range [min, max] mapped
// linearly onto a colour table. Viridis (perceptually uniform, the default), a rainbow of the kind
// used for spectra (dark blue, cyan, yellow, red, dark red) and grey (black to white). Values
// outside the range take the colour of the nearer end; NaN takes one fixed neutral grey.
// Reference counted like every axis handed to the library; owns nothing. Colours are 0 to 255.
#ifndef ColorScaleAxis_H
#define ColorScaleAxis_H

#include <string>

#include "QVTIFddContinuousAxis.h"

class ColorScaleAxis : public QVTIFddContinuousAxis {
 public:
  enum eTable { Viridis = 0, Rainbow = 1, Grey = 2 };

  // The colour of NaN (and of any value whose place in the table is not a number).
  static constexpr int kNaNRed = 160, kNaNGreen = 160, kNaNBlue = 160;

  ColorScaleAxis(double iMin, double iMax, eTable iTable = Viridis);

  // iShift moves the value's place in the table, in fractions of the table (0.0: none).
  void GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) override;

  double GetMin() const { return _Min; }
  double GetMax() const { return _Max; }
  eTable GetTable() const { return _Table; }

  // "viridis", "rainbow" or "grey" (also "gray"); false for any other name.
  static bool TableFromName(const std::string& iName, eTable& oTable);
  static const char* TableName(eTable iTable);

 private:
  double _Min;
  double _Max;
  eTable _Table;
};

#endif
