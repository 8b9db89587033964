#include "QVTFddSimd.h"

#include <atomic>

namespace {

std::atomic<int> sCap{QVTFddSimd::eAvx2};

int sProcessorLevel() {
#if QVTFDD_SIMD_DISPATCH
  if (__builtin_cpu_supports("avx2")) return QVTFddSimd::eAvx2;
  if (__builtin_cpu_supports("sse4.1")) return QVTFddSimd::eSse41;
#endif
  return QVTFddSimd::eBaseline;
}

}  // namespace

int QVTFddSimd::Level() {
  // Asked at the first use, when the processor's features are known for sure.
  static const int sLevel = sProcessorLevel();
  const int lCap = sCap.load(std::memory_order_relaxed);
  return sLevel < lCap ? sLevel : lCap;
}

void QVTFddSimd::SetCap(int iLevel) { sCap.store(iLevel, std::memory_order_relaxed); }
