#include "RangeStats.h"

void RangeStats::Merge(const RangeStats& iOther) {
  if (iOther._Count == 0) return;
  _Count += iOther._Count;
  if (iOther._Min < _Min) _Min = iOther._Min;
  if (iOther._Max > _Max) _Max = iOther._Max;
  Sum(_Sum, _SumError, iOther._Sum);
  _SumError += iOther._SumError;
  Sum(_Squares, _SquaresError, iOther._Squares);
  _SquaresError += iOther._SquaresError;
}
