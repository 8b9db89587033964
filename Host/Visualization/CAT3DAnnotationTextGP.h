// Annotation text at a 3D point: drawn facing the screen at a fixed pixel size.
#ifndef CAT3DAnnotationTextGP_H
#define CAT3DAnnotationTextGP_H

#include "CATAnchorPoint.h"
#include "CATGraphicPrimitive.h"
#include "CATMathPoint.h"
#include "CATUnicodeString.h"

class CAT3DAnnotationTextGP : public CATGraphicPrimitive {
 public:
  CAT3DAnnotationTextGP(const CATMathPointf& iPosition, const CATUnicodeString& iText, CATAnchorPoint iAnchor,
                        float iSize, int iFlag);
  void Draw(CATRender& iRender) override;

  const float* GetPosition() const { return _Position; }
  const CATUnicodeString& GetText() const { return _Text; }
  CATAnchorPoint GetAnchor() const { return _Anchor; }
  float GetSize() const { return _Size; }
  int GetFlag() const { return _Flag; }

 private:
  float _Position[3];
  CATUnicodeString _Text;
  CATAnchorPoint _Anchor;
  float _Size;
  int _Flag;
};

#endif
