#include "CATViewer.h"

#include <algorithm>
#include <cmath>

#include "CATGraphicPrimitive.h"
#include "CATRender.h"
#include "CATRep.h"

CATViewer::CATViewer(int iWidth, int iHeight)
    : _Viewpoint(CATMathPoint2D(0.5 * iWidth, 0.5 * iHeight), 1.0, this), _Viewport(iWidth, iHeight) {}

CATViewer::~CATViewer() { Clear(); }

void CATViewer::FitBox(double iXMin, double iXMax, double iYMin, double iYMax) {
  double lWidth = iXMax - iXMin, lHeight = iYMax - iYMin;
  if (!(lWidth > 0.0) || !(lHeight > 0.0) || !std::isfinite(lWidth) || !std::isfinite(lHeight)) return;
  _Viewpoint.SetCenter(CATMathPoint2D(0.5 * (iXMin + iXMax), 0.5 * (iYMin + iYMax)));
  _Viewpoint.SetZoom(std::min(_Viewport.GetWidth() / lWidth, _Viewport.GetHeight() / lHeight));
}

void CATViewer::AddRep(CATRep* iRep) {
  if (!iRep) return;
  _Items.push_back({RefPtr<CATRep>::Hold(iRep), RefPtr<CATGraphicPrimitive>()});
}

void CATViewer::AddPrimitive(CATGraphicPrimitive* iPrimitive) {
  if (!iPrimitive) return;
  _Items.push_back({RefPtr<CATRep>(), RefPtr<CATGraphicPrimitive>::Hold(iPrimitive)});
}

void CATViewer::Clear() { _Items.clear(); }

void CATViewer::Draw(CATRender& iRender) {
  iRender.SetViewpoint(&_Viewpoint, &_Viewport);
  iRender.SetViewportParameters(static_cast<float>(_Viewport.GetWidth()), static_cast<float>(_Viewport.GetHeight()),
                                1.0f, 1.0f);
  for (Item& lItem : _Items) {
    if (lItem.rep)
      lItem.rep->DrawShading(iRender, 0);
    else
      lItem.primitive->Draw(iRender);
  }
}
