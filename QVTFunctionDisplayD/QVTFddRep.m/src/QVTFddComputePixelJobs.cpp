#include "QVTFddComputePixelJobs.h"

#include <climits>
#include <cmath>

#include "CATSamIDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddMathSaturateToInt.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddSampleScan.h"
#include "QVTFddVectorReader.h"
#include "QVTFddVirtualVector.h"

namespace {

// Samples without direct access are read in chunks of this many values: few virtual calls,
// bounded memory.
constexpr unsigned int kChunk = 1024;

inline double sPixelPosition(double iValue, double iMinLimit, double iMaxLimit, int iLength) {
  // iLength - 1 is taken in double so that no int overflows.
  const double lPixels = static_cast<double>(iLength) - 1.0;
  double lPosition = (iValue - iMinLimit) * lPixels / (iMaxLimit - iMinLimit);
  if (!std::isfinite(lPosition)) {
    // Limits at the ends of the doubles (-1e308, 1e308): their difference overflows, that of the
    // halves does not; and when the product does, the fraction comes first.
    const double lOffset = 0.5 * iValue - 0.5 * iMinLimit, lSpan = 0.5 * iMaxLimit - 0.5 * iMinLimit;
    lPosition = lOffset * lPixels / lSpan;
    if (std::isinf(lPosition)) lPosition = lOffset / lSpan * lPixels;
  }
  return lPosition;
}

// QVTFddValueToPixel itself, inlined into the mapping's loop over the samples.
inline int sValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength) {
  // The saturating conversion keeps huge, infinite and NaN positions defined (NaN gives the
  // negative bound).
  const double lPosition = sPixelPosition(iValue, iMinLimit, iMaxLimit, iLength);
  const int lIntResult = QVTFddMathSaturateToInt(lPosition + 0.5);
  if (iValue == iMinLimit && lIntResult != 0) QVTFDD_ASSERTION("QVTFddPixelJob", "lIntResult != 0");
  if (iValue == iMaxLimit && lIntResult != static_cast<long long>(iLength) - 1)
    QVTFDD_ASSERTION("QVTFddPixelJob", "lIntResult != iLength-1");
  return lIntResult;
}

// The job that a run of samples iFirst .. iLast in one pixel leaves there.
inline QVTFddPixelJob sRunJob(int iFirst, int iLast) {
  return iLast > iFirst ? QVTFddPixelJob::Range(iFirst, iLast) : QVTFddPixelJob::Index(iFirst);
}

}  // namespace

int QVTFddValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength) {
  return sValueToPixel(iValue, iMinLimit, iMaxLimit, iLength);
}

double QVTFddPixelPosition(double iValue, double iMinLimit, double iMaxLimit, int iLength) {
  return sPixelPosition(iValue, iMinLimit, iMaxLimit, iLength);
}

