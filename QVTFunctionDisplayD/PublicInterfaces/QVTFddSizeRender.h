// Measuring render: draws nothing and collects the 2D bounding box of what is drawn into it, so
// that the extent of a set of primitives can be learnt without a window. 2D lines, 2D polygons
// and 2D geometric texts (their box, not their glyphs) count, and dynamic primitives, which draw
// themselves into it without viewpoint or viewport; everything else is accepted and ignored (the
// host's immediate operations draw nothing).
//
// Holds only its box (model coordinates, as the primitives hand their points over) and the host
// render state. Every size render is built on one support shared by the module, created with the
// first size render and deleted when the module is unloaded.
#ifndef QVTFddSizeRender_H
#define QVTFddSizeRender_H

#include "CAT2DBoundingBox.h"
#include "CATRender.h"

class QVTFddSizeRender : public CATRender {
  HOST_META_DECLARE
 public:
  QVTFddSizeRender();
  // The copy shares the render state but starts with an empty box.
  QVTFddSizeRender(const QVTFddSizeRender& iOther);
  // Assigns the render state only; the box stays.
  QVTFddSizeRender& operator=(const QVTFddSizeRender& iOther);
  ~QVTFddSizeRender() override;

  // The box of everything drawn so far (empty at first); drawing may go on afterwards.
  CAT2DBoundingBox GetBB() const;

  void Draw2DGeometricText(CAT2DGeometricTextGP& iText) override;
  void DrawDynamicGP(CATDynamicGP& iPrimitive) override;
  void ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int iLineFlag, TessFlag iTess) override;
  void ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int iFlag1, int iFlag2, const int* iIndices1,
                              const int* iIndices2, const int* iIndices3, TessFlag iTess) override;

 private:
  // Adds the box around iNbPoints (x, y) pairs.
  void Accumulate(const float* iPoints, int iNbPoints);

  CAT2DBoundingBox _BoundingBox;
};

#endif
