// The value rules that the colour map and contribution algorithms share: the running maximum of a
// reduction (NaN skipped wherever it stands; a maximum without any number stays NaN, a pixel
// without a value), linear interpolation between two samples, and the value of one pixel job
// along one vector of values (a data row or a result vector). Values are in data units.
#ifndef QVTFddRowValue_H
#define QVTFddRowValue_H

#include <cmath>

class CATSamIDoubleVector;
class QVTFddPixelJob;

// Raises ioMaximum to iCandidate when iCandidate is greater, or when ioMaximum holds no number
// yet. A NaN candidate never replaces a number. Start a reduction with NaN.
inline void QVTFddRaiseMaximum(double& ioMaximum, double iCandidate) {
  if (iCandidate > ioMaximum || ioMaximum != ioMaximum) ioMaximum = iCandidate;
}

// The value at iFraction of the way from iFirst to iSecond. An infinity stands for the end of the
// scale of its sign: next to a number it wins the whole way, so that it colours every pixel it
// touches alike; between infinities of opposite signs there is no value (NaN).
inline double QVTFddInterpolate(double iFirst, double iSecond, double iFraction) {
  const double lValue = iFirst + (iSecond - iFirst) * iFraction;
  if (std::isfinite(lValue)) return lValue;
  // Values of opposite signs near the ends of the doubles: their difference overflows, the
  // weighted values do not.
  if (std::isfinite(iFirst) && std::isfinite(iSecond)) return iFirst * (1.0 - iFraction) + iSecond * iFraction;
  if (std::isnan(iFirst) || std::isnan(iSecond) || (std::isinf(iFirst) && std::isinf(iSecond) && iFirst != iSecond))
    return NAN;
  return std::isinf(iFirst) ? iFirst : iSecond;
}

// The value of the pixel of iJob over the values of iRow: the value of an index job, the maximum
// of a range job (QVTFddRaiseMaximum), the interpolation of an interpolation job. Returns false,
// oValue untouched, for an empty job or a null row; true otherwise (oValue may be NaN). Indices
// beyond the row read as NaN.
bool QVTFddRowValue(const QVTFddPixelJob& iJob, const CATSamIDoubleVector* iRow, double& oValue);

#endif
