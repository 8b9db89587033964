// Reference-counted pixel image. Format 3 is the only format: four bytes per pixel, red, green,
// blue, alpha, row-major, row 0 at the bottom. An image whose pixels could not be allocated (or
// of zero size) is empty: size 0 x 0 and no pixel buffer.
#ifndef CATPixelImage_H
#define CATPixelImage_H

#include <memory>

#include "CATBaseUnknown.h"

class CATPixelImage : public CATBaseUnknown {
 public:
  // Images beyond this many pixels are refused (left empty): 8192 x 8192.
  static constexpr long long kMaxPixels = 8192LL * 8192LL;

  CATPixelImage();
  CATPixelImage(int iWidth, int iHeight, int iFormat);
  // The same with its pixels left as allocated, for a writer that sets every one of them: a large
  // image then is not cleared only to be overwritten.
  enum eUnset { Unset };
  CATPixelImage(int iWidth, int iHeight, int iFormat, eUnset);
  // For tests: the byte that the pixels of unset images are filled with (-1, the default: none),
  // so that a pixel its writer missed shows.
  static void SetUnsetFill(int iByte);
  CATPixelImage(const CATPixelImage& iOther);
  CATPixelImage& operator=(const CATPixelImage& iOther);
  ~CATPixelImage() override;

  int GetFormat() const { return _Format; }
  void GetSize(int& oWidth, int& oHeight) const {
    oWidth = _Width;
    oHeight = _Height;
  }
  bool IsEmpty() const { return !_Pixels; }
  unsigned char* GetPixelsToModify() { return _Pixels.get(); }
  const unsigned char* GetPixels() const { return _Pixels.get(); }

  // New image (one reference, the caller releases it) of iWidth x iHeight, nearest-neighbour
  // resampled; empty when this image is empty or a size is 0 or less. iMode is not used.
  CATPixelImage* CreateZoomedImage(int iWidth, int iHeight, int iMode) const;

  // Copies iImage into this one with its first pixel at (iX, iY); what falls outside is cut.
  void InsertPixelImage(int iX, int iY, const CATPixelImage* iImage, int iMode);

 private:
  // iFill: the byte every pixel is set to, or -1 to leave them as allocated.
  void Allocate(int iWidth, int iHeight, int iFormat, int iFill = 0);

  static int sUnsetFill;

  int _Width = 0;
  int _Height = 0;
  int _Format = 3;
  std::unique_ptr<unsigned char[]> _Pixels;
};

#endif
