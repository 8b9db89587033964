#include "CAT3DAnnotationTextGP.h"

#include "CATRender.h"

CAT3DAnnotationTextGP::CAT3DAnnotationTextGP(const CATMathPointf& iPosition, const CATUnicodeString& iText,
                                             CATAnchorPoint iAnchor, float iSize, int iFlag)
    : _Position{iPosition.x, iPosition.y, iPosition.z}, _Text(iText), _Anchor(iAnchor), _Size(iSize), _Flag(iFlag) {}

void CAT3DAnnotationTextGP::Draw(CATRender& iRender) { iRender.Draw3DAnnotationText(*this); }
