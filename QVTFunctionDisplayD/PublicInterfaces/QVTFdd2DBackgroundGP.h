// Background of a plot area: fills one box, or a region of boxes, in model coordinates with
// solid polygons in the render's current attributes. Mode 1 draws only in the picking pass (an
// invisible pickable area); any other mode draws only in ordinary, non-furtive passes.
// Owns its region; keeps no cache and ignores the viewpoint.
#ifndef QVTFdd2DBackgroundGP_H
#define QVTFdd2DBackgroundGP_H

#include "CATDynamicGP.h"
#include "CATMathPoint2D.h"
#include "QVTFddMathRegion.h"

class QVTFdd2DBackgroundGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  QVTFdd2DBackgroundGP(const CATMathPoint2D& iFirstCorner, const CATMathPoint2D& iSecondCorner, int iMode);
  QVTFdd2DBackgroundGP(const QVTFddMathRegion& iRegion, int iMode);
  // A copy keeps the mode but has an empty region: it draws nothing.
  QVTFdd2DBackgroundGP(QVTFdd2DBackgroundGP& iOther);
  // Assigns the primitive base only; region and mode stay.
  QVTFdd2DBackgroundGP& operator=(QVTFdd2DBackgroundGP& iOther);
  ~QVTFdd2DBackgroundGP() override;

  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

 private:
  QVTFddMathRegion _Region;
  int _Mode;
};

#endif
