#include "QVTFddImageCache.h"

#include <cmath>
#include <utility>

#include "CATPixelImage.h"
#include "QVTFddMathSaturateToInt.h"

QVTFddImageCache::QVTFddImageCache() : _ComputedWidth(0), _ComputedHeight(0) {}

QVTFddImageCache::~QVTFddImageCache() = default;

void QVTFddImageCache::Drop() { _Image.Reset(); }

void QVTFddImageCache::Store(const CATPixelImage& iBitmap, int iWidth, int iHeight) {
  Drop();
  // The image class allocates without throwing: null when the heap is exhausted.
  _Image = RefPtr<CATPixelImage>(new CATPixelImage(iBitmap));
  _ComputedWidth = iWidth;
  _ComputedHeight = iHeight;
}

QVTFddImageCache::eFit QVTFddImageCache::Fit(int iWidth, int iHeight) {
  const bool lComputable = iWidth < kMaxPixels && iHeight < kMaxPixels;
  if (!_Image) return lComputable ? kCompute : kKept;
  int lWidth = 0, lHeight = 0;
  _Image->GetSize(lWidth, lHeight);
  if (lWidth == iWidth && lHeight == iHeight) return kKept;
  if (_Image->IsEmpty() && iWidth == _ComputedWidth && iHeight == _ComputedHeight) return kKept;
  // Measured against the size last computed, so that a series of small changes cannot drift
  // away from it. |1 - shown diagonal / computed diagonal| < 0.2 is compared on the squared
  // diagonals with whole factors (0.8^2 = 16/25, 1.2^2 = 36/25): in double and exact for whole
  // pixel sizes, so that a change of exactly 20 % recomputes. A computed size of 0 never zooms.
  const double lShown = double(iWidth) * iWidth + double(iHeight) * iHeight;
  const double lComputed = double(_ComputedWidth) * _ComputedWidth + double(_ComputedHeight) * _ComputedHeight;
  const bool lSmallChange = 16.0 * lComputed < 25.0 * lShown && 25.0 * lShown < 36.0 * lComputed;
  if (!lComputable || iWidth < 1 || iHeight < 1 || _Image->IsEmpty() || !lSmallChange) {
    Drop();
  } else {
    RefPtr<CATPixelImage> lZoomed(_Image->CreateZoomedImage(iWidth, iHeight, 1));
    // An empty zoom would stand in for a real image at every later draw of this size.
    if (lZoomed && lZoomed->IsEmpty()) lZoomed.Reset();
    _Image = std::move(lZoomed);
  }
  return _Image || !lComputable ? kReplaced : kCompute;
}

int QVTFddImageCache::PixelExtent(double iPixels) {
  const double lPixels = std::fabs(iPixels);
  return lPixels < kMaxPixels ? QVTFddMathSaturateToInt(lPixels) : kMaxPixels;
}
