// Writable in-memory matrix of doubles indexed (X index, Z index), filled cell by cell by the
// code that samples a function on a grid. Owns its cells, stored with the Z index running fastest
// (cell (x, z) at x * LengthY + z). Every cell starts as NaN, the "no data" of the host, so that
// a cell never written reads as missing. Reference counted: a new matrix holds one reference.
#ifndef QVTFddDoubleMatrix_H
#define QVTFddDoubleMatrix_H

#include <memory>

#include "CATSamIDoubleMatrix.h"
#include "CATSamPhysicalType.h"
#include "CATUnicodeString.h"

class QVTFddDoubleMatrix : public CATSamIDoubleMatrix {
 public:
  // Matrices beyond this many cells are refused: 2^31 cells.
  static constexpr unsigned long long kMaxCells = 1ULL << 28;

  // An iLengthX x iLengthY matrix of NaN. When the cells cannot be allocated, or there would be
  // more than kMaxCells of them, or a length is 0, the matrix is 0 x 0.
  QVTFddDoubleMatrix(unsigned int iLengthX, unsigned int iLengthY, const CATUnicodeString& iName,
                     CATSamPhysicalType iType);
  QVTFddDoubleMatrix(const QVTFddDoubleMatrix&) = delete;
  QVTFddDoubleMatrix& operator=(const QVTFddDoubleMatrix&) = delete;
  ~QVTFddDoubleMatrix() override;

  unsigned int GetLengthX() const override { return _LengthX; }
  unsigned int GetLengthY() const override { return _LengthY; }
  double GetValue(unsigned int iX, unsigned int iZ) const override;
  // Writes iValue at (iX, iZ); ignored outside the matrix.
  void SetValue(unsigned int iX, unsigned int iZ, double iValue);

  const CATUnicodeString& GetName() const { return _Name; }
  CATSamPhysicalType GetPhysicalType() const { return _Type; }

 private:
  unsigned int _LengthX = 0;
  unsigned int _LengthY = 0;
  CATUnicodeString _Name;
  CATSamPhysicalType _Type;
  std::unique_ptr<double[]> _Values;
};

#endif
