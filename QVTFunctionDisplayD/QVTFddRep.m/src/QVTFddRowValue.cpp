#include "QVTFddRowValue.h"

#include "CATSamIDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddPixelJob.h"

namespace {

// Values of a range job are read in chunks of this many: few virtual calls, bounded memory.
constexpr unsigned int kChunk = 256;

// The value at iIndex; NaN for an index that no job of a sound mapping holds.
double sValueAt(const CATSamIDoubleVector* iRow, int iIndex) {
  return iIndex < 0 ? QVTFddDoubleNaN : iRow->GetValue(static_cast<unsigned int>(iIndex));
}

}  // namespace

bool QVTFddRowValue(const QVTFddPixelJob& iJob, const CATSamIDoubleVector* iRow, double& oValue) {
  if (!iRow) return false;
  switch (iJob._Type) {
    case QVTFddPixelJob::IndexJob:
      oValue = sValueAt(iRow, iJob._First);
      return true;
    case QVTFddPixelJob::RangeJob: {
      // The maximum keeps single-sample peaks visible when many samples share a pixel.
      double lMax = QVTFddDoubleNaN;
      const long long lLast = iJob._Second;
      const long long lFirst = iJob._First < 0 ? 0 : iJob._First;
      if (const double* lDirect = iRow->GetDirectValues()) {
        // The row ends where the vector does.
        const long long lEnd = lLast < static_cast<long long>(iRow->GetLength()) ? lLast + 1 : iRow->GetLength();
        for (long long i = lFirst; i < lEnd; ++i) QVTFddRaiseMaximum(lMax, lDirect[i]);
        oValue = lMax;
        return true;
      }
      double lValues[kChunk];
      for (long long i = lFirst; i <= lLast;) {
        const unsigned int lCount = lLast - i + 1 < kChunk ? static_cast<unsigned int>(lLast - i + 1) : kChunk;
        const unsigned int lGot = iRow->GetValues(static_cast<unsigned int>(i), lCount, lValues);
        for (unsigned int k = 0; k < lGot && k < lCount; ++k) QVTFddRaiseMaximum(lMax, lValues[k]);
        if (lGot < lCount) break;  // the row ends here
        i += lCount;
      }
      oValue = lMax;
      return true;
    }
    case QVTFddPixelJob::InterpolationJob:
      oValue = QVTFddInterpolate(sValueAt(iRow, iJob._First), sValueAt(iRow, iJob._Second), iJob._Fraction);
      return true;
    default:
      return false;
  }
}
