// Unit normal of a line: the direction from its first to its second point turned a quarter turn
// counter-clockwise, (-dy, dx) normalised. A zero-length line gives (0, 0).
#ifndef QVTFddMathNormal_H
#define QVTFddMathNormal_H

#include "CATMathDirection2D.h"
#include "CATMathLine2D.h"

CATMathDirection2D QVTFddMathNormal(const CATMathLine2D& iLine);

#endif
