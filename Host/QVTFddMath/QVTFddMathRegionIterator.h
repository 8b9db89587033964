// Forward iterator over the boxes of a QVTFddMathRegion, in the order they were added. Holds a
// position in a region it does not own: it is valid while that region lives unchanged.
#ifndef QVTFddMathRegionIterator_H
#define QVTFddMathRegionIterator_H

#include "CATMathBox2D.h"

class QVTFddMathRegion;

class QVTFddMathRegionIterator {
 public:
  QVTFddMathRegionIterator(const QVTFddMathRegion* iRegion, int iIndex) : _Region(iRegion), _Index(iIndex) {}

  bool operator!=(const QVTFddMathRegionIterator& iOther) const {
    return _Region != iOther._Region || _Index != iOther._Index;
  }
  bool operator==(const QVTFddMathRegionIterator& iOther) const { return !(*this != iOther); }

  // The box at this position; the default box past the end.
  CATMathBox2D operator*() const;

  QVTFddMathRegionIterator& operator++() {
    ++_Index;
    return *this;
  }
  QVTFddMathRegionIterator operator++(int) {
    QVTFddMathRegionIterator lBefore = *this;
    ++_Index;
    return lBefore;
  }

 private:
  const QVTFddMathRegion* _Region;
  int _Index;
};

#endif
