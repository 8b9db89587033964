// The attribute set that draws in one colour, opaque, with lines iThickness pixels wide (0: the
// thinnest).
#ifndef ColourAttribute_H
#define ColourAttribute_H

#include "CATGraphicAttributeSet.h"

inline CATGraphicAttributeSet Colour(int iRed, int iGreen, int iBlue, int iThickness = 0) {
  CATGraphicAttributeSet lSet;
  lSet.SetColor(iRed, iGreen, iBlue);
  lSet.SetThickness(iThickness);
  return lSet;
}

#endif
