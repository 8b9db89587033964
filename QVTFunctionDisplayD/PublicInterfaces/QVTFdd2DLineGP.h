// Line primitive of the library: a host 2D line (points in model coordinates) that hands itself to
// the render's line operation. Owns nothing beyond the host line's points.
#ifndef QVTFdd2DLineGP_H
#define QVTFdd2DLineGP_H

#include "CAT2DLineGP.h"

class QVTFdd2DLineGP : public CAT2DLineGP {
  HOST_META_DECLARE
 public:
  QVTFdd2DLineGP() = default;
  QVTFdd2DLineGP(const CATMathPoint2Df* iPoints, int iNbPoints, int iLineFlag, int iTessFlag);

  void Draw(CATRender& iRender) override;
};

#endif
