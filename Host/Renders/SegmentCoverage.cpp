#include "SegmentCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace {

// a * b / 255 for bytes, rounded as cairo's compositing rounds.
inline unsigned Mul(unsigned iA, unsigned iB) {
  const unsigned t = iA * iB + 0x80;
  return ((t >> 8) + t) >> 8;
}

// A colour component (0-255) premultiplied by iAlpha, as cairo makes a solid source of it.
inline unsigned Premultiplied(int iValue, int iAlpha) {
  const double lShort = (iValue / 255.0) * (iAlpha / 255.0) * 65535.0 + 0.5;
  return static_cast<unsigned>(lShort) >> 8;
}

}  // namespace

SegmentCoverage::SegmentCoverage(int iWidth, int iHeight)
    : _Width(std::max(iWidth, 0)), _Height(std::max(iHeight, 0)), _Top(_Height), _Bottom(0) {}

bool SegmentCoverage::AddPolygon(const double* iCorners, int iNbCorners, bool iReversed) {
  // Beyond this many values (32 MB, some 120 000 segments, far more than a plot's pixels make)
  // the segments are better left to cairo, whose path takes less memory a segment.
  constexpr size_t kMaxValues = size_t(1) << 22;
  if (_Polygons.size() + 1 + 2 * static_cast<size_t>(iNbCorners) > kMaxValues) _Failed = true;
  if (_Failed) return false;
  try {
    _Polygons.push_back(iNbCorners);
    for (int i = 0; i < iNbCorners; ++i) {
      const int k = iReversed ? iNbCorners - 1 - i : i;
      _Polygons.insert(_Polygons.end(), iCorners + 2 * k, iCorners + 2 * k + 2);
    }
  } catch (const std::bad_alloc&) {
    _Failed = true;
  }
  return !_Failed;
}

void SegmentCoverage::Add(double iX0, double iY0, double iX1, double iY1, double iWidth) {
  const double lDx = iX1 - iX0, lDy = iY1 - iY0, lLength = std::hypot(lDx, lDy);
  if (_Failed || !(lLength > 0.0) || !std::isfinite(lLength) || !(iWidth > 0.0) || !std::isfinite(iWidth)) return;
  // The half width across the segment; the corners run the same way round for every direction.
  const double lNx = -lDy / lLength * 0.5 * iWidth, lNy = lDx / lLength * 0.5 * iWidth;
  const double lCorners[8] = {iX0 + lNx, iY0 + lNy, iX1 + lNx, iY1 + lNy, iX1 - lNx, iY1 - lNy, iX0 - lNx, iY0 - lNy};
  if (!AddPolygon(lCorners, 4, false)) return;
  if (_HasPrevious) {
    // The overlap of the two rectangles: the previous one cut by each side of this one.
    double lPolygon[2][2 * 12];
    int lCount = 4, lFrom = 0;
    std::copy(_PreviousCorners, _PreviousCorners + 8, lPolygon[0]);
    for (int e = 0; e < 4 && lCount > 0; ++e) {
      const double* a = lCorners + 2 * e;
      const double* b = lCorners + 2 * ((e + 1) % 4);
      // Inside lies on the side the corners turn to (negative cross products, see above).
      const auto lSide = [&](const double* p) { return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0]); };
      const double* lIn = lPolygon[lFrom];
      double* lOut = lPolygon[1 - lFrom];
      int lOutCount = 0;
      for (int i = 0; i < lCount && lOutCount + 2 <= 12; ++i) {
        const double* p = lIn + 2 * i;
        const double* q = lIn + 2 * ((i + 1) % lCount);
        const double sp = lSide(p), sq = lSide(q);
        if (sp <= 0.0) {
          lOut[2 * lOutCount] = p[0];
          lOut[2 * lOutCount + 1] = p[1];
          ++lOutCount;
        }
        if ((sp < 0.0 && sq > 0.0) || (sp > 0.0 && sq < 0.0)) {
          const double t = sp / (sp - sq);
          lOut[2 * lOutCount] = p[0] + t * (q[0] - p[0]);
          lOut[2 * lOutCount + 1] = p[1] + t * (q[1] - p[1]);
          ++lOutCount;
        }
      }
      lCount = lOutCount;
      lFrom = 1 - lFrom;
    }
    if (lCount >= 3 && !AddPolygon(lPolygon[lFrom], lCount, true)) return;
  }
  _HasPrevious = true;
  std::copy(lCorners, lCorners + 8, _PreviousCorners);
  const double lYMin = std::min({lCorners[1], lCorners[3], lCorners[5], lCorners[7]});
  const double lYMax = std::max({lCorners[1], lCorners[3], lCorners[5], lCorners[7]});
  if (lYMax <= 0.0 || lYMin >= _Height) return;
  _Top = std::min(_Top, static_cast<int>(std::floor(std::max(lYMin, 0.0))));
  _Bottom = std::max(_Bottom, static_cast<int>(std::ceil(std::min(lYMax, double(_Height)))));
}

