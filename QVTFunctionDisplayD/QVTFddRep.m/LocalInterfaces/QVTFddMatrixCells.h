// The cells of a value matrix for the loops of a colour map: read in place when the matrix holds
// its values as doubles in memory, through the matrix otherwise. Indices outside the matrix
// (negative ones included) read as NaN, as the matrix itself answers them.
#ifndef QVTFddMatrixCells_H
#define QVTFddMatrixCells_H

#include "CATSamIDoubleMatrix.h"
#include "QVTFddConstants.h"

class QVTFddMatrixCells {
 public:
  explicit QVTFddMatrixCells(const CATSamIDoubleMatrix& iMatrix)
      : _Matrix(iMatrix),
        _Direct(iMatrix.GetDirectValues(_StrideX, _StrideZ)),
        _LengthX(iMatrix.GetLengthX()),
        _LengthZ(iMatrix.GetLengthY()) {}

  double At(int iX, int iZ) const {
    const unsigned int x = static_cast<unsigned int>(iX), z = static_cast<unsigned int>(iZ);
    if (!_Direct) return _Matrix.GetValue(x, z);
    return x < _LengthX && z < _LengthZ ? _Direct[x * _StrideX + z * _StrideZ] : QVTFddDoubleNaN;
  }

  // The cells of X index iX from Z index iZFirst to iZLast, oStride apart, read in place; null
  // when the matrix does not hold them in memory or the indices leave it.
  const double* Run(int iX, int iZFirst, int iZLast, unsigned long long& oStride) const {
    return Span(iX, iZFirst, iX, iZLast, _StrideZ, oStride);
  }

  // The same across: the cells of Z index iZ from X index iXFirst to iXLast.
  const double* Line(int iZ, int iXFirst, int iXLast, unsigned long long& oStride) const {
    return Span(iXFirst, iZ, iXLast, iZ, _StrideX, oStride);
  }

  // Whether every cell is read from memory, never through the matrix.
  bool InMemory() const { return _Direct != nullptr; }

  // Whether the matrix keeps the cells of one Z index side by side in memory (one row per Z).
  bool LinesAlongX() const { return _Direct && _StrideX == 1 && _StrideZ > 1; }

 private:
  // The cells from (iX, iZ) to (iXLast, iZLast) along one of the indices, iStride apart.
  const double* Span(int iX, int iZ, int iXLast, int iZLast, unsigned long long iStride,
                     unsigned long long& oStride) const {
    const unsigned int x = static_cast<unsigned int>(iX), z = static_cast<unsigned int>(iZ);
    const unsigned int xl = static_cast<unsigned int>(iXLast), zl = static_cast<unsigned int>(iZLast);
    if (!_Direct || x > xl || z > zl || xl >= _LengthX || zl >= _LengthZ) return nullptr;
    oStride = iStride;
    return _Direct + x * _StrideX + z * _StrideZ;
  }

  const CATSamIDoubleMatrix& _Matrix;
  unsigned long long _StrideX = 0, _StrideZ = 0;
  const double* _Direct;
  unsigned int _LengthX, _LengthZ;
};

#endif
