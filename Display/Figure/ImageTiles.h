// Pieces of an image too long for the library's image limit: a length of model units (the
// picture's pixels) cut into equal pieces at whole units, each under the limit, with the part of
// the data range each shows.
#ifndef ImageTiles_H
#define ImageTiles_H

#include <vector>

class ImageTiles {
 public:
  // A piece along one direction: model units low .. high showing the data min .. max.
  struct Tile {
    double low, high, min, max;
  };
  // [iLow, iHigh] showing [iMin, iMax]; one piece when it fits.
  static std::vector<Tile> Cut(double iLow, double iHigh, double iMin, double iMax);
};

#endif
