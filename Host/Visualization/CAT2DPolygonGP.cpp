#include "CAT2DPolygonGP.h"

#include "CATRender.h"

CAT2DPolygonGP::CAT2DPolygonGP(const CATMathPoint2Df* iPoints, int iNbPoints) {
  if (!iPoints || iNbPoints <= 0) return;
  _Coords.reserve(size_t(iNbPoints) * 2);
  for (int i = 0; i < iNbPoints; ++i) {
    _Coords.push_back(iPoints[i].x);
    _Coords.push_back(iPoints[i].y);
  }
}

void CAT2DPolygonGP::Draw(CATRender& iRender) { iRender.Draw2DPolygon(*this); }
