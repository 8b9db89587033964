// The spectra of a run-up: the power spectra of a signal's frames, each frame binned by the speed
// at its middle (bins rpm-step wide, centred on multiples of it) and averaged per bin, giving one
// spectrum row per speed in ascending order whatever way the speed went (up, down, stalling). From
// the rows: the map resampled onto orders (multiples of the speed), and order cuts, the level of
// an order over speed as the energy within the window's main lobe around it (the mean square of
// the order's component, whatever the scaling). Rows hold the settings' scaling, speeds rpm.
#ifndef RunupPowers_H
#define RunupPowers_H

#include <string>
#include <vector>

#include "FrameSettings.h"

class ArrayVector;
class SpeedTrace;

class RunupPowers {
 public:
  // False with oError when no frame fits or none is finite, or the heap is exhausted.
  bool Compute(const ArrayVector& iSignal, const FrameSettings& iSettings, const SpeedTrace& iSpeed,
               double iRpmStep, std::vector<std::string>& ioWarnings, std::string& oError);

  const std::vector<double>& GetSpeeds() const { return _Speeds; }
  const std::vector<double>& GetFrequencies() const { return _Frequencies; }
  // Row after row (one speed's bins together).
  const std::vector<double>& GetValues() const { return _Values; }

  // The rows resampled at orders 0, step, 2 step .. up to iMaxOrder (NaN or 0: the order of the Nyquist
  // frequency at the highest speed), step being a bin at the highest speed; a row is NaN beyond
  // its Nyquist frequency. Row after row.
  void OrderMap(double iMaxOrder, std::vector<double>& oOrders, std::vector<double>& oValues) const;
  // The level of order iOrder at each speed, in the signal's unit squared.
  std::vector<double> OrderCut(double iOrder) const;

 private:
  FrameSettings _Settings;
  double _BinEnergy = 1.0;
  std::vector<double> _Speeds;
  std::vector<double> _Frequencies;
  std::vector<double> _Values;
};

#endif
