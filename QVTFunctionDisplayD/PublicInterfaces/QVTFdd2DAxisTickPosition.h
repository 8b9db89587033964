// Where an axis's tick marks lie relative to its line: shared by the axis drawing and its parts,
// which need only this from the drawing. The drawing offers it under its own name as well
// (QVTFdd2DAxisDrawing::eTickPosition).
#ifndef QVTFdd2DAxisTickPosition_H
#define QVTFdd2DAxisTickPosition_H

struct QVTFdd2DAxisTickPosition {
  // Measured along the part direction (the side on which texts go). Int-based so that any other
  // value, which the parts treat as "no tick extent", is a valid value.
  enum eTickPosition : int {
    eOutside = 0,  // from the axis line towards the texts
    eInside = 1,   // from the axis line away from the texts
    eCentered = 2  // across the axis line
  };
};

#endif
