// Array of pixel jobs indexed by virtual positions (pixel positions relative to the first sample
// used, which may lie far outside the painted strip) that stores only a window of _Size positions
// starting at _Offset, plus one spare job standing for the latest position written outside the
// window. Owns the window's jobs. Lives for one pixel-job mapping.
#ifndef QVTFddVirtualVector_H
#define QVTFddVirtualVector_H

#include "QVTFddPixelJob.h"

class QVTFddVirtualVector {
 public:
  // A window of iSize jobs (none when iSize < 1 or the heap is exhausted) at positions
  // [iOffset, iOffset + iSize).
  QVTFddVirtualVector(int iSize, int iOffset);
  ~QVTFddVirtualVector();
  QVTFddVirtualVector(const QVTFddVirtualVector&) = delete;
  QVTFddVirtualVector& operator=(const QVTFddVirtualVector&) = delete;

  // Number of jobs actually stored (0 when the window could not be allocated).
  int GetSize() const { return _Size; }
  int GetOffset() const { return _Offset; }

  // The job at position i: from the window, or the spare when it stands for i. A negative
  // position, or one neither stored nor held by the spare, is logged and gives the spare.
  const QVTFddPixelJob& Get(int i) const;
  // Writable job at position i. Outside the window the spare takes position i over; a negative
  // position is logged and gives the spare without changing which position it stands for.
  QVTFddPixelJob& At(int i);

  // Writes the window positions strictly between iA and iB: interpolation jobs from iJobA's
  // last sample to iJobB's first one, or (iInterpolate 0) the nearer of the two samples, the
  // earlier one taking the middle of an odd gap.
  void Fill(int iInterpolate, int iA, int iB, const QVTFddPixelJob& iJobA, const QVTFddPixelJob& iJobB);

 private:
  bool InWindow(int i) const {
    return static_cast<long long>(i) >= _Offset && static_cast<long long>(i) - _Offset < _Size;
  }

  int _Size;
  int _Offset;
  int _SpareIndex;
  QVTFddPixelJob _Spare;
  QVTFddPixelJob* _Jobs;
};

#endif
