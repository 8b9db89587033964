#include "CAT2DGeometricTextGP.h"

#include <cmath>

#include "CATFont.h"
#include "CATRender.h"

CAT2DGeometricTextGP::CAT2DGeometricTextGP(const float* iOrigin, const CATUnicodeString& iText, float iHeight,
                                           int iLayout1, int iLayout2, int iLayout3, const CATFont* iFont,
                                           int iFontSlot, float iAngleDegrees, float iWrapWidth,
                                           float iWidthRatio, float iSlant)
    : _Text(iText), _Angle(iAngleDegrees) {
  _Origin[0] = iOrigin ? iOrigin[0] : 0.0f;
  _Origin[1] = iOrigin ? iOrigin[1] : 0.0f;
  CATFont::sComputeGeomAttributeSet(_Attributes, _Origin, iText, iHeight, iLayout1, iLayout2, iLayout3, iFont,
                                    iFontSlot, iAngleDegrees, iWrapWidth, iWidthRatio, iSlant);
}

void CAT2DGeometricTextGP::Draw(CATRender& iRender) { iRender.Draw2DGeometricText(*this); }

void CAT2DGeometricTextGP::GetBoundingBox(float* oCorners) const {
  if (!oCorners) return;
  CAT2DBoundingBox lBox;
  CATFont::sComputeTextGlobalMetrics(lBox, _Text, _Attributes, _Attributes.Font);
  double w = lBox.IsEmpty() ? 0.0 : double(lBox.GetXMax()) - lBox.GetXMin();
  double h = lBox.IsEmpty() ? 0.0 : double(lBox.GetYMax()) - lBox.GetYMin();
  const double lRadians = double(_Angle) * (M_PI / 180.0);
  const double c = std::cos(lRadians), s = std::sin(lRadians);
  const double lCorners[4][2] = {{0.0, 0.0}, {0.0, h}, {w, h}, {w, 0.0}};
  for (int i = 0; i < 4; ++i) {
    oCorners[2 * i] = static_cast<float>(_Origin[0] + c * lCorners[i][0] - s * lCorners[i][1]);
    oCorners[2 * i + 1] = static_cast<float>(_Origin[1] + s * lCorners[i][0] + c * lCorners[i][1]);
  }
}
