// View of the X rows of non-homogeneous data through the decimal logarithm, for colour maps on a
// logarithmic X axis: each row is read through a Log10Vector. Holds one reference on the rows.
#ifndef Log10Rows_H
#define Log10Rows_H

#include "CATSamIDouble1p5D.h"
#include "RefPtr.h"

class Log10Rows : public CATSamIDouble1p5D {
 public:
  explicit Log10Rows(CATSamIDouble1p5D* iRows);
  ~Log10Rows() override;
  Log10Rows(const Log10Rows&) = delete;
  Log10Rows& operator=(const Log10Rows&) = delete;

  unsigned int GetNbrRows() const override;
  // A new view (one reference) of row iRow; null for a row that does not exist.
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override;

 private:
  RefPtr<CATSamIDouble1p5D> _Rows;
};

#endif
