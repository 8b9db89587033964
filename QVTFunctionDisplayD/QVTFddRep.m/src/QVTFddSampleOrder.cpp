#include "QVTFddSampleOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
}  // namespace

QVTFddSampleOrder::QVTFddSampleOrder() { Clear(); }

void QVTFddSampleOrder::Clear() {
  _Slots.reset();
  _Count = 0;
  _XAscends = 1;
  _X2Min = kInfinity;
  _X2Max = -kInfinity;
}

int QVTFddSampleOrder::Build(const double* iX, const double* iXScaled, double iZScaled, unsigned int iLength) {
  Clear();
  std::unique_ptr<unsigned int[]> lSlots(new (std::nothrow) unsigned int[iLength > 0 ? iLength : 1]);
  if (!lSlots) return 0;
  auto lOrder = [&](unsigned int i) { return iXScaled[i] / iZScaled; };
  bool lInOrder = true;
  for (unsigned int i = 0; i < iLength; ++i) {
    if (std::isnan(lOrder(i)) || std::isnan(iX[i])) continue;
    if (_Count > 0 && lOrder(i) < lOrder(lSlots[_Count - 1])) lInOrder = false;
    lSlots[_Count++] = i;
    _X2Min = std::min(_X2Min, iX[i] * iX[i]);
    _X2Max = std::max(_X2Max, iX[i] * iX[i]);
  }
  if (!lInOrder)
    std::sort(lSlots.get(), lSlots.get() + _Count, [&](unsigned int a, unsigned int b) {
      return lOrder(a) < lOrder(b) || (lOrder(a) == lOrder(b) && a < b);
    });
  for (unsigned int j = 1; j < _Count; ++j)
    if (!(iX[lSlots[j - 1]] <= iX[lSlots[j]])) _XAscends = 0;
  if (_Count < iLength || !lInOrder) _Slots = std::move(lSlots);
  return 1;
}
