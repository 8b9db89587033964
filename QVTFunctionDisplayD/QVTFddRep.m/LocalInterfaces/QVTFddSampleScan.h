// Scans of samples held contiguously in memory, at the speed memory delivers them: SSE2 on every
// x86-64 processor, AVX2 where the processor has it (chosen once, at run time), plain loops
// elsewhere. The results are the same whichever code runs.
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
};

#endif
