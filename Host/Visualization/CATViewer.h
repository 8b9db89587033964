// Minimal viewer: a 2D viewpoint over a viewport of fixed pixel size and an ordered list of
// representations and primitives, drawn into any render as the host would draw its scene.
#ifndef CATViewer_H
#define CATViewer_H

#include <vector>

#include "CAT2DViewpoint.h"
#include "CATViewport.h"
#include "RefPtr.h"

class CATGraphicPrimitive;
class CATRender;
class CATRep;

class CATViewer {
 public:
  // Model units are pixels at first: the viewpoint is centred on the viewport with zoom 1.
  CATViewer(int iWidth, int iHeight);
  ~CATViewer();
  CATViewer(const CATViewer&) = delete;
  CATViewer& operator=(const CATViewer&) = delete;

  // Millimetres per support unit: 1.0 on every support here.
  float GetMMInSupportUnit() const { return 1.0f; }
  CAT2DViewpoint& Get2DViewpoint() { return _Viewpoint; }
  const CATViewport& GetViewport() const { return _Viewport; }

  // Shows the model box [iXMin, iXMax] x [iYMin, iYMax] whole, centred, with equal scales.
  void FitBox(double iXMin, double iXMax, double iYMin, double iYMax);

  // The viewer holds one reference on each item until it is destroyed or cleared.
  void AddRep(CATRep* iRep);
  void AddPrimitive(CATGraphicPrimitive* iPrimitive);
  void Clear();

  // Draws every item, in the order added, into the render through the viewpoint.
  void Draw(CATRender& iRender);

 private:
  struct Item {
    RefPtr<CATRep> rep;
    RefPtr<CATGraphicPrimitive> primitive;
  };
  CAT2DViewpoint _Viewpoint;
  CATViewport _Viewport;
  std::vector<Item> _Items;
};

#endif
