// Non-homogeneous 2D values: one value row per Z sample, each row with its own length.
#ifndef CATSamIDouble2DDim2NH_H
#define CATSamIDouble2DDim2NH_H

#include "CATSamIDoubleVector.h"

class CATSamIDouble2DDim2NH : public CATBaseUnknown {
 public:
  // Number of rows.
  virtual unsigned int GetLengthY() const = 0;
  // Row iRow with one reference that the caller releases; null when there is no such row.
  virtual CATSamIDoubleVector* GetRow(unsigned int iRow) const = 0;
};

#endif
