// One interaction mark of a resize frame, in model coordinates: around a point of a rectangle an
// edge tick (2 units each side), a corner angle (arms of 4 units along the rectangle's edges) or a
// filled 4 x 4 centre square; or a line handle along a line, from its origin to its point at
// parameter 1. The sizes are model units: the mark scales with the zoom. Owns a copy of its point
// or line; keeps no cache; has no meta-object of its own (it answers as a CATDynamicGP).
#ifndef QVTFdd2DResizeHandleGP_H
#define QVTFdd2DResizeHandleGP_H

#include "CATDynamicGP.h"
#include "CATMathLine2D.h"
#include "CATMathPoint2D.h"

class QVTFdd2DResizeHandleGP : public CATDynamicGP {
 public:
  // Where the point lies on the rectangle, which names the mark. Values above CentreSquare draw
  // nothing.
  enum eRectangleType : int {
    LeftEdge = 0,           // vertical tick
    RightEdge = 1,          // vertical tick
    BottomEdge = 2,         // horizontal tick
    TopEdge = 3,            // horizontal tick
    TopLeftCorner = 4,      // arms down and right
    BottomRightCorner = 5,  // arms left and up
    TopRightCorner = 6,     // arms left and down
    BottomLeftCorner = 7,   // arms up and right
    CentreSquare = 8        // filled square
  };
  // Kind of a line handle: kept for the caller, not used in drawing.
  enum eLineType : int { FreeLine = 0, HorizontalLine = 1, VerticalLine = 2 };

  QVTFdd2DResizeHandleGP(const CATMathPoint2D& iPoint, eRectangleType iMark);
  QVTFdd2DResizeHandleGP(const CATMathLine2D& iLine, eLineType iLineType);
  ~QVTFdd2DResizeHandleGP() override;

  // The kind a line handle was made with (FreeLine for a point handle).
  eLineType GetLineType() const { return _LineType; }

  // Neither the viewpoint nor the viewport is used.
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

 protected:
  // Copying is not public. A copy takes the primitive base only: it is neither a point nor a line
  // handle and draws nothing. Assignment assigns the primitive base only.
  QVTFdd2DResizeHandleGP(QVTFdd2DResizeHandleGP& iOther);
  QVTFdd2DResizeHandleGP& operator=(QVTFdd2DResizeHandleGP& iOther);

 private:
  // 1: point handle; 0: line handle; anything else draws nothing.
  int _HandleKind;
  eLineType _LineType;
  eRectangleType _RectangleType;
  double _Point[2];
  CATMathLine2D _Line;
};

#endif
