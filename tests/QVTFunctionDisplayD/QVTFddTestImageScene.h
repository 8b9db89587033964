// An image primitive of type TGP seen through a viewpoint centred on the origin and drawn into a
// recording render: at zoom z, a model box of w x h is w z by h z pixels. The deriving scene makes
// _GP and destroys it.
#ifndef QVTFddTestImageScene_H
#define QVTFddTestImageScene_H

#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathPoint2D.h"
#include "RecordingRender.h"

template <class TGP>
struct QVTFddTestImageScene {
  QVTFddTestImageScene() : Viewpoint(CATMathPoint2D(0, 0), 1.0) { Render.SetViewpoint(&Viewpoint, nullptr); }
  QVTFddTestImageScene(const QVTFddTestImageScene&) = delete;
  QVTFddTestImageScene& operator=(const QVTFddTestImageScene&) = delete;

  // Draws at iZoom; the image calls the render received.
  std::vector<RecordedCall> Draw(double iZoom) {
    Viewpoint.SetZoom(iZoom);
    Render.Clear();
    GP->Draw(Render);
    return Render.CallsOf("ImmediateDraw2DImagePixel");
  }

  // The calls iOther (a copy, say) makes when drawn through the scene's viewpoint.
  std::vector<RecordedCall> DrawOther(TGP& iOther) {
    RecordingRender lRender;
    iOther.ImmediateDraw(lRender, &Viewpoint, nullptr);
    return lRender.Calls();
  }

  TGP* GP = nullptr;
  CAT2DViewpoint Viewpoint;
  RecordingRender Render{1000, 600};
};

#endif
