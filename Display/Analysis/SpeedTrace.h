// The speed of a shaft over time, in rpm, from a speed channel (one speed per sample) or from a
// tacho's pulse train: the rising crossings of a trigger level, each timed between two samples by
// linear interpolation, and the speed from the time one revolution (pulses-per-rev crossings)
// takes, which smooths the spacing errors of single pulses. Between its points the speed is
// interpolated linearly; before the first and after the last it is held.
#ifndef SpeedTrace_H
#define SpeedTrace_H

#include <string>
#include <vector>

class ArrayVector;

class SpeedTrace {
 public:
  // From iRpm sampled at iRate Hz; false with oError when a speed is at or below zero or not a
  // number.
  bool FromRpm(const ArrayVector& iRpm, double iRate, std::string& oError);
  // From the pulse train iTacho sampled at iRate Hz, iPulses pulses a revolution, rising through
  // iTrigger (NaN: midway between its smallest and largest sample); false with oError when it
  // crosses the level less than one revolution's worth.
  bool FromTacho(const ArrayVector& iTacho, double iRate, int iPulses, double iTrigger, std::string& oError);

  // The speed at iTime seconds.
  double At(double iTime) const;
  const std::vector<double>& GetTimes() const { return _Times; }
  const std::vector<double>& GetSpeeds() const { return _Speeds; }

 private:
  std::vector<double> _Times;
  std::vector<double> _Speeds;
};

#endif
