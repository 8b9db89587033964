// In-memory matrix, stored with the Z index running fastest: value (x, z) at x * LengthY + z,
// the layout of a C-ordered array values[x][z].
#ifndef MemoryDoubleMatrix_H
#define MemoryDoubleMatrix_H

#include <vector>

#include "CATSamIDoubleMatrix.h"

class MemoryDoubleMatrix : public CATSamIDoubleMatrix {
 public:
  // A values vector whose size is not iLengthX * iLengthY gives a 0 x 0 matrix.
  MemoryDoubleMatrix(unsigned int iLengthX, unsigned int iLengthY, std::vector<double> iValues);

  unsigned int GetLengthX() const override { return _LengthX; }
  unsigned int GetLengthY() const override { return _LengthY; }
  double GetValue(unsigned int iX, unsigned int iZ) const override;
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override;

 private:
  unsigned int _LengthX = 0;
  unsigned int _LengthY = 0;
  std::vector<double> _Values;
};

#endif
