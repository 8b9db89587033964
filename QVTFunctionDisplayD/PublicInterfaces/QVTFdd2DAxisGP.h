// Host primitive that draws one list of an axis drawing: the list of the SPS it was built with,
// walked from the head, each primitive drawn into the render (so in reverse order of creation).
// The drawing builds its lists on the first draw of any of its GPs.
//
// Holds one reference on the drawing, so that a drawing lives as long as its longest-lived GP. A
// GP built with a null drawing draws nothing.
#ifndef QVTFdd2DAxisGP_H
#define QVTFdd2DAxisGP_H

#include "CATGraphicPrimitive.h"
#include "RefPtr.h"

class QVTFdd2DAxisDrawing;

class QVTFdd2DAxisGP : public CATGraphicPrimitive {
  HOST_META_DECLARE
 public:
  QVTFdd2DAxisGP(QVTFdd2DAxisDrawing* iDrawing, int iSPS);
  ~QVTFdd2DAxisGP() override;
  QVTFdd2DAxisGP(const QVTFdd2DAxisGP&) = delete;
  QVTFdd2DAxisGP& operator=(const QVTFdd2DAxisGP&) = delete;

  void Draw(CATRender& iRender) override;

 private:
  RefPtr<QVTFdd2DAxisDrawing> _Drawing;
  int _SPS;
};

#endif
