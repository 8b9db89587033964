// Test doubles shared by the tests of the order-interpolation colour maps: a colour axis that
// writes the value into the colour (so that image assertions are exact), a scaling by a factor,
// short-hands for in-memory data, the reading of a value back and the check of an algorithm
// missing a piece.
#ifndef QVTFddColormapAlgoOrderTestSupport_H
#define QVTFddColormapAlgoOrderTestSupport_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <vector>

#include "CATPixelImage.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgo.h"
#include "QVTIFddContinuousAxis.h"
#include "QVTIFddScaling.h"

namespace ordertest {

// A number v (a multiple of 1/16 from 0 to 4095) becomes red and green = v * 16 as 16 bits and
// blue 200; NaN becomes blue 100. Every call runs the hook, if any.
class ValueAxis : public QVTIFddContinuousAxis {
 public:
  void GetColor(double iValue, double, int& oRed, int& oGreen, int& oBlue) override {
    ++_Calls;
    if (_Hook) _Hook();
    if (std::isnan(iValue)) {
      ++_NaNCalls;
      oRed = oGreen = 0;
      oBlue = 100;
      return;
    }
    const long q = std::lround(iValue * 16.0);
    oRed = static_cast<int>((q >> 8) & 0xFF);
    oGreen = static_cast<int>(q & 0xFF);
    oBlue = 200;
  }
  std::function<void()> _Hook;
  int _Calls = 0;
  int _NaNCalls = 0;
};

// Value of pixel (p, r): NaN for a transparent pixel, -1 for the NaN colour.
inline double PixelValue(const CATPixelImage& iImage, int p, int r) {
  int w = 0, h = 0;
  iImage.GetSize(w, h);
  const unsigned char* px = iImage.GetPixels() + 4 * (static_cast<size_t>(r) * w + p);
  if (px[3] == 0) return std::nan("");
  if (px[2] == 100) return -1.0;
  return (px[0] * 256 + px[1]) / 16.0;
}

inline bool RowTransparent(const CATPixelImage& iImage, int r) {
  int w = 0, h = 0;
  iImage.GetSize(w, h);
  const unsigned char* px = iImage.GetPixels() + 4 * static_cast<size_t>(r) * w;
  for (int i = 0; i < 4 * w; ++i)
    if (px[i] != 0) return false;
  return true;
}

class FactorScaling : public QVTIFddScaling {
 public:
  explicit FactorScaling(double iFactor = 1.0) : _Factor(iFactor) {}
  double Convert(double iValue) override { return iValue * _Factor; }
  double _Factor;
};

inline MemoryDoubleVector* Vector(std::vector<double> iValues) { return new MemoryDoubleVector(std::move(iValues)); }

// Matrix of lengths (iLengthX, iLengthZ) with value iValue(x index, z index).
inline MemoryDoubleMatrix* Matrix(unsigned int iLengthX, unsigned int iLengthZ,
                                  const std::function<double(unsigned int, unsigned int)>& iValue) {
  std::vector<double> lValues(static_cast<size_t>(iLengthX) * iLengthZ);
  for (unsigned int x = 0; x < iLengthX; ++x)
    for (unsigned int z = 0; z < iLengthZ; ++z) lValues[static_cast<size_t>(x) * iLengthZ + z] = iValue(x, z);
  return new MemoryDoubleMatrix(iLengthX, iLengthZ, std::move(lValues));
}

// The value an algorithm answers at (iX, iZ), NaN where it answers a failure.
inline double sGet(QVTFddColormapAlgo& iAlgo, double iX, double iZ) {
  double v = -12345.0;
  return iAlgo.GetValue(iX, iZ, v) == 0 ? v : std::nan("");
}

// The algorithm made with each of its pieces missing in turn (0 X, 1 Z, 2 values, 3 axis, 4 X
// scaling, 5 Z scaling) draws nothing and, but without the pieces iValueUnchecked, answers no value.
template <class TAlgo, class TData>
void ExpectMissingPiecesShowNothing(TData& iData, std::initializer_list<int> iValueUnchecked) {
  for (int lMissing = 0; lMissing < 6; ++lMissing) {
    TAlgo* a = new TAlgo(lMissing == 0 ? nullptr : iData.X, 0, 8, 0, lMissing == 1 ? nullptr : iData.Z, 0, 8, 0,
                         lMissing == 2 ? nullptr : iData.Values, 8, 8, lMissing == 3 ? nullptr : iData.Axis,
                         lMissing == 4 ? nullptr : iData.XScaling, lMissing == 5 ? nullptr : iData.ZScaling, 0.02);
    EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr) << lMissing;
    if (std::find(iValueUnchecked.begin(), iValueUnchecked.end(), lMissing) == iValueUnchecked.end()) {
      EXPECT_TRUE(std::isnan(sGet(*a, 1, 1))) << lMissing;
    }
    delete a;
  }
}

}  // namespace ordertest

#endif
