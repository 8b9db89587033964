#include "PrimitiveRep.h"

#include "CATGraphicPrimitive.h"
#include "CATRender.h"

PrimitiveRep::PrimitiveRep(CATGraphicPrimitive* iPrimitive, const CATGraphicAttributeSet& iAttribute)
    : _Primitive(RefPtr<CATGraphicPrimitive>::Hold(iPrimitive)) {
  SetAttribute(iAttribute);
}

PrimitiveRep::~PrimitiveRep() = default;

void PrimitiveRep::DrawShading(CATRender& iRender, int) {
  if (!_Primitive || !iRender.IsDrawable(GetAttribute(), this, nullptr)) return;
  iRender.SetCurrentAttribute(GetAttribute());
  _Primitive->Draw(iRender);
}
