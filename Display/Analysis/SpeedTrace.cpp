#include "SpeedTrace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ArrayVector.h"

namespace {

// Samples are read in blocks of this many.
constexpr unsigned int kBlock = 65536;

// Calls iTake(index, value) for every sample of iVector, read a block at a time.
template <typename Take>
void EachSample(const ArrayVector& iVector, Take&& iTake) {
  std::vector<double> lBlock(kBlock);
  for (unsigned int i = 0; i < iVector.GetLength(); i += kBlock) {
    const unsigned int n = iVector.GetValues(i, kBlock, lBlock.data());
    for (unsigned int j = 0; j < n; ++j) iTake(i + j, lBlock[j]);
  }
}

std::string Number(double iValue) {
  char lText[32];
  std::snprintf(lText, sizeof lText, "%g", iValue);
  return lText;
}

}  // namespace

bool SpeedTrace::FromRpm(const ArrayVector& iRpm, double iRate, std::string& oError) {
  _Times.clear();
  _Speeds.clear();
  _Times.reserve(iRpm.GetLength());
  _Speeds.reserve(iRpm.GetLength());
  bool lOk = true;
  EachSample(iRpm, [&](unsigned int i, double v) {
    if (lOk && !(v > 0.0 && std::isfinite(v))) {
      oError = "speed " + Number(v) + " at sample " + std::to_string(i) + ": speeds must be numbers above 0 rpm";
      lOk = false;
    }
    _Times.push_back(i / iRate);
    _Speeds.push_back(v);
  });
  if (lOk && _Speeds.empty()) {
    oError = "no speed";
    lOk = false;
  }
  return lOk;
}

bool SpeedTrace::FromTacho(const ArrayVector& iTacho, double iRate, int iPulses, double iTrigger,
                           std::string& oError) {
  _Times.clear();
  _Speeds.clear();
  double lLevel = iTrigger;
  if (std::isnan(lLevel)) {
    double lMin = INFINITY, lMax = -INFINITY;
    EachSample(iTacho, [&](unsigned int, double v) {
      if (std::isfinite(v)) {
        lMin = std::min(lMin, v);
        lMax = std::max(lMax, v);
      }
    });
    lLevel = 0.5 * (lMin + lMax);
  }
  // The crossings, in seconds: the level lies in (previous, current].
  std::vector<double> lCrossings;
  double lPrevious = NAN;
  EachSample(iTacho, [&](unsigned int i, double v) {
    if (lPrevious < lLevel && v >= lLevel && std::isfinite(v))
      lCrossings.push_back((i - 1 + (lLevel - lPrevious) / (v - lPrevious)) / iRate);
    lPrevious = v;
  });
  if (lCrossings.size() <= static_cast<size_t>(iPulses)) {
    oError = "the tacho crosses its trigger level " + Number(lLevel) + " rising " + std::to_string(lCrossings.size()) +
             " times: a speed needs one revolution, " + std::to_string(iPulses + 1) + " crossings";
    return false;
  }
  // One point per revolution interval, at its middle.
  for (size_t k = 0; k + static_cast<size_t>(iPulses) < lCrossings.size(); ++k) {
    const double lStart = lCrossings[k], lEnd = lCrossings[k + static_cast<size_t>(iPulses)];
    _Times.push_back(0.5 * (lStart + lEnd));
    _Speeds.push_back(60.0 / (lEnd - lStart));
  }
  return true;
}

double SpeedTrace::At(double iTime) const {
  if (_Times.empty()) return NAN;
  const auto lAfter = std::upper_bound(_Times.begin(), _Times.end(), iTime);
  if (lAfter == _Times.begin()) return _Speeds.front();
  if (lAfter == _Times.end()) return _Speeds.back();
  const size_t j = static_cast<size_t>(lAfter - _Times.begin());
  const double lFraction = (iTime - _Times[j - 1]) / (_Times[j] - _Times[j - 1]);
  return _Speeds[j - 1] + lFraction * (_Speeds[j] - _Speeds[j - 1]);
}
