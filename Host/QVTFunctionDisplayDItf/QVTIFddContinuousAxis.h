// Colour scale: the colour of a value, as three components 0 to 255.
#ifndef QVTIFddContinuousAxis_H
#define QVTIFddContinuousAxis_H

#include "CATBaseUnknown.h"

class QVTIFddContinuousAxis : public CATBaseUnknown {
 public:
  // iShift is an offset in the colour table; callers of the function display pass 0.0.
  virtual void GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) = 0;

  // The pixels of iCount values at once, for images: four bytes each (red, green, blue as
  // GetColor(iValues[i], 0.0) gives them, then 255), iStride bytes apart; a NaN value (no value)
  // gives a transparent pixel, four zero bytes. A scale may answer this faster than a call per
  // value, never differently.
  virtual void GetPixelColors(const double* iValues, int iCount, unsigned char* oPixels, long iStride) {
    for (int i = 0; i < iCount; ++i, oPixels += iStride) {
      const double v = iValues[i];
      if (v != v) {
        oPixels[0] = oPixels[1] = oPixels[2] = oPixels[3] = 0;
        continue;
      }
      int lRed = 0, lGreen = 0, lBlue = 0;
      GetColor(v, 0.0, lRed, lGreen, lBlue);
      oPixels[0] = static_cast<unsigned char>(lRed & 0xFF);
      oPixels[1] = static_cast<unsigned char>(lGreen & 0xFF);
      oPixels[2] = static_cast<unsigned char>(lBlue & 0xFF);
      oPixels[3] = 255;
    }
  }
};

#endif