void SegmentCoverage::AddEdge(float* ioGrid, int iTop, int iBottom, double iX0, double iY0, double iX1,
                              double iY1) const {
  // Cut where the edge crosses a side, so that each piece lies on one side of it; pieces beyond a
  // side are laid onto it, which keeps their share of the coverage of the columns inside.
  double lCuts[4] = {0.0, 1.0, 1.0, 1.0};
  int lNbCuts = 1;
  for (const double lSide : {0.0, double(_Width)})
    if ((iX0 - lSide) * (iX1 - lSide) < 0.0) lCuts[lNbCuts++] = (lSide - iX0) / (iX1 - iX0);
  if (lNbCuts == 3 && lCuts[1] > lCuts[2]) std::swap(lCuts[1], lCuts[2]);
  lCuts[lNbCuts] = 1.0;
  double lXa = iX0, lYa = iY0;
  for (int i = 1; i <= lNbCuts; ++i) {
    const bool lLast = i == lNbCuts;
    const double lXb = lLast ? iX1 : iX0 + lCuts[i] * (iX1 - iX0);
    const double lYb = lLast ? iY1 : iY0 + lCuts[i] * (iY1 - iY0);
    AddInsideEdge(ioGrid, iTop, iBottom, std::clamp(lXa, 0.0, double(_Width)), lYa, std::clamp(lXb, 0.0, double(_Width)),
                  lYb);
    lXa = lXb;
    lYa = lYb;
  }
}

void SegmentCoverage::AddInsideEdge(float* ioGrid, int iTop, int iBottom, double iX0, double iY0, double iX1,
                                    double iY1) const {
  if (!(iY0 != iY1)) return;
  // Each row the edge crosses gets its signed area: the share of the row's height it spans, laid
  // on the cells under it by how much of each pixel lies right of it.
  double lDirection = 1.0;
  if (iY0 > iY1) {
    std::swap(iX0, iX1);
    std::swap(iY0, iY1);
    lDirection = -1.0;
  }
  const double lDxDy = (iX1 - iX0) / (iY1 - iY0);
  const double lYStart = std::max(iY0, double(iTop)), lYEnd = std::min(iY1, double(iBottom));
  if (!(lYStart < lYEnd)) return;
  const size_t lStride = static_cast<size_t>(_Width) + 2;
  double lX = iX0 + (lYStart - iY0) * lDxDy;
  for (int lRow = static_cast<int>(std::floor(lYStart)); lRow < lYEnd; ++lRow) {
    const double lDy = std::min(double(lRow + 1), lYEnd) - std::max(double(lRow), lYStart);
    const double lXNext = lX + lDxDy * lDy;
    const double lD = lDy * lDirection;
    float* lCells = ioGrid + static_cast<size_t>(lRow - iTop) * lStride;
    const double lXa = std::clamp(std::min(lX, lXNext), 0.0, double(_Width));
    const double lXb = std::clamp(std::max(lX, lXNext), 0.0, double(_Width));
    const double lFloor = std::floor(lXa);
    const int lI0 = static_cast<int>(lFloor), lI1 = static_cast<int>(std::ceil(lXb));
    if (lI1 <= lI0 + 1) {
      // Within one pixel: the part right of the edge's middle.
      const double lMiddle = 0.5 * (lXa + lXb) - lFloor;
      lCells[lI0] += static_cast<float>(lD - lD * lMiddle);
      lCells[lI0 + 1] += static_cast<float>(lD * lMiddle);
    } else {
      // Across several pixels: a triangle in the first and last, equal steps between them.
      const double lStep = 1.0 / (lXb - lXa);
      const double lF0 = lXa - lFloor, lF1 = lXb - std::ceil(lXb) + 1.0;
      const double lA0 = 0.5 * lStep * (1.0 - lF0) * (1.0 - lF0), lAm = 0.5 * lStep * lF1 * lF1;
      lCells[lI0] += static_cast<float>(lD * lA0);
      if (lI1 == lI0 + 2) {
        lCells[lI0 + 1] += static_cast<float>(lD * (1.0 - lA0 - lAm));
      } else {
        const double lA1 = lStep * (1.5 - lF0);
        lCells[lI0 + 1] += static_cast<float>(lD * (lA1 - lA0));
        for (int i = lI0 + 2; i < lI1 - 1; ++i) lCells[i] += static_cast<float>(lD * lStep);
        const double lA2 = lA1 + (lI1 - lI0 - 3) * lStep;
        lCells[lI1 - 1] += static_cast<float>(lD * (1.0 - lA2 - lAm));
      }
      lCells[lI1] += static_cast<float>(lD * lAm);
    }
    lX = lXNext;
  }
}

