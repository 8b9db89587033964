#include "WindowFunction.h"

#include <cmath>
#include <new>

namespace {

// The cosine coefficients a_k of w(n) = sum (-1)^k a_k cos(2 pi k n / N), and the lobe's half width.
struct Cosines {
  const char* name;
  double a[5];
  int count;
  int lobe;
};

const Cosines kCosines[] = {
    {"hann", {0.5, 0.5}, 2, 2},
    {"hamming", {0.54, 0.46}, 2, 2},
    {"blackman", {0.42, 0.5, 0.08}, 3, 3},
    {"flattop", {0.21557895, 0.41663158, 0.277263158, 0.083578947, 0.006947368}, 5, 5},
    {"rect", {1.0}, 1, 1},
};

}  // namespace

const char* WindowFunction::Names() { return "hann|hamming|blackman|flattop|rect"; }

bool WindowFunction::FromName(const std::string& iName, eKind& oKind) {
  for (int k = 0; k <= eRect; ++k)
    if (iName == kCosines[k].name) {
      oKind = static_cast<eKind>(k);
      return true;
    }
  return false;
}

std::vector<double> WindowFunction::Values(eKind iKind, int iLength) {
  std::vector<double> lValues;
  if (iLength <= 0) return lValues;
  lValues.reserve(static_cast<size_t>(iLength));
  const Cosines& c = kCosines[iKind];
  // The angle from -pi, as the cosine sums are written: the same rounding as the reference
  // formulas, so that spectra agree with theirs to the last bits that matter.
  const double lStep = 2.0 * M_PI / iLength;
  for (int n = 0; n < iLength; ++n) {
    const double lAngle = -M_PI + lStep * n;
    double lValue = 0.0;
    for (int k = 0; k < c.count; ++k) lValue += c.a[k] * std::cos(k * lAngle);
    lValues.push_back(lValue);
  }
  return lValues;
}

int WindowFunction::LobeHalfWidth(eKind iKind) { return kCosines[iKind].lobe; }
