// Chosen samples of another data vector, read through to it, never copied: either the index range
// iFirst .. iFirst + iCount - 1, or the samples an ascending index list names. A curve's view hands
// the curve primitive only the samples that decide its picture. Holds one reference on the vector
// and shares the index list.
#ifndef SelectedVector_H
#define SelectedVector_H

#include <memory>
#include <vector>

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class SelectedVector : public CATSamIDoubleVector {
 public:
  SelectedVector(CATSamIVector* iBase, unsigned int iFirst, unsigned int iCount);
  SelectedVector(CATSamIVector* iBase, std::shared_ptr<const std::vector<unsigned int>> iIndices);

  unsigned int GetLength() const override { return _Count; }
  double GetValue(unsigned int iIndex) const override;
  unsigned int GetValues(unsigned int iFirst, unsigned int iCount, double* oValues) const override;

 private:
  RefPtr<CATSamIVector> _Base;
  unsigned int _First = 0;
  unsigned int _Count = 0;
  std::shared_ptr<const std::vector<unsigned int>> _Indices;
};

#endif
