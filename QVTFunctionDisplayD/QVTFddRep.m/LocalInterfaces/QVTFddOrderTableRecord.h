// One data row of the order table: its Z value and converted Z, its Z index, where its X values
// are read (a vector of its own, or the shared X values; its samples in order through a list of
// its own, the shared list, or none when they are in order already), and the ranges of its
// samples' orders and squared radii. The table keeps its records sorted by (Z, Z index).
// Holds one reference on its own X vector and owns its own list of samples in order.
#ifndef QVTFddOrderTableRecord_H
#define QVTFddOrderTableRecord_H

#include <memory>

#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

class QVTFddOrderTableRecord {
 public:
  // Rows sorted by Z, then Z index.
  bool operator<(const QVTFddOrderTableRecord& iOther) const {
    return _Z < iOther._Z || (_Z == iOther._Z && _ZIndex < iOther._ZIndex);
  }

  double _Z = 0.0;
  double _ZScaled = 0.0;
  int _ZIndex = 0;
  // Samples with an order.
  unsigned int _Length = 0;
  // X ascends with the order: nearest samples by bisection.
  bool _XAscends = false;
  // The row's own X values; null: the shared ones.
  RefPtr<CATSamIDoubleVector> _X;
  // The samples in order of their orders; null: they are in order.
  const unsigned int* _Slots = nullptr;
  // The row's own list (where _Slots points, unless the row uses the shared one).
  std::unique_ptr<unsigned int[]> _OwnSlots;
  // Ranges of the samples' orders and squared radii.
  double _OrderMin = 0.0, _OrderMax = 0.0;
  double _Radius2Min = 0.0, _Radius2Max = 0.0;
};

#endif
