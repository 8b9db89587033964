#include "QVTFddOrderHints.h"

#include <new>

int QVTFddOrderHints::Reserve(int iRows) {
  _Hints.reset();
  _Rows = 0;
  if (iRows <= 0) return 1;
  // The rows' hints, then those of the whole table.
  const size_t n = (static_cast<size_t>(iRows) + 1) * eSearchCount;
  _Hints.reset(new (std::nothrow) unsigned int[n]());
  if (!_Hints) return 0;
  _Rows = iRows;
  return 1;
}
