// A text placed beside an axis: measured with the host font, turned to an orientation, and one
// point of one edge of its box attached to a position. Keeps the resulting axis-aligned box, so
// that a caller can ask for the region the text would take, or have it pushed as a host geometric
// text on a primitive list; in both cases the text declines when its box overlaps an occupied
// region. Never draws anything itself.
//
// Owns its copy of the text and the turned corners of its box; borrows the font (a null font means
// the text is not initialised and places nothing). Lengths are model units of the 2D drawing;
// _Angle is in radians, counter-clockwise.
//
// Text coordinates: before turning, the box spans the origin (0, 0) to (w, h), corners
// P0 (0, 0), P1 (0, h), P2 (w, h), P3 (w, 0); edge i runs from corner i to corner i + 1. The edge
// that faces the position is the one whose inward normal best matches the placement direction;
// anchor mode 0 puts its corner nearer the text origin on the position, 1 its midpoint, 2 its other
// corner, any other mode the text origin. The rotation angle is the angle from the up vector to
// (0, 1): a text whose top should point along (x, y) is given the up vector (-x, y).
#ifndef QVTFdd2DAxisText_H
#define QVTFdd2DAxisText_H

#include "CATBaseUnknown.h"
#include "CATMathBox2D.h"
#include "CATMathDirection2D.h"
#include "CATMathPoint2D.h"
#include "CATMathVector2D.h"
#include "CATUnicodeString.h"
#include "QVTFddMathPolygon2D.h"
#include "QVTFddMathRegion.h"

class CATFont;
class QVTFddGPList;

class QVTFdd2DAxisText : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  // Not initialised: only a target for assignment.
  QVTFdd2DAxisText();
  QVTFdd2DAxisText(float iTextHeight, CATFont* iFont, const CATUnicodeString& iText, const CATMathPoint2D& iPosition,
                   const CATMathDirection2D& iPlacement, const CATMathDirection2D& iUp, int iAnchorMode);
  QVTFdd2DAxisText(const QVTFdd2DAxisText& iOther);
  QVTFdd2DAxisText& operator=(const QVTFdd2DAxisText& iOther);
  ~QVTFdd2DAxisText() override;

  // The region of the text's box, or an empty region when the box overlaps iOccupied or the text is
  // not initialised (which is logged).
  QVTFddMathRegion GetRegion(const QVTFddMathRegion& iOccupied) const;
  // As GetRegion; when the box is free, also pushes a CAT2DGeometricTextGP at the head of ioList.
  // The region is empty when nothing could be pushed.
  QVTFddMathRegion AddPrim(QVTFddGPList*& ioList, const QVTFddMathRegion& iOccupied) const;

  // How often the measuring attribute set, shared by the axis texts of a thread and kept while font
  // and height stay the same, has been computed on this thread.
  static unsigned long GetNbAttributeSetComputations();

 private:
  CATUnicodeString _Text;
  float _TextHeight;
  CATFont* _Font;
  CATMathBox2D _Box;
  QVTFddMathPolygon2D _Polygon;
  CATMathVector2D _Offset;
  double _Angle;
};

#endif
