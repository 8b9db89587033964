#include "QVTFdd2DLineGP.h"

#include "CATRender.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DLineGP, CAT2DLineGP)

QVTFdd2DLineGP::QVTFdd2DLineGP(const CATMathPoint2Df* iPoints, int iNbPoints, int iLineFlag, int iTessFlag)
    : CAT2DLineGP(iPoints, iNbPoints, iLineFlag, iTessFlag) {}

void QVTFdd2DLineGP::Draw(CATRender& iRender) { iRender.Draw2DLine(*this); }
