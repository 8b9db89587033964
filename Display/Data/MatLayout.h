// The structure of a MATLAB .mat file of version 4 or 5 checked before matio reads it: matio
// allocates what a header claims (a name, the dimensions, the values) before it finds the file
// shorter, so a damaged or hostile header could ask for gigabytes. Every length a header gives must
// fit in the file or in the element holding it, and the values of a numeric variable must be as
// many as its dimensions say. For compressed version 5 elements the start of the inflated element
// (its headers, where the lengths lie) is checked. Owns nothing; static functions only.
#ifndef MatLayout_H
#define MatLayout_H

#include <cstddef>
#include <string>

class MatLayout {
 public:
  // True when the iSize bytes at iBytes hold a .mat file whose headers fit; false with oWhat
  // saying what is wrong (without the file's name).
  static bool Check(const unsigned char* iBytes, size_t iSize, std::string& oWhat);
};

#endif
