// Representation that draws one primitive in the representation's own graphic attributes, the
// way the function display places library primitives in the scene. Holds one reference on the
// primitive.
#ifndef PrimitiveRep_H
#define PrimitiveRep_H

#include "CAT2DRep.h"
#include "RefPtr.h"

class CATGraphicPrimitive;

class PrimitiveRep : public CAT2DRep {
 public:
  PrimitiveRep(CATGraphicPrimitive* iPrimitive, const CATGraphicAttributeSet& iAttribute);
  ~PrimitiveRep() override;
  PrimitiveRep(const PrimitiveRep&) = delete;
  PrimitiveRep& operator=(const PrimitiveRep&) = delete;

  void DrawShading(CATRender& iRender, int iInside) override;

 private:
  RefPtr<CATGraphicPrimitive> _Primitive;
};

#endif
