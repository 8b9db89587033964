#include "QVTFddSampleScan.h"

#include <cstddef>

#include "QVTFddSimd.h"

namespace {

// An unsorted vector is usually told within its first blocks: the scan stops at the first one.
constexpr size_t kBlock = 4096;

// Two doubles (the baseline) and four (AVX2) at a time; the scans are written once, for either
// width.

// Each value against the next; a NaN compares false and so fails the test.
template <class V>
QVTFDD_INLINE bool AscendingIn(const double* iValues, size_t iCount) {
  constexpr size_t kLanes = sizeof(V) / sizeof(double);
  auto lAll = V{} == V{};
  size_t i = 0;
  for (; i + kLanes < iCount; i += kLanes) {
    V a, b;
    QVTFddLoad(iValues + i, a);
    QVTFddLoad(iValues + i + 1, b);
    lAll &= a <= b;
  }
  bool lAscending = true;
  for (size_t k = 0; k < kLanes; ++k) lAscending &= lAll[k] != 0;
  for (; i + 1 < iCount; ++i) lAscending &= iValues[i] <= iValues[i + 1];
  return lAscending;
}

// Two accumulators of each kind keep the loads, not the comparisons, the limit.
template <class V>
QVTFDD_INLINE bool ExtremesIn(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  constexpr size_t kLanes = sizeof(V) / sizeof(double);
  V lMin0 = V{} + iValues[0], lMax0 = lMin0, lMin1 = lMin0, lMax1 = lMin0;
  auto lNaN = V{} != V{};
  size_t i = 0;
  for (; i + 2 * kLanes <= iCount; i += 2 * kLanes) {
    V a, b;
    QVTFddLoad(iValues + i, a);
    QVTFddLoad(iValues + i + kLanes, b);
    lNaN |= (a != a) | (b != b);
    lMin0 = a < lMin0 ? a : lMin0;
    lMax0 = a > lMax0 ? a : lMax0;
    lMin1 = b < lMin1 ? b : lMin1;
    lMax1 = b > lMax1 ? b : lMax1;
  }
  double lMin = iValues[0], lMax = iValues[0];
  bool lAnyNaN = false;
  for (size_t k = 0; k < kLanes; ++k) {
    lAnyNaN |= lNaN[k] != 0;
    lMin = lMin0[k] < lMin ? lMin0[k] : lMin;
    lMin = lMin1[k] < lMin ? lMin1[k] : lMin;
    lMax = lMax0[k] > lMax ? lMax0[k] : lMax;
    lMax = lMax1[k] > lMax ? lMax1[k] : lMax;
  }
  for (; i < iCount; ++i) {
    const double v = iValues[i];
    lAnyNaN |= v != v;
    lMin = v < lMin ? v : lMin;
    lMax = v > lMax ? v : lMax;
  }
  if (lAnyNaN) return false;
  oMin = lMin;
  oMax = lMax;
  return true;
}

template <class V>
QVTFDD_INLINE bool MaximumIn(const double* iValues, size_t iCount, double& oMax) {
  constexpr size_t kLanes = sizeof(V) / sizeof(double);
  const double kLowest = -__builtin_inf();
  V lMax = V{} + kLowest;
  auto lAny = V{} != V{};
  size_t i = 0;
  for (; i + kLanes <= iCount; i += kLanes) {
    V a;
    QVTFddLoad(iValues + i, a);
    lAny |= a == a;
    lMax = a > lMax ? a : lMax;
  }
  double lResult = kLowest;
  bool lAnyNumber = false;
  for (size_t k = 0; k < kLanes; ++k) {
    lAnyNumber |= lAny[k] != 0;
    lResult = lMax[k] > lResult ? lMax[k] : lResult;
  }
  for (; i < iCount; ++i) {
    lAnyNumber |= iValues[i] == iValues[i];
    lResult = iValues[i] > lResult ? iValues[i] : lResult;
  }
  if (!lAnyNumber) return false;
  oMax = lResult;
  return true;
}

#if QVTFDD_SIMD_DISPATCH
QVTFDD_TARGET("avx2") bool MaximumAvx2(const double* iValues, size_t iCount, double& oMax) {
  return MaximumIn<QVTFddLanes4>(iValues, iCount, oMax);
}
QVTFDD_TARGET("avx2") bool AscendingAvx2(const double* iValues, size_t iCount) {
  return AscendingIn<QVTFddLanes4>(iValues, iCount);
}
QVTFDD_TARGET("avx2") bool ExtremesAvx2(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  return ExtremesIn<QVTFddLanes4>(iValues, iCount, oMin, oMax);
}
#endif

bool HasAvx2() { return QVTFddSimd::Level() >= QVTFddSimd::eAvx2; }

bool Ascending(const double* iValues, size_t iCount) {
#if QVTFDD_SIMD_DISPATCH
  if (HasAvx2()) return AscendingAvx2(iValues, iCount);
#endif
  return AscendingIn<QVTFddLanes2>(iValues, iCount);
}

}  // namespace

bool QVTFddSampleScan::IsAscending(const double* iValues, size_t iCount) {
  // One value is compared with none; it must be a number still.
  if (iCount < 2) return iCount == 0 || iValues[0] == iValues[0];
  // Blocks overlap by one value, so that every neighbouring pair is compared.
  for (size_t lFirst = 0; lFirst + 1 < iCount; lFirst += kBlock) {
    const size_t lCount = iCount - lFirst < kBlock + 1 ? iCount - lFirst : kBlock + 1;
    if (!Ascending(iValues + lFirst, lCount)) return false;
  }
  return true;
}

bool QVTFddSampleScan::Extremes(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  if (iCount == 0) return false;
#if QVTFDD_SIMD_DISPATCH
  if (HasAvx2()) return ExtremesAvx2(iValues, iCount, oMin, oMax);
#endif
  return ExtremesIn<QVTFddLanes2>(iValues, iCount, oMin, oMax);
}

bool QVTFddSampleScan::Maximum(const double* iValues, size_t iCount, double& oMax) {
#if QVTFDD_SIMD_DISPATCH
  if (HasAvx2()) return MaximumAvx2(iValues, iCount, oMax);
#endif
  return MaximumIn<QVTFddLanes2>(iValues, iCount, oMax);
}
