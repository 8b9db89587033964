#include "PrimitiveRep.h"

#include "CATGraphicPrimitive.h"
#include "CATRender.h"

PrimitiveRep::PrimitiveRep(CATGraphicPrimitive* iPrimitive, const CATGraphicAttributeSet& iAttribute)
    : _Primitive(iPrimitive) {
  if (_Primitive) _Primitive->AddRef();
  SetAttribute(iAttribute);
}

PrimitiveRep::~PrimitiveRep() {
  if (_Primitive) _Primitive->Release();
}

void PrimitiveRep::DrawShading(CATRender& iRender, int) {
  if (!_Primitive || !iRender.IsDrawable(GetAttribute(), this, nullptr)) return;
  iRender.SetCurrentAttribute(GetAttribute());
  _Primitive->Draw(iRender);
}
