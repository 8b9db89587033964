#include "DataRange.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <exception>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

namespace {

// Widens the range by the vectors iRow(0) ... iRow(iCount - 1), each a new reference (or null),
// as the row sets of non-homogeneous data hand them out.
template <typename RowOf>
void AddRows(unsigned int iCount, RowOf iRow, double& ioMin, double& ioMax) {
  for (unsigned int r = 0; r < iCount; ++r) {
    const RefPtr<CATSamIDoubleVector> lRow(iRow(r));
    DataRange::Add(lRow.Get(), false, ioMin, ioMax);
  }
}

}  // namespace

void DataRange::Add(double iValue, double& ioMin, double& ioMax) {
  if (!std::isfinite(iValue)) return;
  if (!(iValue >= ioMin)) ioMin = iValue;  // also when ioMin is NaN
  if (!(iValue <= ioMax)) ioMax = iValue;
}

void DataRange::Add(CATSamIVector* iVector, bool iPositive, double& ioMin, double& ioMax) {
  if (!iVector) return;
  const unsigned int lLength = iVector->GetLength();
  if (const double* lDirect = iVector->GetDirectValues()) {
    Add(lDirect, lLength, iPositive, ioMin, ioMax);
    return;
  }
  double lChunk[1024];
  for (unsigned int lFirst = 0; lFirst < lLength;) {
    const unsigned int lCount = iVector->GetValues(lFirst, 1024, lChunk);
    if (lCount == 0) break;
    Add(lChunk, lCount, iPositive, ioMin, ioMax);
    lFirst += lCount;
  }
}

void DataRange::Add(const double* iValues, size_t iCount, bool iPositive, double& ioMin, double& ioMax) {
  if (!iValues) return;
  // A large block is read by two threads, half each: one core alone does not draw all that memory
  // can give. The second thread only reads; when it cannot be started, this one reads it all.
  const size_t kSplit = size_t(1) << 22;
  if (iCount >= 2 * kSplit) {
    const size_t lHalf = iCount / 2;
    double lMin = NAN, lMax = NAN;
    std::thread lOther;
    try {
      lOther = std::thread([&] { AddPart(iValues + lHalf, iCount - lHalf, iPositive, lMin, lMax); });
    } catch (const std::exception&) {  // no thread, or no memory for its start
      AddPart(iValues + lHalf, iCount - lHalf, iPositive, lMin, lMax);
    }
    AddPart(iValues, lHalf, iPositive, ioMin, ioMax);
    if (lOther.joinable()) lOther.join();
    Add(lMin, ioMin, ioMax);
    Add(lMax, ioMin, ioMax);
    return;
  }
  AddPart(iValues, iCount, iPositive, ioMin, ioMax);
}

void DataRange::AddPart(const double* iValues, size_t iCount, bool iPositive, double& ioMin, double& ioMax) {
  // A pass over every sample of large data: branch-free, and NaN fails every comparison.
  const double lFloor = iPositive ? 0.0 : -std::numeric_limits<double>::max();
  const double lCeiling = std::numeric_limits<double>::max();
  const double lInfinity = std::numeric_limits<double>::infinity();
  double lMin = lInfinity, lMax = -lInfinity;
  size_t i = 0;
#ifdef __SSE2__
  bool lMasked = iPositive;
  if (!iPositive) {
    // Finite data, the common case, at the speed of memory: eight values at a time in four
    // independent pairs of extremes. A NaN drops out of each minimum and maximum by the order of
    // their operands (the second is kept when either is NaN); an infinity shows in the result,
    // and only then are the values read again with the checks below.
    __m128d lMins[4], lMaxs[4];
    for (int k = 0; k < 4; ++k) {
      lMins[k] = _mm_set1_pd(lInfinity);
      lMaxs[k] = _mm_set1_pd(-lInfinity);
    }
    for (; i + 8 <= iCount; i += 8)
      for (int k = 0; k < 4; ++k) {
        const __m128d v = _mm_loadu_pd(iValues + i + 2 * k);
        lMins[k] = _mm_min_pd(v, lMins[k]);
        lMaxs[k] = _mm_max_pd(v, lMaxs[k]);
      }
    double lPair[2];
    _mm_storeu_pd(lPair, _mm_min_pd(_mm_min_pd(lMins[0], lMins[1]), _mm_min_pd(lMins[2], lMins[3])));
    lMin = std::min(lPair[0], lPair[1]);
    _mm_storeu_pd(lPair, _mm_max_pd(_mm_max_pd(lMaxs[0], lMaxs[1]), _mm_max_pd(lMaxs[2], lMaxs[3])));
    lMax = std::max(lPair[0], lPair[1]);
    if (lMin == -lInfinity || lMax == lInfinity) {
      lMasked = true;
      i = 0;
      lMin = lInfinity;
      lMax = -lInfinity;
    }
  }
  if (lMasked) {
    // Two values at a time: a value left out stands as +inf for the minimum and -inf for the maximum.
    const __m128d lFloors = _mm_set1_pd(lFloor), lCeilings = _mm_set1_pd(lCeiling), lZeros = _mm_setzero_pd();
    const __m128d lAnySign = iPositive ? _mm_setzero_pd() : _mm_castsi128_pd(_mm_set1_epi32(-1));
    const __m128d lHighs = _mm_set1_pd(lInfinity), lLows = _mm_set1_pd(-lInfinity);
    __m128d lMins = lHighs, lMaxs = lLows;
    for (; i + 2 <= iCount; i += 2) {
      const __m128d v = _mm_loadu_pd(iValues + i);
      const __m128d lTaken = _mm_and_pd(_mm_and_pd(_mm_cmpge_pd(v, lFloors), _mm_cmple_pd(v, lCeilings)),
                                        _mm_or_pd(_mm_cmpgt_pd(v, lZeros), lAnySign));
      lMins = _mm_min_pd(lMins, _mm_or_pd(_mm_and_pd(lTaken, v), _mm_andnot_pd(lTaken, lHighs)));
      lMaxs = _mm_max_pd(lMaxs, _mm_or_pd(_mm_and_pd(lTaken, v), _mm_andnot_pd(lTaken, lLows)));
    }
    double lPair[2];
    _mm_storeu_pd(lPair, lMins);
    lMin = std::min(lPair[0], lPair[1]);
    _mm_storeu_pd(lPair, lMaxs);
    lMax = std::max(lPair[0], lPair[1]);
  }
#endif
  for (; i < iCount; ++i) {
    const double v = iValues[i];
    const bool lTaken = v >= lFloor && v <= lCeiling && (v > 0.0 || !iPositive);
    lMin = lTaken && v < lMin ? v : lMin;
    lMax = lTaken && v > lMax ? v : lMax;
  }
  if (lMin <= lMax) {
    Add(lMin, ioMin, ioMax);
    Add(lMax, ioMin, ioMax);
  }
}

