// 2D representation: records its extent in model coordinates.
#ifndef CAT2DRep_H
#define CAT2DRep_H

#include "CAT2DBoundingBox.h"
#include "CATRep.h"

class CAT2DRep : public CATRep {
  HOST_META_DECLARE
 public:
  CAT2DRep() = default;
  void SetBoundingElement(const CAT2DBoundingBox& iBox) { _BoundingElement = iBox; }
  const CAT2DBoundingBox& GetBoundingElement() const { return _BoundingElement; }

 private:
  CAT2DBoundingBox _BoundingElement;
};

#endif