void QVTFddComputePixelJobs(const CATSamIDoubleVector* iVector, double iMinLimit, double iMaxLimit,
                            int iInterpolate, QVTFddPixelJob* pJobs, int iLength) {
  if (!iVector) return;
  // No pixel to write: nothing is read or allocated.
  if (!pJobs || iLength < 1) return;
  const unsigned int lLength = iVector->GetLength();
  // One sample is mapped like many: it takes its pixel (a 1 x 1 map shows its value).
  if (lLength < 1) {
    QVTFDD_ASSERTION("QVTFddPixelJob", "iVector->GetLength() <2");
    return;
  }
  // Sample indices are stored in int.
  if (lLength > static_cast<unsigned int>(INT_MAX)) {
    QVTFDD_ASSERTION("QVTFddPixelJob", "iVector->GetLength() > INT_MAX");
    return;
  }
  if (!(iMaxLimit > iMinLimit)) {
    QVTFDD_ASSERTION("QVTFddPixelJob", "iMaxLimit <= iMinLimit");
    return;
  }
  const double lLastValue = iVector->GetValue(lLength - 1);
  if (iVector->GetValue(0) > iMaxLimit || lLastValue < iMinLimit || std::isnan(lLastValue)) {
    for (int k = 0; k < iLength; ++k) pJobs[k] = QVTFddPixelJob::Empty();
    return;
  }

  const QVTFddVectorReader lReader(*iVector);
  double lBuffer[kChunk];

  // The last sample before the range, or sample 0 when the range starts at or before it.
  unsigned int lMinIndex = 0;
  {
    unsigned int i = 0;
    bool lFound = false;
    while (i < lLength && !lFound) {
      const unsigned int lCount = lLength - i < kChunk ? lLength - i : kChunk;
      const double* lValues = lReader.Read(i, lCount, lBuffer);
      unsigned int k = 0;
      while (k < lCount && !(lValues[k] >= iMinLimit)) ++k;
      lFound = k < lCount;
      i += k;
    }
    lMinIndex = i > 0 ? i - 1 : 0;
  }
  if (lMinIndex >= lLength) {
    QVTFDD_ASSERTION("QVTFddPixelJob", "lMinIndex>=iVector->GetLength()");
    return;
  }

  // The first sample after the range, or the last sample. The scan stops at sample 0 at the
  // latest, which is not beyond iMaxLimit here.
  unsigned int lMaxIndex = lLength - 1;
  {
    bool lFound = false;
    while (!lFound) {
      const unsigned int lCount = lMaxIndex + 1 < kChunk ? lMaxIndex + 1 : kChunk;
      const unsigned int lFirst = lMaxIndex + 1 - lCount;
      const double* lValues = lReader.Read(lFirst, lCount, lBuffer);
      unsigned int k = lCount;
      while (k > 0 && lValues[k - 1] > iMaxLimit) --k;
      lFound = k > 0 || lFirst == 0;
      lMaxIndex = k > 0 ? lFirst + k - 1 : (lFirst > 0 ? lFirst - 1 : 0);
    }
    if (lMaxIndex < lLength - 1) ++lMaxIndex;
  }
  if (lMinIndex > lMaxIndex) return;

  // Infinite end samples stand one sample spacing beyond the limits (one unit when the spacing
  // is not finite either).
  double vMax = iVector->GetValue(lMaxIndex);
  double vMin = iVector->GetValue(lMinIndex);
  if (vMax == QVTFddDoubleInfinity) {
    vMax = lMaxIndex > 0 ? iMaxLimit + (iMaxLimit - iVector->GetValue(lMaxIndex - 1)) : iMaxLimit + 1;
    if (!std::isfinite(vMax)) vMax = iMaxLimit + 1;
  }
  if (vMin == -QVTFddDoubleInfinity) {
    vMin = lMinIndex < lLength - 1 ? iMinLimit - (iVector->GetValue(lMinIndex + 1) - iMinLimit) : iMinLimit - 1;
    if (!std::isfinite(vMin)) vMin = iMinLimit - 1;
  }
  // A NaN argument is outside the contract (the vector is sorted): the mapping ends as a failed
  // consistency check does.
  if (std::isnan(vMin) || std::isnan(vMax)) {
    QVTFDD_ASSERTION("QVTFddPixelJob", "iVector value is NaN");
    return;
  }

  // Positions are relative to the pixel of the first sample used. Pixels are saturated to
  // +/- 2^29, so these differences fit in an int.
  const int p0 = sValueToPixel(vMin, iMinLimit, iMaxLimit, iLength);
  const int p1 = sValueToPixel(vMax, iMinLimit, iMaxLimit, iLength);
  const int lSize = p1 - p0 + 1;
  QVTFddVirtualVector lJobs(iLength, -p0);
  if (lJobs.GetSize() != iLength) return;  // no memory for the window

  // Consecutive samples in one pixel form a run; a pixel's job is written once its run is
  // complete, which leaves the same jobs as writing an index job and growing it sample by sample.
  int lPrev = -1;
  int lRunFirst = 0, lRunLast = 0;
  // Strip position of a sample's value, infinite ends standing in for their samples; false (logged)
  // for a NaN.
  auto lPositionOf = [&](double iValue, int& oPos) {
    double w = iValue;
    if (w == QVTFddDoubleInfinity)
      w = vMax;
    else if (w == -QVTFddDoubleInfinity)
      w = vMin;
    if (std::isnan(w)) {
      QVTFDD_ASSERTION("QVTFddPixelJob", "iVector value is NaN");
      return false;
    }
    oPos = sValueToPixel(w, iMinLimit, iMaxLimit, iLength) - p0;
    return true;
  };
  // Takes sample iIndex at strip position lPos into the runs; false (logged) when the mapping must
  // end.
  auto lTake = [&](unsigned int iIndex, int lPos) {
    const int i = static_cast<int>(iIndex);
    if (!(lPos >= 0 && lPos <= lSize)) {
      QVTFDD_ASSERTION("QVTFddPixelJob", "!(lPos>=0 && lPos <= lSize)");
      return false;
    }
    if (!(i > 0 || (i == 0 && lPos == 0))) {
      QVTFDD_ASSERTION("QVTFddPixelJob", "!(i > 0 || (i == 0 && lPos == 0))");
      return false;
    }
    if (!(i < static_cast<int>(lMaxIndex) || (i == static_cast<int>(lMaxIndex) && lPos == lSize - 1))) {
      QVTFDD_ASSERTION("QVTFddPixelJob", "!(i < lMaxIndex || (i == lMaxIndex && lPos == lSize-1))");
      return false;
    }
    if (lPos == lPrev) {
      lRunLast = i;
      return true;
    }
    // A step back means the vector is not sorted; filling forward again after it could cost
    // a whole window per sample.
    if (lPos < lPrev) {
      QVTFDD_ASSERTION("QVTFddPixelJob", "iVector is not sorted");
      return false;
    }
    if (lPrev >= 0) lJobs.At(lPrev) = sRunJob(lRunFirst, lRunLast);
    if (lPos > lPrev + 1) {
      const QVTFddPixelJob lJobBefore = lJobs.Get(lPrev);
      lJobs.Fill(iInterpolate, lPrev, lPos, lJobBefore, QVTFddPixelJob::Index(i));
    }
    lRunFirst = lRunLast = i;
    lPrev = lPos;
    return true;
  };

  // More samples than pixels in memory that ascend, with ends whose positions the plain formula
  // gives (so every sample's does, and the position grows with the sample): each run of samples
  // in one pixel is found by galloping and bisection, and only its first and last samples are
  // taken, which leaves the jobs that taking every sample leaves.
  const double* lDirect = lReader.Direct();
  const double lPixels = static_cast<double>(iLength) - 1.0, lSpan = iMaxLimit - iMinLimit;
  if (lDirect && lMaxIndex - lMinIndex >= static_cast<unsigned int>(iLength) && std::isfinite((vMin - iMinLimit) * lPixels / lSpan) && std::isfinite((vMax - iMinLimit) * lPixels / lSpan) &&
      QVTFddSampleScan::IsAscending(lDirect + lMinIndex, lMaxIndex - lMinIndex + 1)) {
    for (unsigned int lFirst = lMinIndex; lFirst <= lMaxIndex;) {
      int lPos = 0, lOther = 0;
      lPositionOf(lDirect[lFirst], lPos);
      // The run ends before lOut, the first sample in a later pixel (or past lMaxIndex).
      unsigned int lIn = lFirst, lOut = lFirst + 1, lStride = 1;
      while (lOut <= lMaxIndex && lPositionOf(lDirect[lOut], lOther) && lOther == lPos) {
        lIn = lOut;
        lStride = lStride < (1u << 30) ? 2 * lStride : lStride;
        lOut = lMaxIndex - lFirst >= lStride ? lFirst + lStride : lMaxIndex + 1;
      }
      while (lOut - lIn > 1) {
        const unsigned int lMiddle = lIn + (lOut - lIn) / 2;
        lPositionOf(lDirect[lMiddle], lOther);
        (lOther == lPos ? lIn : lOut) = lMiddle;
      }
      if (!lTake(lFirst, lPos) || (lIn > lFirst && !lTake(lIn, lPos))) return;
      lFirst = lOut;
    }
  } else {
    for (unsigned int lChunkFirst = lMinIndex; lChunkFirst <= lMaxIndex;) {
      const unsigned int lCount = lMaxIndex - lChunkFirst < kChunk ? lMaxIndex - lChunkFirst + 1 : kChunk;
      const double* lValues = lReader.Read(lChunkFirst, lCount, lBuffer);
      for (unsigned int k = 0; k < lCount; ++k) {
        int lPos = 0;
        if (!lPositionOf(lValues[k], lPos) || !lTake(lChunkFirst + k, lPos)) return;
      }
      lChunkFirst += lCount;
    }
  }
  if (lPrev >= 0) lJobs.At(lPrev) = sRunJob(lRunFirst, lRunLast);

  for (int k = 0; k < iLength; ++k) {
    const long long r = static_cast<long long>(k) - p0;
    pJobs[k] = (r < 0 || r >= lSize) ? QVTFddPixelJob::Empty() : lJobs.Get(static_cast<int>(r));
  }
}