bool SegmentCoverage::Composite(unsigned char* ioData, int iStride, const int iRGBA[4]) const {
  if (_Failed || !ioData) return false;
  if (_Top >= _Bottom || _Width == 0) return true;
  // The rows are covered a band at a time, in a grid that stays in the cache.
  constexpr int kBand = 32;
  const size_t lStride = static_cast<size_t>(_Width) + 2;
  const std::unique_ptr<float[], decltype(&std::free)> lGrid(
      static_cast<float*>(std::calloc(lStride * kBand, sizeof(float))), &std::free);
  if (!lGrid) return false;
  const int lAlpha = std::clamp(iRGBA[3], 0, 255);
  const unsigned lSourceAlpha = Premultiplied(255, lAlpha);
  const unsigned lSource[3] = {Premultiplied(std::clamp(iRGBA[0], 0, 255), lAlpha),
                               Premultiplied(std::clamp(iRGBA[1], 0, 255), lAlpha),
                               Premultiplied(std::clamp(iRGBA[2], 0, 255), lAlpha)};
  const uint32_t lOpaque = lSourceAlpha << 24 | lSource[0] << 16 | lSource[1] << 8 | lSource[2];
  for (int lTop = _Top; lTop < _Bottom; lTop += kBand) {
    const int lBottom = std::min(lTop + kBand, _Bottom);
    for (size_t q = 0; q < _Polygons.size();) {
      const int lCorners = static_cast<int>(_Polygons[q]);
      const double* c = _Polygons.data() + q + 1;
      q += 1 + 2 * static_cast<size_t>(lCorners);
      double lYMin = c[1], lYMax = c[1];
      for (int k = 1; k < lCorners; ++k) {
        lYMin = std::min(lYMin, c[2 * k + 1]);
        lYMax = std::max(lYMax, c[2 * k + 1]);
      }
      if (lYMax <= lTop || lYMin >= lBottom) continue;
      for (int e = 0; e < lCorners; ++e) {
        const int n = (e + 1) % lCorners;
        AddEdge(lGrid.get(), lTop, lBottom, c[2 * e], c[2 * e + 1], c[2 * n], c[2 * n + 1]);
      }
    }
    for (int lRow = lTop; lRow < lBottom; ++lRow) {
      const float* lCells = lGrid.get() + static_cast<size_t>(lRow - lTop) * lStride;
      unsigned char* lPixels = ioData + static_cast<size_t>(lRow) * static_cast<size_t>(iStride);
      float lSum = 0.0f;
      // Most cells neither change the sum nor lie under the shape: skipped at one test each.
      bool lUncovered = true;
      for (int x = 0; x < _Width; ++x) {
        if (lUncovered && lCells[x] == 0.0f) continue;
        lSum += lCells[x];
        const unsigned m = static_cast<unsigned>(std::min(std::fabs(lSum), 1.0f) * 255.0f + 0.5f);
        lUncovered = m == 0;
        if (m == 0) continue;
        uint32_t p;
        std::memcpy(&p, lPixels + 4 * static_cast<size_t>(x), 4);
        if (m == 255 && lSourceAlpha == 255) {
          p = lOpaque;
        } else {
          // The source through the coverage, over the pixel.
          const unsigned lKeep = 255 - Mul(lSourceAlpha, m);
          uint32_t lOut = 0;
          for (int c = 0; c < 4; ++c) {
            const unsigned lShift = 24 - 8 * c;
            const unsigned s = Mul(c == 0 ? lSourceAlpha : lSource[c - 1], m);
            lOut |= std::min(s + Mul((p >> lShift) & 0xff, lKeep), 255u) << lShift;
          }
          p = lOut;
        }
        std::memcpy(lPixels + 4 * static_cast<size_t>(x), &p, 4);
      }
    }
    std::memset(lGrid.get(), 0, lStride * static_cast<size_t>(lBottom - lTop) * sizeof(float));
  }
  return true;
}
