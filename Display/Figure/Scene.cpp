#include "Scene.h"

#include "CAT2DGeometricTextGP.h"
#include "CAT2DLineGP.h"
#include "CATMathBox2D.h"
#include "CATFont.h"
#include "CATGraphicPrimitive.h"
#include "CATViewer.h"
#include "PrimitiveRep.h"
#include "RefPtr.h"

CATGraphicAttributeSet Scene::Color(int iRed, int iGreen, int iBlue, int iAlpha, int iThickness) {
  CATGraphicAttributeSet lSet;
  lSet.SetColor(iRed, iGreen, iBlue, iAlpha);
  lSet.SetThickness(iThickness);
  return lSet;
}

void Scene::Show(CATViewer& ioViewer, CATGraphicPrimitive* iPrimitive, const CATGraphicAttributeSet& iAttribute) {
  const RefPtr<CATGraphicPrimitive> lPrimitive(iPrimitive);
  if (!lPrimitive) return;
  Add(ioViewer, new PrimitiveRep(lPrimitive.Get(), iAttribute));
}

void Scene::Add(CATViewer& ioViewer, CATRep* iRep) {
  const RefPtr<CATRep> lRep(iRep);
  if (lRep) ioViewer.AddRep(lRep.Get());
}

void Scene::Polyline(CATViewer& ioViewer, const std::vector<CATMathPoint2D>& iPoints,
                     const CATGraphicAttributeSet& iAttribute) {
  std::vector<CATMathPoint2Df> lPoints;
  for (const CATMathPoint2D& lPoint : iPoints) lPoints.push_back(CATMathPoint2Df(lPoint));
  Show(ioViewer, new CAT2DLineGP(lPoints.data(), static_cast<int>(lPoints.size()), 1, 0), iAttribute);
}

void Scene::Outline(CATViewer& ioViewer, const CATMathBox2D& iBox, const CATGraphicAttributeSet& iAttribute) {
  const CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
  Polyline(ioViewer,
           {lLow, CATMathPoint2D(lLow.GetX(), lHigh.GetY()), lHigh, CATMathPoint2D(lHigh.GetX(), lLow.GetY()), lLow},
           iAttribute);
}

void Scene::Caption(CATViewer& ioViewer, CATFont& iFont, double iX, double iY, double iHeight,
                    const char* iText) {
  const float lOrigin[2] = {static_cast<float>(iX), static_cast<float>(iY)};
  Show(ioViewer,
       new CAT2DGeometricTextGP(lOrigin, iText, static_cast<float>(iHeight), 0, 4, 0, &iFont, 0, 0.0f, -10000.0f,
                                1.0f, 0.0f),
       Color(40, 40, 40));
}
