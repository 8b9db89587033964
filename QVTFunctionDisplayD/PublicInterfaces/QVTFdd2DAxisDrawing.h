// Model of one 2D axis of a plot, laid out by a sequence of axis parts into lists of host
// primitives. Lengths are in the model units of the 2D drawing.
//
// So far this header declares what the axis parts share with the drawing: where tick marks lie
// relative to the axis line, measured along the part direction (the side on which texts go). The
// enumeration is int-based so that any other value, which the parts treat as "no tick extent",
// is a valid value.
#ifndef QVTFdd2DAxisDrawing_H
#define QVTFdd2DAxisDrawing_H

class QVTFdd2DAxisDrawing {
 public:
  enum eTickPosition : int {
    eOutside = 0,  // from the axis line towards the texts
    eInside = 1,   // from the axis line away from the texts
    eCentered = 2  // across the axis line
  };
};

#endif
