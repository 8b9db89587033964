// Scans of samples held contiguously in memory, at the speed memory delivers them: two values at a
// time (SSE2 on x86-64), four where the processor has AVX2 (chosen once, at run time). The
// results are the same whichever code runs.
#ifndef QVTFddSampleScan_H
#define QVTFddSampleScan_H

#include <cstddef>

class QVTFddSampleScan {
 public:
  // True when none of the iCount values is NaN or below the one before it.
  static bool IsAscending(const double* iValues, size_t iCount);
  // Smallest and largest of iCount (at least one) values; false, the outputs untouched, when one
  // of them is NaN.
  static bool Extremes(const double* iValues, size_t iCount, double& oMin, double& oMax);
  // Largest number of iCount values, NaN skipped; false, the output untouched, when there is none.
  // Of a +0 and a -0 either may be returned.
  static bool Maximum(const double* iValues, size_t iCount, double& oMax);
};

#endif
