// Pixel job: which samples of a sorted argument vector one pixel of a strip covers (one sample,
// a run of samples, an interpolation between the samples around a gap, or nothing). A plain
// value record; indices are sample indices of the argument vector.
//
// QVTFddValueToPixel and QVTFddComputePixelJobs map a strip of iLength pixels, pixel 0 at
// iMinLimit and pixel iLength - 1 at iMaxLimit, onto the samples. The mapping keeps only the
// visible pixels (and one spare job) in memory, whatever the number of samples or how far
// outside the strip they lie.
#ifndef QVTFddPixelJob_H
#define QVTFddPixelJob_H

class CATSamIDoubleVector;

class QVTFddPixelJob {
 public:
  enum eJobType : int { IndexJob = 0, RangeJob = 1, InterpolationJob = 2, EmptyJob = 3 };

  // An empty job (-1, -1). The fraction is set too, so that no copy reads an uninitialised value.
  QVTFddPixelJob() : _Type(EmptyJob), _First(-1), _Second(-1), _Fraction(0.0) {}
  QVTFddPixelJob(eJobType iType, int iFirst, int iSecond, double iFraction)
      : _Type(iType), _First(iFirst), _Second(iSecond), _Fraction(iFraction) {}
  QVTFddPixelJob(const QVTFddPixelJob&) = default;
  QVTFddPixelJob& operator=(const QVTFddPixelJob&) = default;

  static QVTFddPixelJob Index(int iIndex) { return QVTFddPixelJob(IndexJob, iIndex, iIndex, 0.0); }
  static QVTFddPixelJob Range(int iFirst, int iLast) { return QVTFddPixelJob(RangeJob, iFirst, iLast, 0.0); }
  static QVTFddPixelJob Interpolation(int iLeft, int iRight, double iFraction) {
    return QVTFddPixelJob(InterpolationJob, iLeft, iRight, iFraction);
  }
  static QVTFddPixelJob Empty() { return QVTFddPixelJob(EmptyJob, 0, 0, 0.0); }

  bool operator==(const QVTFddPixelJob& iOther) const {
    return _Type == iOther._Type && _First == iOther._First && _Second == iOther._Second &&
           _Fraction == iOther._Fraction;
  }
  bool operator!=(const QVTFddPixelJob& iOther) const { return !(*this == iOther); }

  eJobType _Type;
  int _First;
  int _Second;
  double _Fraction;  // from _First towards _Second, interpolation jobs only
};

// Pixel of iValue on a strip of iLength pixels: (iValue - iMinLimit) * (iLength - 1) /
// (iMaxLimit - iMinLimit) + 0.5, truncated toward zero and saturated (NaN gives the negative
// bound). Logs when iMinLimit or iMaxLimit do not land on the first or last pixel.
int QVTFddValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength);

// The position QVTFddValueToPixel rounds, (iValue - iMinLimit) * (iLength - 1) / (iMaxLimit -
// iMinLimit); finite for limits at the ends of the doubles (-1e308, 1e308) too.
double QVTFddPixelPosition(double iValue, double iMinLimit, double iMaxLimit, int iLength);

// Writes the job of every pixel of pJobs (iLength jobs, allocated and default-constructed by the
// caller) for the ascending argument vector iVector over [iMinLimit, iMaxLimit]; iInterpolate
// non-zero interpolates in gaps, 0 takes the nearer sample. On a precondition or consistency
// failure (logged) pJobs keeps what the caller put there.
void QVTFddComputePixelJobs(const CATSamIDoubleVector* iVector, double iMinLimit, double iMaxLimit,
                            int iInterpolate, QVTFddPixelJob* pJobs, int iLength);

#endif
