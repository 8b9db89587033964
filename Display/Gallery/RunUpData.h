// Built-in data of a rotating-machine run-up: the vibration spectrum of a machine measured at
// speeds from 600 to 6000 rpm, with order lines (components at whole and half multiples of the
// rotation frequency) that grow with speed, two structural resonances at fixed frequencies that
// amplify whatever passes through them, and a noise floor. Levels are in dB (about -60 to +5),
// frequencies in Hz, speeds in rpm.
#ifndef RunUpData_H
#define RunUpData_H

#include "RefPtr.h"

class MemoryDouble1p5D;
class MemoryDouble2DDim2NH;
class MemoryDoubleMatrix;
class MemoryDoubleVector;

class RunUpData {
 public:
  static constexpr double kMinRpm = 600.0;
  static constexpr double kMaxRpm = 6000.0;
  static constexpr double kMaxHz = 400.0;
  static constexpr double kMinLevel = -60.0;
  static constexpr double kMaxLevel = 5.0;

  // The level at iHz and iRpm for a spectrum whose lines are iLineWidth Hz wide; iNoise in [0, 1)
  // is the noise floor's random part.
  static double Level(double iHz, double iRpm, double iLineWidth, double iNoise);

  // iRows speeds evenly from kMinRpm to kMaxRpm, each with the same iLines frequencies from 0 to
  // kMaxHz: oHz (X), oRpm (Z) and oLevels (X index, Z index). A knock shows in the one sample
  // (iKnockLine, iKnockRow) at 0 dB, when both lie in the data. Null outputs when a size is below 2.
  static void Homogeneous(int iRows, int iLines, RefPtr<MemoryDoubleVector>& oHz, RefPtr<MemoryDoubleVector>& oRpm,
                          RefPtr<MemoryDoubleMatrix>& oLevels, int iKnockLine = -1, int iKnockRow = -1);

  // iRows speeds as above, each analysed with its own grid: a fixed resolution in orders (1/16
  // of the rotation frequency) up to order iMaxOrder (and no further than one sample past
  // kMaxHz), as an order-tracking analyser gives, so that slow rows have fine, short grids and
  // fast rows coarse, long ones.
  static void NonHomogeneous(int iRows, double iMaxOrder, RefPtr<MemoryDouble1p5D>& oHz,
                             RefPtr<MemoryDoubleVector>& oRpm, RefPtr<MemoryDouble2DDim2NH>& oLevels);
};

#endif
