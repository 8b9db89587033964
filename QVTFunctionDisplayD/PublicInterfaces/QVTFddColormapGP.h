// Colour map primitive: fills a rectangle in model coordinates with the image of two-variable data
// (X along the rectangle's width, Z along its height), computed for the rectangle's current extent
// in pixels and drawn at its low corner. The image is kept between draws: the same size draws it
// again, a size whose diagonal is within 20 % of the size computed draws a zoomed copy, a larger
// change recomputes it, and 2000 pixels or more in either direction drop it (nothing drawn).
// Computes with the linear algorithm, or with order interpolation when asked to; answers the data
// value under a point on the pixel grid shown.
// Holds one reference on every data object, the colour axis and the scalings; owns the cached
// image and the algorithm of the size shown. Limits are in data units, sizes in device pixels.
#ifndef QVTFddColormapGP_H
#define QVTFddColormapGP_H

#include "CATDynamicGP.h"
#include "CATMathBox2D.h"
#include "RefPtr.h"

class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;
class CATSamIDoubleMatrix;
class CATSamIDoubleVector;
class QVTFddColormapAlgo;
template <class TAlgorithm, class TPrimitive>
class QVTFddCachedImage;
class QVTIFddContinuousAxis;
class QVTIFddScaling;

class QVTFddColormapGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  // Homogeneous data: iValues is indexed (X index, Z index). The scalings are used by order
  // interpolation only.
  QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit,
                   int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit,
                   int iZInterpolate, CATSamIDoubleMatrix* iValues, QVTIFddContinuousAxis* iAxis,
                   QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                   double iOrderTolerance);
  // Non-homogeneous data: row j of iValues has its X samples in row j of iXValues.
  QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit,
                   int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit,
                   int iZInterpolate, CATSamIDouble2DDim2NH* iValues, QVTIFddContinuousAxis* iAxis,
                   QVTIFddScaling* iXScaling, QVTIFddScaling* iZScaling, int iOrderInterpolation,
                   double iOrderTolerance);
  // A copy takes the primitive base only: no box, data, axis, image or algorithm; it draws nothing
  // and its value queries fail.
  QVTFddColormapGP(const QVTFddColormapGP& iOther);
  // Assigns the primitive base and drops the kept image, so that the next draw computes anew.
  QVTFddColormapGP& operator=(const QVTFddColormapGP& iOther);
  ~QVTFddColormapGP() override;

  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

  // The value under the data point (iX, iZ) on the pixel grid of the image shown: S_OK with
  // oValue, or E_FAIL before the first draw, during a draw, without data, or where the pixel has
  // no value.
  long GetValue(double iX, double iZ, double& oValue);

 private:
  // Both data constructors: the pointers of the other kind of data are null.
  QVTFddColormapGP(const CATMathBox2D& iBox, CATSamIDoubleVector* iXVector, CATSamIDouble1p5D* iXValues,
                   double iXMinLimit, double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector,
                   double iZMinLimit, double iZMaxLimit, int iZInterpolate, CATSamIDoubleMatrix* iValues,
                   CATSamIDouble2DDim2NH* iValuesNonHom, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
                   QVTIFddScaling* iZScaling, int iOrderInterpolation, double iOrderTolerance);
  typedef QVTFddCachedImage<QVTFddColormapAlgo, QVTFddColormapGP> CachedImage;

  // The algorithm for iWidth x iHeight pixels, or null when a piece of data it needs is missing
  // (or the heap is exhausted).
  QVTFddColormapAlgo* NewAlgorithm(int iWidth, int iHeight) const;
  // The image of the size shown and its algorithm (null when the heap was exhausted at
  // construction: nothing is drawn then).
  static CachedImage* NewCachedImage(const QVTFddColormapGP& iPrimitive);

  RefPtr<QVTIFddContinuousAxis> _Axis;
  CATMathBox2D _Box;
  RefPtr<CATSamIDoubleVector> _XVector;
  RefPtr<CATSamIDouble1p5D> _XValuesNonHom;
  RefPtr<CATSamIDoubleVector> _ZVector;
  RefPtr<CATSamIDoubleMatrix> _Values;
  RefPtr<CATSamIDouble2DDim2NH> _ValuesNonHom;
  CachedImage* _Image;
  double _XMinLimit;
  double _XMaxLimit;
  int _XInterpolate;
  double _ZMinLimit;
  double _ZMaxLimit;
  int _ZInterpolate;
  int _OrderInterpolation;
  double _OrderTolerance;
  RefPtr<QVTIFddScaling> _XScaling;
  RefPtr<QVTIFddScaling> _ZScaling;
};

#endif
