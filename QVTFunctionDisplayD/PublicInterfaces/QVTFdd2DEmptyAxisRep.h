// Representation of an axis with nothing on it: one straight line between two points (model
// coordinates), drawn in the representation's own graphic attributes. Its bounding element is the
// box of the two points, widened by 0.1 model units on each side in a direction in which the line
// has no extent, so that a horizontal or vertical axis is never a flat box.
//
// Owns its line primitive, built at the first draw after construction or after SetPosition and
// destroyed with CATGraphicPrimitive::Destroy.
#ifndef QVTFdd2DEmptyAxisRep_H
#define QVTFdd2DEmptyAxisRep_H

#include "CAT2DRep.h"
#include "CATMathPoint2D.h"

class CAT2DLineGP;

class QVTFdd2DEmptyAxisRep : public CAT2DRep {
  HOST_META_DECLARE
 public:
  QVTFdd2DEmptyAxisRep(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd);
  ~QVTFdd2DEmptyAxisRep() override;
  QVTFdd2DEmptyAxisRep(const QVTFdd2DEmptyAxisRep&) = delete;
  QVTFdd2DEmptyAxisRep& operator=(const QVTFdd2DEmptyAxisRep&) = delete;

  // Draws the line, except in furtive drawing.
  void DrawShading(CATRender& iRender, int iInside) override;

  // Sets the bounding element from the two points.
  virtual void UpdateMyBoundingElement();
  // Moves the axis: the line is dropped at once and rebuilt at the next draw; the bounding element
  // follows at once.
  virtual void SetPosition(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd);

 private:
  void DestroyLine();

  CATMathPoint2D _Start;
  CATMathPoint2D _End;
  CAT2DLineGP* _Line;
};

#endif
