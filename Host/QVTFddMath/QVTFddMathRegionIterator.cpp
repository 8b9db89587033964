#include "QVTFddMathRegionIterator.h"

#include "QVTFddMathRegion.h"

CATMathBox2D QVTFddMathRegionIterator::operator*() const {
  if (!_Region) return CATMathBox2D();
  return _Region->mf_GetBox(_Index);
}
