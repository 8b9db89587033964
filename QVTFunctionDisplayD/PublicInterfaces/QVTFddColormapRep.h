// Scene-graph object of a colour map: a rectangle in model coordinates filled with the map's image.
// Owns its one colour map primitive, which it draws when the render accepts it and destroys with
// itself, and forwards value queries to it; its bounding element is the rectangle.
#ifndef QVTFddColormapRep_H
#define QVTFddColormapRep_H

#include "CAT2DRep.h"
#include "CATMathBox2D.h"

class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;
class CATSamIDoubleMatrix;
class CATSamIDoubleVector;
class QVTFddColormapGP;
class QVTIFddContinuousAxis;
class QVTIFddScaling;

class QVTFddColormapRep : public CAT2DRep {
  HOST_META_DECLARE
 public:
  // The primitive's two argument lists.
  QVTFddColormapRep(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit,
                    int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit,
                    int iZInterpolate, CATSamIDoubleMatrix* iValues, QVTIFddContinuousAxis* iAxis,
                    QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                    double iOrderTolerance);
  QVTFddColormapRep(const CATMathBox2D& iBox, CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit,
                    int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit,
                    int iZInterpolate, CATSamIDouble2DDim2NH* iValues, QVTIFddContinuousAxis* iAxis,
                    QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                    double iOrderTolerance);
  // Without a primitive: draws nothing, value queries fail.
  QVTFddColormapRep();
  // Copies take the base state and the bounding box but no primitive, so that each primitive is
  // destroyed once, by its owner; an assigned representation keeps its own primitive.
  QVTFddColormapRep(const QVTFddColormapRep& iOther);
  QVTFddColormapRep& operator=(const QVTFddColormapRep& iOther);
  ~QVTFddColormapRep() override;

  void DrawShading(CATRender& iRender, int iInside) override;

  // The primitive's answer; E_FAIL without a primitive.
  long GetValue(double iX, double iZ, double& oValue);

 private:
  // Both argument lists end here, with the primitive they made (null when it could not be made).
  QVTFddColormapRep(const CATMathBox2D& iBox, QVTFddColormapGP* iGP);

  void SetBox(const CATMathBox2D& iBox);

  QVTFddColormapGP* _GP;
};

#endif
