// The statistics of a curve's y over a range of samples: how many values (gaps, NaN, left out),
// their smallest and largest, and the sums of y and y^2 with compensated (Neumaier) summation, each
// kept as a sum and its running error, so that 10^8 samples give the mean and the root mean square
// to the last bits and two ranges' statistics merge into those of both. A value type, 56 bytes:
// CurveLevels keeps one per block.
#ifndef RangeStats_H
#define RangeStats_H

#include <cmath>
#include <cstdint>

class RangeStats {
 public:
  // Takes iValue in; a gap (NaN) is left out.
  void Add(double iValue) {
    if (std::isnan(iValue)) return;
    ++_Count;
    if (iValue < _Min) _Min = iValue;
    if (iValue > _Max) _Max = iValue;
    Sum(_Sum, _SumError, iValue);
    Sum(_Squares, _SquaresError, iValue * iValue);
  }
  // Takes the values of iOther in.
  void Merge(const RangeStats& iOther);

  uint64_t GetCount() const { return _Count; }
  // NaN when there are no values.
  double GetMin() const { return _Count ? _Min : NAN; }
  double GetMax() const { return _Count ? _Max : NAN; }
  double GetMean() const { return _Count ? Total(_Sum, _SumError) / double(_Count) : NAN; }
  double GetRms() const { return _Count ? std::sqrt(Total(_Squares, _SquaresError) / double(_Count)) : NAN; }

 private:
  // Adds iValue to the sum ioSum whose rounding errors gather in ioError.
  static void Sum(double& ioSum, double& ioError, double iValue) {
    const double lTotal = ioSum + iValue;
    ioError += std::fabs(ioSum) >= std::fabs(iValue) ? (ioSum - lTotal) + iValue : (iValue - lTotal) + ioSum;
    ioSum = lTotal;
  }
  // An infinite sum has no error worth adding (it would be NaN).
  static double Total(double iSum, double iError) { return std::isfinite(iSum) ? iSum + iError : iSum; }

  double _Sum = 0.0, _SumError = 0.0, _Squares = 0.0, _SquaresError = 0.0;
  double _Min = INFINITY, _Max = -INFINITY;
  uint64_t _Count = 0;
};

#endif
