// Curve of a sampled function y(x): straight segments between consecutive samples, reduced to the
// pixel resolution. A run of segments that stays inside one pixel column (row, when reducing along
// y) becomes one segment from the smallest to the largest value reached, so the number of drawn
// segments follows the pixels, not the samples. Samples that are not numbers leave gaps.
//
// Holds one reference on each data vector. The data box (data units) is mapped onto the display
// box (model units), which is also the clip rectangle. Owns the cache: the reduced, clipped
// segments in model coordinates, kept while the model length of one pixel (the zoom) stays the
// same, so panning redraws without recomputing. Changed vector contents are not noticed.
#ifndef QVTFdd2DCurveGP_H
#define QVTFdd2DCurveGP_H

#include <cstdlib>
#include <memory>

#include "CATDynamicGP.h"
#include "CATMathBox2D.h"
#include "RefPtr.h"

class CAT2DViewpoint;
class CATSamIVector;

class QVTFdd2DCurveGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  // ReduceAlongX: one segment per pixel column, segments oriented by increasing x.
  // ReduceAlongY: one segment per pixel row, segments oriented by increasing y.
  enum eReduceAxis : int { ReduceAlongX = 0, ReduceAlongY = 1 };

  QVTFdd2DCurveGP(const CATMathBox2D& iDataBox, const CATMathBox2D& iDisplayBox, eReduceAxis iReduceAxis,
                  CATSamIVector* iXVector, CATSamIVector* iYVector);
  // Shares the vectors and keeps the reduction axis; the boxes are default (a point), so the copy
  // draws nothing, and its cache starts empty.
  QVTFdd2DCurveGP(QVTFdd2DCurveGP& iOther);
  // Assigns the primitive base only.
  QVTFdd2DCurveGP& operator=(QVTFdd2DCurveGP& iOther);
  ~QVTFdd2DCurveGP() override;

  // The pixel a position in pixels lies in (pixel k spans k .. k + 1): the one rule by which the
  // reduction puts samples into pixel columns and rows. Each pixel's part of the curve is drawn
  // at the pixel's centre, so that a value shows where the axes place it and a one-pixel line
  // covers whole pixels.
  static float PixelOf(float iPosition);

  // The viewport is not used; the viewpoint must be a 2D viewpoint.
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

 private:
  // Frees the cache.
  void EmptyCache();
  // Fills the cache for the viewpoint and the four conversion values; leaves it empty when there
  // is nothing to compute (no sample, a data box that maps onto no finite scale, no memory).
  void ComputeSegments(const CAT2DViewpoint& iViewpoint, float iWidth, float iHeight, float iScaleA,
                       float iScaleB);

  RefPtr<CATSamIVector> _XVector;
  RefPtr<CATSamIVector> _YVector;
  CATMathBox2D _DataBox;
  CATMathBox2D _DisplayBox;
  eReduceAxis _ReduceAxis;
  // Model length of one pixel step along the reduction axis when _Segments was computed.
  float _PixelStep;
  // Segments (x0, y0, x1, y1) in model coordinates; null while nothing is cached. Taken from
  // malloc, since the list is grown and shrunk with realloc while it is computed.
  std::unique_ptr<float[], decltype(&std::free)> _Segments;
  // Points in _Segments: twice the number of segments.
  int _NbPoints;
};

#endif
