// A recording of a run-up made in code, with its truth: a shaft whose speed follows straight
// lines between given points (rpm over seconds), a microphone signal of orders (sines at
// multiples of the shaft's phase, each of a given amplitude), an optional structural resonance
// that amplifies what passes near its frequency, seeded white noise and a one-sample knock, and a
// tacho of so many sine-shaped pulses a revolution. Sampled at Rate Hz.
#ifndef SyntheticRunUp_H
#define SyntheticRunUp_H

#include <utility>
#include <vector>

struct SyntheticRunUp {
  double Rate = 8192.0;
  // (seconds, rpm), times ascending from 0.
  std::vector<std::pair<double, double>> Profile = {{0.0, 600.0}, {30.0, 6000.0}};
  // (order, amplitude).
  std::vector<std::pair<double, double>> Orders = {{2.0, 1.0}, {4.5, 0.5}, {6.0, 0.3}};
  double ResonanceHz = 0.0;  // 0: none
  double ResonanceGain = 0.0;
  double ResonanceWidthHz = 10.0;
  double Noise = 0.0;  // standard deviation
  double KnockTime = -1.0;  // seconds; below 0: none
  double Knock = 0.0;
  int Pulses = 1;

  // The speed at iTime seconds, in rpm.
  double Rpm(double iTime) const;
  // The samples of the signal, the tacho and the true speed (rpm); false when the heap is
  // exhausted.
  bool Make(std::vector<double>& oSignal, std::vector<double>& oTacho, std::vector<double>& oRpm) const;
};

#endif
