// One bar of a bar chart: the filled axis-aligned rectangle between two corners, in model
// coordinates, extending from the base corner (the first) along y (Vertical) or x (Horizontal).
// A bar whose extent spans at most one pixel is drawn as a line along its base instead, one pixel
// thick unless its extent is exactly zero. Keeps no cache and owns nothing.
#ifndef QVTFdd2DBarGP_H
#define QVTFdd2DBarGP_H

#include "CATDynamicGP.h"

class QVTFdd2DBarGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  // Any other value draws nothing.
  enum eDirection : int { Vertical = 0, Horizontal = 1 };

  // Each corner is two floats (x, y); a null corner makes a bar that draws nothing.
  QVTFdd2DBarGP(const float* iCorner1, const float* iCorner2, eDirection iDirection);
  // Keeps the corners and the direction.
  QVTFdd2DBarGP(QVTFdd2DBarGP& iOther);
  // Assigns the primitive base only: corners and direction stay.
  QVTFdd2DBarGP& operator=(QVTFdd2DBarGP& iOther);
  ~QVTFdd2DBarGP() override;

  // The viewport is not used; the viewpoint must be a 2D viewpoint.
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

 private:
  float _Corner1[2];
  float _Corner2[2];
  eDirection _Direction;
};

#endif
