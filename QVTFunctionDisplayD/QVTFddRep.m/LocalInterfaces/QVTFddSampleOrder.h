// The samples of one data row put in order of their order value (converted X over converted Z),
// ties by sample index; samples whose order or X is not a number are left out. Keeps the list of
// sample indices only when it differs from 0, 1, 2, ... Also tells whether X ascends along that
// order (nearest samples can then be found by bisection) and the range of X * X over the samples.
// Owns its list; data units.
#ifndef QVTFddSampleOrder_H
#define QVTFddSampleOrder_H

#include <memory>

class QVTFddSampleOrder {
 public:
  QVTFddSampleOrder();

  // Orders the iLength samples of X values iX (converted: iXScaled) of a row at converted Z
  // iZScaled; 0 when memory runs out (the order is then empty).
  int Build(const double* iX, const double* iXScaled, double iZScaled, unsigned int iLength);

  // Sample indices in order, or null when they are 0 .. GetCount() - 1.
  const unsigned int* GetSlots() const { return _Slots.get(); }
  std::unique_ptr<unsigned int[]> ReleaseSlots() { return std::move(_Slots); }
  unsigned int GetCount() const { return _Count; }
  int XAscends() const { return _XAscends; }
  double GetX2Min() const { return _X2Min; }
  double GetX2Max() const { return _X2Max; }

 private:
  void Clear();

  std::unique_ptr<unsigned int[]> _Slots;
  unsigned int _Count;
  int _XAscends;
  double _X2Min, _X2Max;
};

#endif
