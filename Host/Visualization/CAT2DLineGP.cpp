#include "CAT2DLineGP.h"

#include "CATRender.h"

HOST_META_IMPLEMENT(CAT2DLineGP, CATGraphicPrimitive, "Visualization")

CAT2DLineGP::CAT2DLineGP(const CATMathPoint2Df* iPoints, int iNbPoints, int iLineFlag, int iTessFlag)
    : _LineFlag(iLineFlag), _TessFlag(iTessFlag) {
  if (!iPoints || iNbPoints <= 0) return;
  _Coords.reserve(size_t(iNbPoints) * 2);
  for (int i = 0; i < iNbPoints; ++i) {
    _Coords.push_back(iPoints[i].x);
    _Coords.push_back(iPoints[i].y);
  }
}

void CAT2DLineGP::Draw(CATRender& iRender) { iRender.Draw2DLine(*this); }
