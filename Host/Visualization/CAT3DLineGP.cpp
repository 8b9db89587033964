#include "CAT3DLineGP.h"

#include "CATRender.h"

CAT3DLineGP::CAT3DLineGP(const float* iCoords, int iNbPoints, int iLineFlag, int iTessFlag)
    : _LineFlag(iLineFlag), _TessFlag(iTessFlag) {
  if (iCoords && iNbPoints > 0) _Coords.assign(iCoords, iCoords + size_t(iNbPoints) * 3);
}

void CAT3DLineGP::Draw(CATRender& iRender) { iRender.Draw3DLine(*this); }
