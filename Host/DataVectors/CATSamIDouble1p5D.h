// Per-row X vectors of non-homogeneous 2D data.
#ifndef CATSamIDouble1p5D_H
#define CATSamIDouble1p5D_H

#include "CATSamIDoubleVector.h"

class CATSamIDouble1p5D : public CATBaseUnknown {
 public:
  virtual unsigned int GetNbrRows() const = 0;
  // X vector of row iRow with one reference that the caller releases; null when there is none.
  virtual CATSamIDoubleVector* GetXVector(unsigned int iRow) const = 0;
};

#endif
