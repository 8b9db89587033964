// Base of the short-lived parts that lay out an axis one after another (label, ticks, limits,
// discrete values). A part is built with the axis geometry and the region that the parts before it
// occupy, gets exactly one AddPrim call and is destroyed.
//
// AddPrim pushes the part's primitives at the head of the given list (the list owns them) and
// returns a new region made only of the boxes of the texts it added: not the occupied region it was
// given, not the boxes of lines. How its texts keep clear of the occupied region is each part's own
// rule; tick marks and lines are never tested. It changes nothing but the list.
//
// Owns copies of the geometry and of the occupied region; borrows the font (never released).
// Lengths are model units of the 2D drawing; _Direction is the unit direction towards the side of
// the axis on which the texts go.
#ifndef QVTFdd2DAxisPart_H
#define QVTFdd2DAxisPart_H

#include "CATBaseUnknown.h"
#include "CATMathDirection2D.h"
#include "CATMathPoint2D.h"
#include "QVTFdd2DAxisTickPosition.h"
#include "QVTFddMathRegion.h"

class CATFont;
class QVTFddGPList;

class QVTFdd2DAxisPart : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  QVTFdd2DAxisPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                   float iTextHeight, CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                   const QVTFddMathRegion& iOccupied);
  ~QVTFdd2DAxisPart() override;

  virtual QVTFddMathRegion AddPrim(QVTFddGPList*& ioList) = 0;

 protected:
  // Both points (0, 0), the default direction, no font, an empty occupied region.
  QVTFdd2DAxisPart();
  // Parts are never copied; these copy the fields for completeness.
  QVTFdd2DAxisPart(const QVTFdd2DAxisPart& iOther);
  QVTFdd2DAxisPart& operator=(const QVTFdd2DAxisPart& iOther);

  CATMathPoint2D _Start;
  CATMathPoint2D _End;
  CATMathDirection2D _Direction;
  float _TextHeight;
  CATFont* _Font;
  QVTFdd2DAxisTickPosition::eTickPosition _TickPosition;
  QVTFddMathRegion _Occupied;
};

#endif
