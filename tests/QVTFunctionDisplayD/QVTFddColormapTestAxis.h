// Colour axis of the colour map tests: writes the value itself into the colour, as a 24-bit fixed
// point number with 8 fraction bits (red, green, blue from the high byte down, 0x800000 for 0),
// so that a test reads the exact value of a pixel back from the image. Values below -32768 or
// above 32767.99 saturate. Counts its lookups and can run a callback in each.
#ifndef QVTFddColormapTestAxis_H
#define QVTFddColormapTestAxis_H

#include <cmath>
#include <functional>

#include "CATPixelImage.h"
#include "QVTIFddContinuousAxis.h"

class QVTFddColormapTestAxis : public QVTIFddContinuousAxis {
 public:
  static long Code(double iValue) {
    const double lCode = std::floor(iValue * 256.0 + 0.5) + 8388608.0;
    return lCode < 0.0 ? 0L : (lCode > 16777215.0 ? 16777215L : static_cast<long>(lCode));
  }
  void GetColor(double iValue, double, int& oRed, int& oGreen, int& oBlue) override {
    ++Calls;
    if (OnColor) OnColor();
    const long lCode = Code(iValue);
    oRed = static_cast<int>(lCode >> 16);
    oGreen = static_cast<int>((lCode >> 8) & 0xFF);
    oBlue = static_cast<int>(lCode & 0xFF);
  }
  // The value a pixel of a format-3 image shows, or NaN for a transparent pixel.
  static double ValueOf(const CATPixelImage& iImage, int iX, int iY) {
    int lWidth = 0, lHeight = 0;
    iImage.GetSize(lWidth, lHeight);
    const unsigned char* p = iImage.GetPixels() + (static_cast<size_t>(iY) * lWidth + iX) * 4;
    if (p[3] == 0) return std::nan("");
    return (static_cast<double>((long(p[0]) << 16) | (long(p[1]) << 8) | long(p[2])) - 8388608.0) / 256.0;
  }
  // The value as the axis shows it (rounded to 1/256).
  static double Shown(double iValue) { return (static_cast<double>(Code(iValue)) - 8388608.0) / 256.0; }

  int Calls = 0;
  std::function<void()> OnColor;
};

#endif
