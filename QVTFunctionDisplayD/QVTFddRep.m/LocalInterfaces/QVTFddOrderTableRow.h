// How the order table reads the X values of one of its rows, chosen once per row visit so that
// the searches over the row read them without asking at every sample where they are: the shared
// X values in memory, in their own order (kKind eRowInOrder) or through the row's list of samples
// in order (eRowSlots), or a vector of the row's own through the X scaling (eRowVector, whose list
// may be absent). A position is a place in the row's order, an index a sample of the row.
// Borrows everything it is given.
#ifndef QVTFddOrderTableRow_H
#define QVTFddOrderTableRow_H

#include "CATSamIDoubleVector.h"
#include "QVTIFddScaling.h"

enum QVTFddOrderTableRowKind { eRowInOrder, eRowSlots, eRowVector };

template <int kKind>
class QVTFddOrderTableRow {
 public:
  QVTFddOrderTableRow(const unsigned int* iSlots, const double* iX, const double* iXScaled,
                      const CATSamIDoubleVector* iVector, QVTIFddScaling* iScaling)
      : _Slots(iSlots), _X(iX), _XScaled(iXScaled), _Vector(iVector), _Scaling(iScaling) {}

  // Sample index of position iSlot.
  unsigned int Sample(unsigned int iSlot) const {
    if (kKind == eRowInOrder) return iSlot;
    if (kKind == eRowSlots) return _Slots[iSlot];
    return _Slots ? _Slots[iSlot] : iSlot;
  }
  // X and converted X of sample iIndex.
  double X(unsigned int iIndex) const { return kKind == eRowVector ? _Vector->GetValue(iIndex) : _X[iIndex]; }
  double XScaled(unsigned int iIndex) const {
    return kKind == eRowVector ? _Scaling->Convert(_Vector->GetValue(iIndex)) : _XScaled[iIndex];
  }
  double SlotX(unsigned int iSlot) const { return X(Sample(iSlot)); }
  double SlotXScaled(unsigned int iSlot) const { return XScaled(Sample(iSlot)); }

 private:
  const unsigned int* _Slots;
  const double* _X;
  const double* _XScaled;
  const CATSamIDoubleVector* _Vector;
  QVTIFddScaling* _Scaling;
};

#endif
