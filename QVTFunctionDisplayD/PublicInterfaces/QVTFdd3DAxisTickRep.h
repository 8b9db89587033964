// Ticks of one axis in a 3D scene: short tick lines at the level-0 tick values of a tick source,
// placed along a straight axis between two 3D points (linear in scaled values from the start point
// at the scaled minimum to the end point at the scaled maximum), and, when asked for, each value as
// an annotation text three tick lengths from the axis. Ticks within 15 model units of an axis end
// get no text. Everything is drawn at once through temporary host primitives, so a change in the
// tick source shows at the next draw; the render's current attributes apply.
//
// Holds one reference on the tick source (may be null: nothing is drawn). Lengths are model units;
// the tick length comes from the tick source, the tick direction is a unit vector.
#ifndef QVTFdd3DAxisTickRep_H
#define QVTFdd3DAxisTickRep_H

#include "CAT3DRep.h"
#include "CATAnchorPoint.h"
#include "CATMathPoint.h"
#include "CATMathVector.h"
#include "RefPtr.h"

class QVTIFddTicks;

class QVTFdd3DAxisTickRep : public CAT3DRep {
  HOST_META_DECLARE
 public:
  QVTFdd3DAxisTickRep(const CATMathPoint& iStart, const CATMathPoint& iEnd, const CATMathDirection& iTickDirection,
                      QVTIFddTicks* iTicks, unsigned char iShowValues, CATAnchorPoint iAnchor);
  // Shares the other's tick source and takes its value-text switch and anchor; the axis is the
  // origin and the tick direction (1, 0, 0).
  QVTFdd3DAxisTickRep(QVTFdd3DAxisTickRep& iOther);
  // Assigns the representation base only.
  QVTFdd3DAxisTickRep& operator=(QVTFdd3DAxisTickRep& iOther);
  ~QVTFdd3DAxisTickRep() override;

  // Draws nothing without a tick source, a scaling, ticks at level 0, or a scaled range that is
  // zero or not finite.
  void DrawShading(CATRender& iRender, int iInside) override;

 protected:
  CATMathPoint _Start;
  CATMathPoint _End;
  CATMathDirection _TickDirection;
  RefPtr<QVTIFddTicks> _Ticks;
  unsigned char _ShowValues;
  CATAnchorPoint _Anchor;
};

#endif
