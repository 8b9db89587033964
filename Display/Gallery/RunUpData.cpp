#include "RunUpData.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"

namespace {

struct Order {
  double order;
  double amplitude;  // at the top speed
};
// The rotation frequency, its second and third harmonics, a blade-pass like 4.5 and a faint
// half order.
const Order kOrders[] = {{1.0, 1.0}, {2.0, 0.45}, {3.0, 0.2}, {4.5, 0.12}, {0.5, 0.03}};

struct Resonance {
  double hz;
  double damping;
  double strength;
};
const Resonance kResonances[] = {{135.0, 0.04, 0.3}, {290.0, 0.03, 0.2}};

// Amplification of the structure at iHz: one single-degree-of-freedom response per resonance.
double Gain(double iHz) {
  double lGain = 1.0;
  for (const Resonance& r : kResonances) {
    const double q = iHz / r.hz;
    lGain += r.strength / std::sqrt((1.0 - q * q) * (1.0 - q * q) + (2.0 * r.damping * q) * (2.0 * r.damping * q));
  }
  return lGain;
}

// Reproducible noise in [0, 1).
struct Noise {
  explicit Noise(uint32_t iSeed) : state(iSeed ? iSeed : 1u) {}
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) / 16777216.0;
  }
  uint32_t state;
};

double Rpm(int iRow, int iRows) {
  return RunUpData::kMinRpm + (RunUpData::kMaxRpm - RunUpData::kMinRpm) * iRow / (iRows - 1);
}

}  // namespace

double RunUpData::Level(double iHz, double iRpm, double iLineWidth, double iNoise) {
  const double lRotation = iRpm / 60.0;
  const double lSpeed = iRpm / kMaxRpm;
  const double lGain = Gain(iHz);
  double lAmplitude = 0.0;
  for (const Order& o : kOrders) {
    const double d = (iHz - o.order * lRotation) / iLineWidth;
    if (std::fabs(d) < 6.0) lAmplitude += o.amplitude * lSpeed * std::sqrt(lSpeed) * lGain * std::exp(-d * d);
  }
  // The noise floor rises with speed and with the structure's response.
  lAmplitude += 0.0015 * (0.4 + lSpeed) * lGain * (0.3 + 1.4 * iNoise);
  return 20.0 * std::log10(lAmplitude);
}

void RunUpData::Homogeneous(int iRows, int iLines, RefPtr<MemoryDoubleVector>& oHz, RefPtr<MemoryDoubleVector>& oRpm,
                            RefPtr<MemoryDoubleMatrix>& oLevels, int iKnockLine, int iKnockRow) {
  oHz.Reset();
  oRpm.Reset();
  oLevels.Reset();
  if (iRows < 2 || iLines < 2) return;
  std::vector<double> lHz(static_cast<size_t>(iLines)), lRpm(static_cast<size_t>(iRows));
  for (int i = 0; i < iLines; ++i) lHz[size_t(i)] = kMaxHz * i / (iLines - 1);
  for (int k = 0; k < iRows; ++k) lRpm[size_t(k)] = Rpm(k, iRows);
  const double lWidth = 1.2 * kMaxHz / (iLines - 1);
  std::vector<double> lLevels(size_t(iLines) * size_t(iRows));
  Noise lNoise(12345u);
  for (int i = 0; i < iLines; ++i)
    for (int k = 0; k < iRows; ++k)
      lLevels[size_t(i) * size_t(iRows) + size_t(k)] = Level(lHz[size_t(i)], lRpm[size_t(k)], lWidth, lNoise.Next());
  if (iKnockLine >= 0 && iKnockLine < iLines && iKnockRow >= 0 && iKnockRow < iRows)
    lLevels[size_t(iKnockLine) * size_t(iRows) + size_t(iKnockRow)] = 0.0;
  oHz = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(lHz)));
  oRpm = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(lRpm)));
  oLevels = RefPtr<MemoryDoubleMatrix>(new MemoryDoubleMatrix(static_cast<unsigned int>(iLines),
                                                              static_cast<unsigned int>(iRows), std::move(lLevels)));
}

void RunUpData::NonHomogeneous(int iRows, double iMaxOrder, RefPtr<MemoryDouble1p5D>& oHz,
                               RefPtr<MemoryDoubleVector>& oRpm, RefPtr<MemoryDouble2DDim2NH>& oLevels) {
  oHz.Reset();
  oRpm.Reset();
  oLevels.Reset();
  if (iRows < 2 || !(iMaxOrder > 0.0)) return;
  const double lOrderStep = 1.0 / 16.0;
  std::vector<std::vector<double>> lHz(static_cast<size_t>(iRows)), lLevels(static_cast<size_t>(iRows));
  std::vector<double> lRpm(static_cast<size_t>(iRows));
  Noise lNoise(777u);
  for (int k = 0; k < iRows; ++k) {
    const double lRotation = Rpm(k, iRows) / 60.0;
    const double lStep = lRotation * lOrderStep;
    lRpm[size_t(k)] = Rpm(k, iRows);
    // A grid that reaches past kMaxHz ends with its first sample beyond it, so that the map's
    // last pixels interpolate instead of ending early.
    for (int j = 0; j * lOrderStep <= iMaxOrder; ++j) {
      lHz[size_t(k)].push_back(j * lStep);
      lLevels[size_t(k)].push_back(Level(j * lStep, lRpm[size_t(k)], 1.2 * lStep, lNoise.Next()));
      if (j * lStep > kMaxHz) break;
    }
  }
  oHz = RefPtr<MemoryDouble1p5D>(new MemoryDouble1p5D(lHz));
  oRpm = RefPtr<MemoryDoubleVector>(new MemoryDoubleVector(std::move(lRpm)));
  oLevels = RefPtr<MemoryDouble2DDim2NH>(new MemoryDouble2DDim2NH(lLevels));
}
