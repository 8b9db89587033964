// 2D viewpoint: which model point lies at the centre of the viewport and how many device pixels
// one model unit spans (pan and zoom). Pixel coordinates have their origin at the bottom-left of
// the viewport, y up.
//
// Every conversion takes four values: the viewport's width and height in pixels, then two device
// scales (1.0 on every render here) by which the zoom is multiplied. The scales enter only as a
// product, so callers that pass them in either order convert alike.
#ifndef CAT2DViewpoint_H
#define CAT2DViewpoint_H

#include <cmath>

#include "CATMathPoint.h"
#include "CATMathPoint2D.h"
#include "CATMathPoint2Df.h"
#include "CATViewpoint.h"

// Final, with the hot conversion inline, so that loops over millions of samples in a primitive
// convert without a call.
class CAT2DViewpoint final : public CATViewpoint {
 public:
  CAT2DViewpoint(const CATMathPoint2D& iCenter = CATMathPoint2D(), double iPixelsPerUnit = 1.0,
                 CATViewer* iViewer = nullptr);

  const CATMathPoint2D& GetCenter() const { return _Center; }
  void SetCenter(const CATMathPoint2D& iCenter) { _Center = iCenter; }
  double GetZoom() const { return _Zoom; }
  void SetZoom(double iPixelsPerUnit) { _Zoom = iPixelsPerUnit; }
  // The viewpoint's own device scale (1.0), passed by callers as a conversion value.
  float GetDeviceScale() const { return 1.0f; }

  // Pixel to model in double precision.
  void ComputeModelFromPixel(float iPixelX, float iPixelY, CATMathPoint2D& oModel, float iWidth,
                             float iHeight, float iScaleA, float iScaleB) const;
  virtual void PixelToModel(const CATMathPoint2Df& iPixel, CATMathPoint2Df& oModel, float iWidth,
                            float iHeight, float iScaleA, float iScaleB) const;
  virtual void ModelToPixel(const CATMathPointf& iModel, CATMathPoint2Df& oPixel, float iWidth,
                            float iHeight, float iScaleA, float iScaleB) const {
    const double lFactor = PixelsPerUnit(iScaleA, iScaleB);
    oPixel.x = static_cast<float>((double(iModel.x) - _Center.GetX()) * lFactor + 0.5 * iWidth);
    oPixel.y = static_cast<float>((double(iModel.y) - _Center.GetY()) * lFactor + 0.5 * iHeight);
  }
  // Pixels per model unit that the conversions use; a zero or non-finite product falls back to 1
  // so that no conversion divides by zero. Public so that a render converting many points takes
  // it once.
  double PixelsPerUnit(float iScaleA, float iScaleB) const {
    const double lFactor = _Zoom * double(iScaleA) * double(iScaleB);
    return std::isfinite(lFactor) && lFactor != 0.0 ? lFactor : 1.0;
  }

 private:

  CATMathPoint2D _Center;
  double _Zoom;
};

#endif
