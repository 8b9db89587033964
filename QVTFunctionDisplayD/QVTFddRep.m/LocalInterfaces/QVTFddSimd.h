// The house style of the library's vector kernels, in one place.
//
// A kernel is written once, as plain C++ over the compiler's vector types (QVTFddLanes2: two
// doubles, what every x86-64 processor has; QVTFddLanes4: four, for AVX2) with their operators:
// comparisons give lane masks, `mask ? a : b` selects lane by lane, loads and stores go through
// QVTFddLoad and QVTFddStore (no alignment assumed). No intrinsics, and no hand-written scalar
// copy: where a processor has no vector unit the compiler lowers the same code to scalar code.
//
// A kernel that gains from a wider instruction set is a template over its lane type, instantiated
// once in a function marked QVTFDD_TARGET("avx2") (or "sse4.1"), and chosen at run time when
// QVTFddSimd::Level() says the processor has that set; otherwise the baseline instantiation runs.
// Tests cap the level (SetCap) to run the baseline kernels on any machine and compare them with
// the wider ones.
//
// Small helpers that the compiler must inline into a kernel's loop are QVTFDD_INLINE.
#ifndef QVTFddSimd_H
#define QVTFddSimd_H

#include <cstring>

#if defined(__GNUC__) || defined(__clang__)
#define QVTFDD_INLINE __attribute__((always_inline)) inline
#elif defined(_MSC_VER)
#define QVTFDD_INLINE __forceinline
#else
#define QVTFDD_INLINE inline
#endif

// Wider sets are chosen at run time on x86-64 with GCC or Clang; elsewhere the baseline runs.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QVTFDD_SIMD_DISPATCH 1
#define QVTFDD_TARGET(iSet) __attribute__((target(iSet)))
#else
#define QVTFDD_SIMD_DISPATCH 0
#define QVTFDD_TARGET(iSet)
#endif

typedef double QVTFddLanes2 __attribute__((vector_size(16)));
typedef double QVTFddLanes4 __attribute__((vector_size(32)));
// Lane masks of two lanes (all bits set in a lane where a comparison holds).
typedef long long QVTFddMask2 __attribute__((vector_size(16)));

// Loads and stores through memcpy, which assumes no alignment; lanes are passed by reference,
// since AVX lanes by value would change the calling convention with the target.
template <class V>
QVTFDD_INLINE void QVTFddLoad(const double* iValues, V& oLanes) {
  std::memcpy(&oLanes, iValues, sizeof(oLanes));
}
template <class V>
QVTFDD_INLINE void QVTFddStore(const V& iLanes, double* oValues) {
  std::memcpy(oValues, &iLanes, sizeof(iLanes));
}

class QVTFddSimd {
 public:
  // Instruction sets beyond the baseline, in order.
  enum eLevel { eBaseline = 0, eSse41 = 1, eAvx2 = 2 };

  // The widest set the processor has, within the cap (asked of the processor once).
  static int Level();
  // Caps the level for the whole module (tests: eBaseline runs the baseline kernels); eAvx2 lifts
  // the cap.
  static void SetCap(int iLevel);
};

#endif
