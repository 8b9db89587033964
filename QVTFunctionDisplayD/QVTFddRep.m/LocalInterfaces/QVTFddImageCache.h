// Size-keyed cache of the image of a primitive that computes a bitmap for its extent in pixels.
// The same size keeps the image; an empty image computed at the same size is kept too, so that
// failing data are not computed again at every draw; a diagonal within 20 % of the size last
// computed gets a zoomed copy; a larger change, an empty image or a side outside 1 to 1999 pixels
// drops it. The caller computes the replacement and stores it.
// Owns one reference on the image. Sizes are in device pixels.
#ifndef QVTFddImageCache_H
#define QVTFddImageCache_H

#include "RefPtr.h"

class CATPixelImage;

class QVTFddImageCache {
 public:
  // Sides from this many pixels on are neither computed nor drawn.
  static constexpr int kMaxPixels = 2000;

  // What Fit did.
  enum eFit {
    kKept,      // The image (or the lack of one) stays as it was.
    kReplaced,  // Zoomed or dropped: what depends on the former size is stale; nothing to compute.
    kCompute    // No image: the caller computes one of the size asked and stores it.
  };

  QVTFddImageCache();
  ~QVTFddImageCache();
  QVTFddImageCache(const QVTFddImageCache&) = delete;
  QVTFddImageCache& operator=(const QVTFddImageCache&) = delete;

  // Brings the image to iWidth x iHeight: keeps, zooms or drops it.
  eFit Fit(int iWidth, int iHeight);
  // Keeps a copy of iBitmap, computed for iWidth x iHeight, in place of the current image.
  void Store(const CATPixelImage& iBitmap, int iWidth, int iHeight);
  // The image to draw, or null; the cache keeps its reference.
  CATPixelImage* Get() const { return _Image.Get(); }
  // Drops the image; the size last computed is kept.
  void Drop();

  // A pixel extent as an int, truncated toward zero; huge, infinite or NaN extents count as
  // kMaxPixels, which is never drawn.
  static int PixelExtent(double iPixels);

 private:
  RefPtr<CATPixelImage> _Image;
  int _ComputedWidth;
  int _ComputedHeight;
};

#endif
