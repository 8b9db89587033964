// Pixel job: which samples of a sorted argument vector one pixel of a strip covers (one sample,
// a run of samples, an interpolation between the samples around a gap, or nothing). A plain
// value record; indices are sample indices of the argument vector. The mapping that computes
// jobs is QVTFddComputePixelJobs.h, above the virtual vector that holds them meanwhile.
#ifndef QVTFddPixelJob_H
#define QVTFddPixelJob_H

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

#endif
