#include "CATPixelImage.h"

#include <cstring>
#include <new>

CATPixelImage::CATPixelImage() = default;

int CATPixelImage::sUnsetFill = -1;

void CATPixelImage::SetUnsetFill(int iByte) { sUnsetFill = iByte; }

CATPixelImage::CATPixelImage(int iWidth, int iHeight, int iFormat) { Allocate(iWidth, iHeight, iFormat); }

CATPixelImage::CATPixelImage(int iWidth, int iHeight, int iFormat, eUnset) {
  Allocate(iWidth, iHeight, iFormat, sUnsetFill);
}

CATPixelImage::CATPixelImage(const CATPixelImage& iOther) : CATBaseUnknown() { *this = iOther; }

CATPixelImage& CATPixelImage::operator=(const CATPixelImage& iOther) {
  if (this == &iOther) return *this;
  Allocate(iOther._Width, iOther._Height, iOther._Format);
  if (_Pixels) std::memcpy(_Pixels.get(), iOther._Pixels.get(), size_t(_Width) * size_t(_Height) * 4);
  return *this;
}

CATPixelImage::~CATPixelImage() = default;

void CATPixelImage::Allocate(int iWidth, int iHeight, int iFormat, int iFill) {
  _Pixels.reset();
  _Width = _Height = 0;
  _Format = 3;
  if (iFormat != 3 || iWidth <= 0 || iHeight <= 0) return;
  if (static_cast<long long>(iWidth) * iHeight > kMaxPixels) return;
  size_t lBytes = size_t(iWidth) * size_t(iHeight) * 4;
  _Pixels.reset(new (std::nothrow) unsigned char[lBytes]);
  if (!_Pixels) return;
  if (iFill >= 0) std::memset(_Pixels.get(), iFill, lBytes);
  _Width = iWidth;
  _Height = iHeight;
}

CATPixelImage* CATPixelImage::CreateZoomedImage(int iWidth, int iHeight, int /*iMode*/) const {
  CATPixelImage* lZoomed = new CATPixelImage();
  if (!lZoomed || !_Pixels || iWidth <= 0 || iHeight <= 0) return lZoomed;
  lZoomed->Allocate(iWidth, iHeight, 3);
  unsigned char* lOut = lZoomed->GetPixelsToModify();
  if (!lOut) return lZoomed;
  for (int r = 0; r < iHeight; ++r) {
    // Source row and column of the destination pixel's centre.
    int lSrcRow = static_cast<int>((static_cast<long long>(r) * 2 + 1) * _Height / (2LL * iHeight));
    const unsigned char* lSrc = _Pixels.get() + size_t(lSrcRow) * size_t(_Width) * 4;
    for (int c = 0; c < iWidth; ++c) {
      int lSrcCol = static_cast<int>((static_cast<long long>(c) * 2 + 1) * _Width / (2LL * iWidth));
      std::memcpy(lOut, lSrc + size_t(lSrcCol) * 4, 4);
      lOut += 4;
    }
  }
  return lZoomed;
}

void CATPixelImage::InsertPixelImage(int iX, int iY, const CATPixelImage* iImage, int iMode) {
  if (!iImage || !iImage->_Pixels || !_Pixels) return;
  if (iImage == this) {
    // Rows copied in place would overlap and read rows already overwritten: insert a snapshot.
    CATPixelImage lSnapshot(*this);
    if (lSnapshot._Pixels) InsertPixelImage(iX, iY, &lSnapshot, iMode);
    return;
  }
  long long lX0 = iX < 0 ? 0 : iX, lY0 = iY < 0 ? 0 : iY;
  long long lX1 = static_cast<long long>(iX) + iImage->_Width;
  long long lY1 = static_cast<long long>(iY) + iImage->_Height;
  if (lX1 > _Width) lX1 = _Width;
  if (lY1 > _Height) lY1 = _Height;
  if (lX0 >= lX1 || lY0 >= lY1) return;
  size_t lRowBytes = size_t(lX1 - lX0) * 4;
  for (long long y = lY0; y < lY1; ++y) {
    const unsigned char* lSrc =
        iImage->_Pixels.get() + (size_t(y - iY) * size_t(iImage->_Width) + size_t(lX0 - iX)) * 4;
    unsigned char* lDst = _Pixels.get() + (size_t(y) * size_t(_Width) + size_t(lX0)) * 4;
    std::memcpy(lDst, lSrc, lRowBytes);
  }
}
