#include "QVTFddSampleScan.h"

#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QVTFDD_SCAN_X86 1
#endif

namespace {

// An unsorted vector is usually told within its first blocks: the scan stops at the first one.
constexpr size_t kBlock = 4096;

bool sAscendingPlain(const double* iValues, size_t iCount) {
  bool lAscending = true;
  for (size_t i = 0; i + 1 < iCount; ++i) lAscending &= iValues[i] <= iValues[i + 1];
  return lAscending;
}

bool sExtremesPlain(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  double lMin = iValues[0], lMax = iValues[0];
  bool lNaN = false;
  for (size_t i = 0; i < iCount; ++i) {
    const double v = iValues[i];
    lNaN |= v != v;
    lMin = v < lMin ? v : lMin;
    lMax = v > lMax ? v : lMax;
  }
  if (lNaN) return false;
  oMin = lMin;
  oMax = lMax;
  return true;
}

#ifdef QVTFDD_SCAN_X86

// Each value against the next; a NaN compares false and so fails the test.
bool sAscendingSse2(const double* iValues, size_t iCount) {
  if (iCount < 2) return true;
  const size_t lPairs = iCount - 1;
  __m128d lAll = _mm_castsi128_pd(_mm_set1_epi32(-1));
  size_t i = 0;
  for (; i + 2 <= lPairs; i += 2) lAll = _mm_and_pd(lAll, _mm_cmple_pd(_mm_loadu_pd(iValues + i), _mm_loadu_pd(iValues + i + 1)));
  return _mm_movemask_pd(lAll) == 3 && sAscendingPlain(iValues + i, iCount - i);
}

__attribute__((target("avx2"))) bool sAscendingAvx2(const double* iValues, size_t iCount) {
  if (iCount < 2) return true;
  const size_t lPairs = iCount - 1;
  __m256d lAll = _mm256_castsi256_pd(_mm256_set1_epi32(-1));
  size_t i = 0;
  for (; i + 4 <= lPairs; i += 4)
    lAll = _mm256_and_pd(lAll, _mm256_cmp_pd(_mm256_loadu_pd(iValues + i), _mm256_loadu_pd(iValues + i + 1), _CMP_LE_OQ));
  return _mm256_movemask_pd(lAll) == 15 && sAscendingPlain(iValues + i, iCount - i);
}

// Two accumulators of each kind keep the loads, not the comparisons, the limit.
bool sExtremesSse2(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  size_t i = 0;
  __m128d lMin0 = _mm_set1_pd(iValues[0]), lMax0 = lMin0, lMin1 = lMin0, lMax1 = lMin0;
  __m128d lNaN = _mm_setzero_pd();
  for (; i + 4 <= iCount; i += 4) {
    const __m128d a = _mm_loadu_pd(iValues + i), b = _mm_loadu_pd(iValues + i + 2);
    lNaN = _mm_or_pd(lNaN, _mm_cmpunord_pd(a, b));
    lMin0 = _mm_min_pd(lMin0, a);
    lMax0 = _mm_max_pd(lMax0, a);
    lMin1 = _mm_min_pd(lMin1, b);
    lMax1 = _mm_max_pd(lMax1, b);
  }
  if (_mm_movemask_pd(lNaN)) return false;
  double lMins[2], lMaxs[2];
  _mm_storeu_pd(lMins, _mm_min_pd(lMin0, lMin1));
  _mm_storeu_pd(lMaxs, _mm_max_pd(lMax0, lMax1));
  double lTailMin = lMins[0], lTailMax = lMaxs[0];
  if (i < iCount && !sExtremesPlain(iValues + i, iCount - i, lTailMin, lTailMax)) return false;
  oMin = std::fmin(std::fmin(lMins[0], lMins[1]), lTailMin);
  oMax = std::fmax(std::fmax(lMaxs[0], lMaxs[1]), lTailMax);
  return true;
}

__attribute__((target("avx2"))) bool sExtremesAvx2(const double* iValues, size_t iCount, double& oMin,
                                                    double& oMax) {
  size_t i = 0;
  __m256d lMin0 = _mm256_set1_pd(iValues[0]), lMax0 = lMin0, lMin1 = lMin0, lMax1 = lMin0;
  __m256d lNaN = _mm256_setzero_pd();
  for (; i + 8 <= iCount; i += 8) {
    const __m256d a = _mm256_loadu_pd(iValues + i), b = _mm256_loadu_pd(iValues + i + 4);
    lNaN = _mm256_or_pd(lNaN, _mm256_cmp_pd(a, b, _CMP_UNORD_Q));
    lMin0 = _mm256_min_pd(lMin0, a);
    lMax0 = _mm256_max_pd(lMax0, a);
    lMin1 = _mm256_min_pd(lMin1, b);
    lMax1 = _mm256_max_pd(lMax1, b);
  }
  if (_mm256_movemask_pd(lNaN)) return false;
  double lMins[4], lMaxs[4];
  _mm256_storeu_pd(lMins, _mm256_min_pd(lMin0, lMin1));
  _mm256_storeu_pd(lMaxs, _mm256_max_pd(lMax0, lMax1));
  double lTailMin = lMins[0], lTailMax = lMaxs[0];
  if (i < iCount && !sExtremesPlain(iValues + i, iCount - i, lTailMin, lTailMax)) return false;
  oMin = std::fmin(std::fmin(std::fmin(lMins[0], lMins[1]), std::fmin(lMins[2], lMins[3])), lTailMin);
  oMax = std::fmax(std::fmax(std::fmax(lMaxs[0], lMaxs[1]), std::fmax(lMaxs[2], lMaxs[3])), lTailMax);
  return true;
}

// Asked at the first scan, when the processor's features are known for sure.
bool sAvx2() {
  static const bool sHas = __builtin_cpu_supports("avx2");
  return sHas;
}

#endif

bool sAscending(const double* iValues, size_t iCount) {
#ifdef QVTFDD_SCAN_X86
  return sAvx2() ? sAscendingAvx2(iValues, iCount) : sAscendingSse2(iValues, iCount);
#else
  return sAscendingPlain(iValues, iCount);
#endif
}

}  // namespace

bool QVTFddSampleScan::IsAscending(const double* iValues, size_t iCount) {
  // One value is compared with none; it must be a number still.
  if (iCount < 2) return iCount == 0 || iValues[0] == iValues[0];
  // Blocks overlap by one value, so that every neighbouring pair is compared.
  for (size_t lFirst = 0; lFirst + 1 < iCount; lFirst += kBlock) {
    const size_t lCount = iCount - lFirst < kBlock + 1 ? iCount - lFirst : kBlock + 1;
    if (!sAscending(iValues + lFirst, lCount)) return false;
  }
  return true;
}

bool QVTFddSampleScan::Extremes(const double* iValues, size_t iCount, double& oMin, double& oMax) {
  if (iCount == 0) return false;
#ifdef QVTFDD_SCAN_X86
  return sAvx2() ? sExtremesAvx2(iValues, iCount, oMin, oMax) : sExtremesSse2(iValues, iCount, oMin, oMax);
#else
  return sExtremesPlain(iValues, iCount, oMin, oMax);
#endif
}
