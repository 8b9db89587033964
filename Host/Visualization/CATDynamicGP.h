// Primitive that draws itself: the render calls back ImmediateDraw with its viewpoint and
// viewport, either of which may be null (measuring renders have neither).
#ifndef CATDynamicGP_H
#define CATDynamicGP_H

#include "CATGraphicPrimitive.h"

class CATViewpoint;
class CATViewport;

class CATDynamicGP : public CATGraphicPrimitive {
  HOST_META_DECLARE
 public:
  CATDynamicGP() = default;
  void Draw(CATRender& iRender) override;
  virtual void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport);
};

#endif
