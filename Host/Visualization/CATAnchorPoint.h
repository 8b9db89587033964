// Which point of an annotation text lies on its position.
#ifndef CATAnchorPoint_H
#define CATAnchorPoint_H

enum CATAnchorPoint {
  CATAnchorBottomLeft = 0,
  CATAnchorBottomCenter = 1,
  CATAnchorBottomRight = 2,
  CATAnchorMiddleLeft = 3,
  CATAnchorCenter = 4,
  CATAnchorMiddleRight = 5,
  CATAnchorTopLeft = 6,
  CATAnchorTopCenter = 7,
  CATAnchorTopRight = 8
};

#endif