void DataRange::Add(CATSamIDoubleMatrix* iValues, double& ioMin, double& ioMax) {
  if (!iValues) return;
  const unsigned int lX = iValues->GetLengthX(), lZ = iValues->GetLengthY();
  // Cells in memory one after another, whichever index runs fastest: one pass over them.
  unsigned long long lStrideX = 0, lStrideZ = 0;
  const double* lDirect = iValues->GetDirectValues(lStrideX, lStrideZ);
  if (lDirect && ((lStrideZ == 1 && lStrideX == lZ) || (lStrideX == 1 && lStrideZ == lX))) {
    Add(lDirect, size_t(lX) * lZ, false, ioMin, ioMax);
    return;
  }
  for (unsigned int x = 0; x < lX; ++x)
    for (unsigned int z = 0; z < lZ; ++z) Add(iValues->GetValue(x, z), ioMin, ioMax);
}

void DataRange::Add(CATSamIDouble1p5D* iRows, double& ioMin, double& ioMax) {
  if (iRows) AddRows(iRows->GetNbrRows(), [iRows](unsigned int iRow) { return iRows->GetXVector(iRow); }, ioMin, ioMax);
}

void DataRange::Add(CATSamIDouble2DDim2NH* iRows, double& ioMin, double& ioMax) {
  if (iRows) AddRows(iRows->GetLengthY(), [iRows](unsigned int iRow) { return iRows->GetRow(iRow); }, ioMin, ioMax);
}

void DataRange::Axis(double iMin, double iMax, double iMargin, bool iLog, double& oMin, double& oMax) {
  double lMin = iMin, lMax = iMax;
  if (iLog) {
    lMin = lMin > 0.0 ? std::log10(lMin) : NAN;
    lMax = lMax > 0.0 ? std::log10(lMax) : NAN;
  }
  // Half spans, and ends kept within the doubles: data of -1e308 .. 1e308 has a span that overflows.
  const double lHalfSpan = 0.5 * lMax - 0.5 * lMin;
  const double lLargest = std::numeric_limits<double>::max();
  if (!std::isfinite(lMin) || !std::isfinite(lMax) || lMin > lMax) {
    lMin = 0.0;
    lMax = 1.0;
  } else if (!(lHalfSpan > 0.5e-12 * std::fmax(std::fabs(lMin), std::fabs(lMax)))) {
    // One value: a range around it that the ticks can divide.
    const double lHalf = iLog ? 0.5 : (lMin == 0.0 ? 1.0 : 0.1 * std::fabs(lMin));
    lMin = std::fmax(lMin - lHalf, -lLargest);
    lMax = std::fmin(lMax + lHalf, lLargest);
  } else if (iMargin > 0.0) {
    const double lPad = 2.0 * iMargin * lHalfSpan;
    lMin = std::fmax(lMin - lPad, -lLargest);
    lMax = std::fmin(lMax + lPad, lLargest);
  }
  oMin = iLog ? std::pow(10.0, lMin) : lMin;
  oMax = iLog ? std::pow(10.0, lMax) : lMax;
}
