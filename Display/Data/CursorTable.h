// What two cursors at x_A and x_B measure on a set of curves: the cursors, Δx and 1/Δx, and per
// curve y at each cursor (the sample at or before it, and y interpolated linearly there), Δy (of
// the interpolated values) and the statistics of y over the samples in [x_A, x_B] from the curve's
// levels, so every number is exact at any zoom. Made for fdd-plot's table beside a picture, its
// CSV on standard output, fdd-view's panel and fddplot; it borrows the levels it is given while it
// computes. Data units; NaN where a curve has no value (before its first sample, a gap).
#ifndef CursorTable_H
#define CursorTable_H

#include <string>
#include <vector>

#include "RangeStats.h"

class CurveLevels;

class CursorTable {
 public:
  struct Row {
    std::string Name;
    // y of the last sample at or before A (B), and y interpolated at A (B).
    double YA = NAN, YAInterpolated = NAN, YB = NAN, YBInterpolated = NAN;
    double DeltaY = NAN;
    RangeStats Stats;
  };

  // The cursors in either order: A is the one given first.
  CursorTable(double iA, double iB) : _A(iA), _B(iB) {}
  // Adds the row of a curve whose levels are ready (a curve not ready gets a row without values).
  void AddCurve(const std::string& iName, const CurveLevels& iLevels);

  double GetA() const { return _A; }
  double GetB() const { return _B; }
  double GetDeltaX() const { return _B - _A; }
  double GetInverseDeltaX() const { return 1.0 / (_B - _A); }
  const std::vector<Row>& GetRows() const { return _Rows; }

  // Lines for a reader: the cursors, then a block of lines per curve.
  std::vector<std::string> Lines() const;
  // A header line and one line per curve, numbers written so they read back exactly.
  std::string Csv() const;

  // y at iX on a curve: the last sample at or before it, and the linear interpolation there.
  static void ValueAt(const CurveLevels& iLevels, double iX, double& oSample, double& oInterpolated);

 private:
  double _A, _B;
  std::vector<Row> _Rows;
};

#endif
