#include "CATDynamicGP.h"

#include "CATRender.h"

HOST_META_IMPLEMENT(CATDynamicGP, CATGraphicPrimitive, "Visualization")

void CATDynamicGP::Draw(CATRender& iRender) { iRender.DrawDynamicGP(*this); }

void CATDynamicGP::ImmediateDraw(CATRender&, const CATViewpoint*, const CATViewport*) {}
