// Clips line segments to an axis-aligned box (border included), for the polylines of a plot cut
// to its drawing area and for the lines a render cuts to its surface. Holds a copy of the box;
// coordinates are in the box's units.
#ifndef QVTFddMathClipLines_H
#define QVTFddMathClipLines_H

#include "CATMathBox2D.h"

class QVTFddMathClipLines {
 public:
  // A box with a NaN coordinate, or with low above high, contains nothing.
  explicit QVTFddMathClipLines(const CATMathBox2D& iBox);

  // iSegment is (x0, y0, x1, y1). When some of it lies in the box, that part is written, in the
  // same direction, to floats 4 * ioCount .. 4 * ioCount + 3 of oSegments and ioCount grows by
  // one; otherwise nothing is written. iSegment may be that very entry of oSegments: it is read
  // before anything is written. A point segment in the box is kept. A NaN coordinate, a null
  // pointer or a negative ioCount writes nothing; an infinite coordinate stands for the largest
  // float of its sign.
  void Clip(const float* iSegment, float* oSegments, int& ioCount) const;
  // The same cut in double precision, in place, for finite coordinates: false (nothing changed)
  // when nothing of the segment lies in the box. oStartCut / oEndCut tell which end a border moved;
  // a moved end lies on that border exactly.
  bool Clip(double& ioX0, double& ioY0, double& ioX1, double& ioY1, bool& oStartCut, bool& oEndCut) const;
  // The cut as parameters: the part of the segment from (iX0, iY0) along (iDX, iDY), t from 0 to 1,
  // that lies in the box is t in [oLow, oHigh]; false when none does. For a caller that walks the
  // whole segment (a dash pattern running on outside the box).
  bool ClipParameters(double iX0, double iY0, double iDX, double iDY, double& oLow, double& oHigh) const;

 private:
  double _XMin;
  double _XMax;
  double _YMin;
  double _YMax;
};

#endif
