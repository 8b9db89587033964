#include "CAT2DViewpoint.h"

#include <cmath>

CAT2DViewpoint::CAT2DViewpoint(const CATMathPoint2D& iCenter, double iPixelsPerUnit, CATViewer* iViewer)
    : CATViewpoint(iViewer), _Center(iCenter), _Zoom(iPixelsPerUnit) {}

void CAT2DViewpoint::ComputeModelFromPixel(float iPixelX, float iPixelY, CATMathPoint2D& oModel,
                                           float iWidth, float iHeight, float iScaleA, float iScaleB) const {
  double lFactor = PixelsPerUnit(iScaleA, iScaleB);
  oModel.SetCoord(_Center.GetX() + (double(iPixelX) - 0.5 * iWidth) / lFactor,
                  _Center.GetY() + (double(iPixelY) - 0.5 * iHeight) / lFactor);
}

void CAT2DViewpoint::PixelToModel(const CATMathPoint2Df& iPixel, CATMathPoint2Df& oModel, float iWidth,
                                  float iHeight, float iScaleA, float iScaleB) const {
  CATMathPoint2D lModel;
  ComputeModelFromPixel(iPixel.x, iPixel.y, lModel, iWidth, iHeight, iScaleA, iScaleB);
  oModel = CATMathPoint2Df(lModel);
}

