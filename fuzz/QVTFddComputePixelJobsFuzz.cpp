// libFuzzer target of the pixel-job mapping: random vectors (raw bit patterns, small sorted
// values, infinities, NaN), limits and strip lengths. Whatever the input, every job written is
// empty or names samples of the vector, and an interpolation lies between its samples. For
// sorted vectors without NaN the jobs also equal those of a plain sample-by-sample transcription
// of the mapping, written here on the virtual vector.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "MemoryDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddComputePixelJobs.h"
#include "QVTFddVirtualVector.h"
#include "RefPtr.h"

namespace {

const double kSpecial[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1e-300, 1e300, -1e300, 1e308, QVTFddDoubleInfinity,
                           -QVTFddDoubleInfinity, QVTFddDoubleNaN, 536870912.0, -536870913.0, 2147483648.0};

double ConsumeDouble(FuzzedDataProvider& ioData) {
  switch (ioData.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: {
      const uint64_t lBits = ioData.ConsumeIntegral<uint64_t>();
      double lValue;
      std::memcpy(&lValue, &lBits, sizeof lValue);
      return lValue;
    }
    case 1:
      return ioData.PickValueInArray(kSpecial);
    default:
      // Small values on a coarse grid: many samples share pixels, many pixels fall in gaps.
      return ioData.ConsumeIntegralInRange<int>(-2000, 2000) / 16.0;
  }
}

// The mapping step by step as it reads: one sample at a time through At and Get.
void Reference(const std::vector<double>& v, double iMin, double iMax, int iInterpolate, QVTFddPixelJob* pJobs,
               int iLength) {
  const int n = static_cast<int>(v.size());
  if (n < 1 || !(iMax > iMin) || iLength < 1) return;
  if (v[0] > iMax || v[n - 1] < iMin) {
    for (int k = 0; k < iLength; ++k) pJobs[k] = QVTFddPixelJob::Empty();
    return;
  }
  int lMinIndex = 0;
  while (lMinIndex < n && !(v[lMinIndex] >= iMin)) ++lMinIndex;
  if (lMinIndex > 0) --lMinIndex;
  int lMaxIndex = n - 1;
  while (lMaxIndex > 0 && v[lMaxIndex] > iMax) --lMaxIndex;
  if (lMaxIndex < n - 1) ++lMaxIndex;
  if (lMinIndex > lMaxIndex) return;
  double vMax = v[lMaxIndex], vMin = v[lMinIndex];
  if (vMax == QVTFddDoubleInfinity) {
    vMax = lMaxIndex > 0 ? iMax + (iMax - v[lMaxIndex - 1]) : iMax + 1;
    if (!std::isfinite(vMax)) vMax = iMax + 1;
  }
  if (vMin == -QVTFddDoubleInfinity) {
    vMin = lMinIndex < n - 1 ? iMin - (v[lMinIndex + 1] - iMin) : iMin - 1;
    if (!std::isfinite(vMin)) vMin = iMin - 1;
  }
  const int p0 = QVTFddValueToPixel(vMin, iMin, iMax, iLength);
  const int p1 = QVTFddValueToPixel(vMax, iMin, iMax, iLength);
  const int lSize = p1 - p0 + 1;
  QVTFddVirtualVector lJobs(iLength, -p0);
  int lPrev = -1;
  for (int i = lMinIndex; i <= lMaxIndex; ++i) {
    double w = v[i];
    if (w == QVTFddDoubleInfinity) w = vMax;
    if (w == -QVTFddDoubleInfinity) w = vMin;
    const int lPos = QVTFddValueToPixel(w, iMin, iMax, iLength) - p0;
    if (!(lPos >= 0 && lPos <= lSize)) return;
    if (!(i > 0 || lPos == 0)) return;
    if (i == lMaxIndex && lPos != lSize - 1) return;
    if (lPos == lPrev + 1) {
      lJobs.At(lPos) = QVTFddPixelJob::Index(i);
    } else if (lPos == lPrev) {
      const int lFirst = lJobs.Get(lPrev)._First;
      lJobs.At(lPos) = QVTFddPixelJob::Range(lFirst, i);
    } else {
      const QVTFddPixelJob J = lJobs.Get(lPrev);
      lJobs.At(lPos) = QVTFddPixelJob::Index(i);
      lJobs.Fill(iInterpolate, lPrev, lPos, J, QVTFddPixelJob::Index(i));
    }
    lPrev = lPos;
  }
  for (int k = 0; k < iLength; ++k) {
    const long long r = static_cast<long long>(k) - p0;
    pJobs[k] = (r < 0 || r >= lSize) ? QVTFddPixelJob::Empty() : lJobs.Get(static_cast<int>(r));
  }
}

void Check(bool iCondition) {
  if (!iCondition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* iData, size_t iSize) {
  FuzzedDataProvider lData(iData, iSize);
  const int lLength = lData.ConsumeBool() ? lData.ConsumeIntegralInRange<int>(-3, 64)
                                          : lData.ConsumeIntegralInRange<int>(-3, 4096);
  const int lInterpolate = lData.ConsumeIntegralInRange<int>(0, 2);
  const bool lSort = lData.ConsumeBool();
  double lMin = ConsumeDouble(lData), lMax = ConsumeDouble(lData);
  if (lData.ConsumeBool() && lMax < lMin) std::swap(lMin, lMax);
  std::vector<double> lValues;
  const size_t lCount = lData.ConsumeIntegralInRange<size_t>(0, 3000);
  while (lValues.size() < lCount && lData.remaining_bytes() > 0) lValues.push_back(ConsumeDouble(lData));
  if (lSort) {
    // NaN last, so that the order is a strict weak one.
    std::sort(lValues.begin(), lValues.end(),
              [](double a, double b) { return std::isnan(b) ? !std::isnan(a) : a < b; });
  }

  // The saturating conversion bounds every pixel.
  const int lPixel = QVTFddValueToPixel(lValues.empty() ? lMin : lValues[0], lMin, lMax, lLength);
  Check(lPixel >= -536870912 && lPixel <= 536870912);

  const RefPtr<MemoryDoubleVector> lVector(new MemoryDoubleVector(lValues));
  const size_t lSlots = lLength > 0 ? static_cast<size_t>(lLength) : 1;
  std::vector<QVTFddPixelJob> lJobs(lSlots);
  QVTFddComputePixelJobs(lVector.Get(), lMin, lMax, lInterpolate, lJobs.data(), lLength);

  const long long n = static_cast<long long>(lValues.size());
  for (const QVTFddPixelJob& j : lJobs) {
    switch (j._Type) {
      case QVTFddPixelJob::EmptyJob:
        break;
      case QVTFddPixelJob::IndexJob:
        Check(j._First >= 0 && j._First < n && j._Second == j._First);
        break;
      case QVTFddPixelJob::RangeJob:
        Check(j._First >= 0 && j._First < j._Second && j._Second < n);
        break;
      case QVTFddPixelJob::InterpolationJob:
        Check(j._First >= 0 && j._First < j._Second && j._Second < n);
        Check(j._Fraction >= 0.0 && j._Fraction <= 1.0);
        break;
      default:
        Check(false);
    }
  }

  const bool lHasNaN = std::any_of(lValues.begin(), lValues.end(), [](double x) { return std::isnan(x); });
  if (lSort && !lHasNaN && lLength > 0) {
    std::vector<QVTFddPixelJob> lExpected(lSlots);
    Reference(lValues, lMin, lMax, lInterpolate, lExpected.data(), lLength);
    for (size_t k = 0; k < lSlots; ++k) Check(lJobs[k] == lExpected[k]);
  }
  return 0;
}
