// 3D representation.
#ifndef CAT3DRep_H
#define CAT3DRep_H

#include "CATRep.h"

class CAT3DRep : public CATRep {
  HOST_META_DECLARE
 public:
  CAT3DRep() = default;
};

#endif
