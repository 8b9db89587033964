// Text primitive in model coordinates: its box spans (0, 0) to (w, h) from the origin before the
// rotation by the angle (degrees, counter-clockwise); w and h are the font's measure of the text
// at the given height, so the box the layout measured is the box that is drawn.
#ifndef CAT2DGeometricTextGP_H
#define CAT2DGeometricTextGP_H

#include "CAT2DGeomTextAttributeSet.h"
#include "CATGraphicPrimitive.h"
#include "CATUnicodeString.h"

class CATFont;

class CAT2DGeometricTextGP : public CATGraphicPrimitive {
 public:
  CAT2DGeometricTextGP(const float* iOrigin, const CATUnicodeString& iText, float iHeight, int iLayout1,
                       int iLayout2, int iLayout3, const CATFont* iFont, int iFontSlot, float iAngleDegrees,
                       float iWrapWidth, float iWidthRatio, float iSlant);
  void Draw(CATRender& iRender) override;

  // The four corners of the text box in model coordinates: origin, top-left, top-right,
  // bottom-right of the unturned box, turned about the origin (eight floats, x, y pairs).
  void GetBoundingBox(float* oCorners) const;

  const float* GetOrigin() const { return _Origin; }
  const CATUnicodeString& GetText() const { return _Text; }
  float GetHeight() const { return _Attributes.Height; }
  float GetAngle() const { return _Angle; }
  const CATFont* GetFont() const { return _Attributes.Font; }

 private:
  float _Origin[2];
  CATUnicodeString _Text;
  float _Angle;
  CAT2DGeomTextAttributeSet _Attributes;
};

#endif
