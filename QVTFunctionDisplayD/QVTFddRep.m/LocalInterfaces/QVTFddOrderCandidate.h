// The best sample found so far on one side (inner or outer) of a pixel's search in the order
// table: its table row, its sample index in that row and its squared distance from the pixel.
// A plain record; _Row -1 means none yet.
#ifndef QVTFddOrderCandidate_H
#define QVTFddOrderCandidate_H

class QVTFddOrderCandidate {
 public:
  int _Row = -1;
  unsigned int _Index = 0;
  double _Dist2 = 0.0;
};

#endif
