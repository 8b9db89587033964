// Antialiased straight segments with butt caps, as a stroke of separate segments draws them,
// rasterised without a general scan converter: each segment's rectangle adds its signed area to
// an accumulation grid, whose running sums along each row are the pixels' exact coverage. All
// segments of one drawing are covered as one shape and composited once: the overlap of each segment with
// the one before (the neighbours of a line drawn as segment pairs) is taken away once; other
// overlaps count once up to full coverage. The shape is composited in a solid colour over a cairo ARGB32 image (premultiplied, native byte order),
// with the rounding of cairo's own solid compositing.
//
// Owns the grid: one float per pixel of a band of rows, plus two columns. Coordinates
// are device pixels, y downwards; what lies outside the image is cut off.
#ifndef SegmentCoverage_H
#define SegmentCoverage_H

#include <vector>

class SegmentCoverage {
 public:
  SegmentCoverage(int iWidth, int iHeight);

  // Records the segment (iX0, iY0)-(iX1, iY1), iWidth pixels wide; segments of no length or width,
  // or with a value that is not finite, are left out.
  void Add(double iX0, double iY0, double iX1, double iY1, double iWidth);
  // Composites the recorded segments onto the image of the constructor's size in the colour iRGBA
  // (0-255, straight alpha). False, with nothing drawn, when memory ran out or there were too many
  // segments to keep.
  bool Composite(unsigned char* ioData, int iStride, const int iRGBA[4]) const;

 private:
  // Adds the edge (iX0, iY0)-(iX1, iY1) to the grid of rows [iTop, iBottom): cut at the image's
  // left and right sides, the parts beyond them laid onto the sides.
  void AddEdge(float* ioGrid, int iTop, int iBottom, double iX0, double iY0, double iX1, double iY1) const;
  // The same for an edge that lies within x = 0 .. width.
  void AddInsideEdge(float* ioGrid, int iTop, int iBottom, double iX0, double iY0, double iX1, double iY1) const;
  // Appends a polygon of iNbCorners corners (x, y each); false when memory ran out.
  bool AddPolygon(const double* iCorners, int iNbCorners, bool iReversed);

  int _Width, _Height;
  // Polygons, each as its number of corners and then their x and y. The rectangles all run the
  // same way round; the overlaps taken away run the other way.
  std::vector<double> _Polygons;
  // The last segment's rectangle, whose overlap with the next is taken away.
  bool _HasPrevious = false;
  double _PreviousCorners[8] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  bool _Failed = false;
  // The rows the rectangles touch: [_Top, _Bottom).
  int _Top = 0, _Bottom = 0;
};

#endif
