// Value ranges of data for the axes of a figure: the finite extent of vectors and matrices, and
// the range an axis shows for it (a little room around curves, never empty).
#ifndef DataRange_H
#define DataRange_H

#include <cstddef>

class CATSamIVector;
class CATSamIDoubleMatrix;
class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;

class DataRange {
 public:
  // Widens [ioMin, ioMax] by the finite values of the vector (only those above zero when
  // iPositive); a range that starts as NaN, NaN is empty. Reads the values in place when the
  // vector offers them, in chunks otherwise.
  static void Add(CATSamIVector* iVector, bool iPositive, double& ioMin, double& ioMax);
  static void Add(CATSamIDoubleMatrix* iValues, double& ioMin, double& ioMax);
  static void Add(CATSamIDouble1p5D* iRows, double& ioMin, double& ioMax);
  static void Add(CATSamIDouble2DDim2NH* iRows, double& ioMin, double& ioMax);
  static void Add(double iValue, double& ioMin, double& ioMax);
  // The same for iCount values in memory.
  static void Add(const double* iValues, size_t iCount, bool iPositive, double& ioMin, double& ioMax);

  // The range an axis shows: [iMin, iMax] widened by iMargin of its span on both sides (in
  // decades when iLog); an empty range becomes [0, 1] ([1, 10] when iLog), a single value a
  // range around it.
  static void Axis(double iMin, double iMax, double iMargin, bool iLog, double& oMin, double& oMax);

 private:
  // Add for values in memory, on the calling thread.
  static void AddPart(const double* iValues, size_t iCount, bool iPositive, double& ioMin, double& ioMax);
};

#endif
