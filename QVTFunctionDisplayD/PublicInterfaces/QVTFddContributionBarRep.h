// Scene-graph object of a contribution bar: a rectangle in model coordinates filled with the bar's
// bitmap. Owns its one contribution bar primitive, which it draws when the render accepts it and
// destroys with itself; its bounding element is the rectangle.
#ifndef QVTFddContributionBarRep_H
#define QVTFddContributionBarRep_H

#include "CAT2DRep.h"
#include "CATMathBox2D.h"
#include "QVTFddContributionBarGP.h"

class CATSamIDoubleVector;
class QVTIFddContinuousAxis;

class QVTFddContributionBarRep : public CAT2DRep {
  HOST_META_DECLARE
 public:
  typedef QVTFddContributionBarGP::eBarDirection eBarDirection;

  // The same arguments as the primitive's.
  QVTFddContributionBarRep(const CATMathBox2D& iBox, eBarDirection iDirection, const CATSamIDoubleVector* iArgVector,
                           double iMinLimit, double iMaxLimit, const CATSamIDoubleVector* iResVector,
                           QVTIFddContinuousAxis* iAxis);
  // Without a primitive: draws nothing.
  QVTFddContributionBarRep();
  // Copies take the base state and the bounding box but no primitive, so that the primitive is
  // destroyed once, by its owner.
  QVTFddContributionBarRep(const QVTFddContributionBarRep& iOther);
  QVTFddContributionBarRep& operator=(const QVTFddContributionBarRep& iOther);
  ~QVTFddContributionBarRep() override;

  void DrawShading(CATRender& iRender, int iInside) override;

  // The primitive's answer; E_FAIL without a primitive.
  long GetValue(double iArgument, double& oValue);

 private:
  QVTFddContributionBarGP* _GP;
};

#endif
