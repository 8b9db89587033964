// Pixel image of the host: allocation rules, deep copies, nearest-neighbour zoom and clipped
// insertion.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "CATPixelImage.h"

namespace {

// Fills every pixel with (x, y, iTag, 255) so that any misplaced pixel is visible.
void FillCoordinates(CATPixelImage& ioImage, unsigned char iTag) {
  int lWidth = 0, lHeight = 0;
  ioImage.GetSize(lWidth, lHeight);
  unsigned char* lPixels = ioImage.GetPixelsToModify();
  for (int lY = 0; lY < lHeight; ++lY)
    for (int lX = 0; lX < lWidth; ++lX) {
      unsigned char* lPixel = lPixels + (size_t(lY) * lWidth + lX) * 4;
      lPixel[0] = static_cast<unsigned char>(lX);
      lPixel[1] = static_cast<unsigned char>(lY);
      lPixel[2] = iTag;
      lPixel[3] = 255;
    }
}

std::vector<unsigned char> PixelAt(const CATPixelImage& iImage, int iX, int iY) {
  int lWidth = 0, lHeight = 0;
  iImage.GetSize(lWidth, lHeight);
  const unsigned char* lPixel = iImage.GetPixels() + (size_t(iY) * lWidth + iX) * 4;
  return std::vector<unsigned char>(lPixel, lPixel + 4);
}

std::vector<unsigned char> AllPixels(const CATPixelImage& iImage) {
  int lWidth = 0, lHeight = 0;
  iImage.GetSize(lWidth, lHeight);
  if (!iImage.GetPixels()) return {};
  return std::vector<unsigned char>(iImage.GetPixels(), iImage.GetPixels() + size_t(lWidth) * lHeight * 4);
}

void ExpectEmpty(const CATPixelImage& iImage) {
  int lWidth = -1, lHeight = -1;
  iImage.GetSize(lWidth, lHeight);
  EXPECT_TRUE(iImage.IsEmpty());
  EXPECT_EQ(iImage.GetPixels(), nullptr);
  EXPECT_EQ(lWidth, 0);
  EXPECT_EQ(lHeight, 0);
}

}  // namespace

TEST(CATPixelImage, Format3HasItsSizeAndZeroedPixels) {
  CATPixelImage lImage(7, 5, 3);
  int lWidth = 0, lHeight = 0;
  lImage.GetSize(lWidth, lHeight);
  EXPECT_EQ(lWidth, 7);
  EXPECT_EQ(lHeight, 5);
  EXPECT_EQ(lImage.GetFormat(), 3);
  ASSERT_FALSE(lImage.IsEmpty());
  EXPECT_EQ(AllPixels(lImage), std::vector<unsigned char>(7 * 5 * 4, 0));
}

TEST(CATPixelImage, ImpossibleImagesAreEmpty) {
  ExpectEmpty(CATPixelImage());
  ExpectEmpty(CATPixelImage(4, 4, 1));   // only format 3 exists
  ExpectEmpty(CATPixelImage(4, 4, -3));
  ExpectEmpty(CATPixelImage(0, 4, 3));
  ExpectEmpty(CATPixelImage(4, -1, 3));
  ExpectEmpty(CATPixelImage(8193, 8192, 3));  // one column over the limit
  ExpectEmpty(CATPixelImage(100000, 100000, 3));
  ExpectEmpty(CATPixelImage(INT_MAX, INT_MAX, 3));  // the pixel count overflows an int
  ExpectEmpty(CATPixelImage(INT_MIN, INT_MIN, 3));
}

TEST(CATPixelImage, UnsetImagesHaveTheSameSizeRulesAndTheTestFill) {
  const CATPixelImage::eUnset u = CATPixelImage::Unset;
  ExpectEmpty(CATPixelImage(4, 4, 1, u));
  ExpectEmpty(CATPixelImage(0, 4, 3, u));
  ExpectEmpty(CATPixelImage(8193, 8192, 3, u));
  ExpectEmpty(CATPixelImage(INT_MAX, INT_MAX, 3, u));
  CATPixelImage::SetUnsetFill(0xAB);
  const CATPixelImage lUnset(3, 2, 3, u);
  CATPixelImage::SetUnsetFill(-1);
  int lWidth = 0, lHeight = 0;
  lUnset.GetSize(lWidth, lHeight);
  EXPECT_EQ(lWidth, 3);
  EXPECT_EQ(lHeight, 2);
  EXPECT_EQ(AllPixels(lUnset), std::vector<unsigned char>(3 * 2 * 4, 0xAB));
}

TEST(CATPixelImage, CopyIsDeep) {
  CATPixelImage lOriginal(3, 2, 3);
  FillCoordinates(lOriginal, 9);
  CATPixelImage lCopy(lOriginal);
  EXPECT_EQ(lCopy.GetRefCount(), 1u);
  ASSERT_NE(lCopy.GetPixels(), lOriginal.GetPixels());
  EXPECT_EQ(AllPixels(lCopy), AllPixels(lOriginal));
  lCopy.GetPixelsToModify()[0] = 200;
  EXPECT_EQ(PixelAt(lOriginal, 0, 0)[0], 0);

  CATPixelImage lAssigned(10, 10, 3);
  lAssigned = lOriginal;
  int lWidth = 0, lHeight = 0;
  lAssigned.GetSize(lWidth, lHeight);
  EXPECT_EQ(lWidth, 3);
  EXPECT_EQ(lHeight, 2);
  EXPECT_EQ(AllPixels(lAssigned), AllPixels(lOriginal));
  CATPixelImage& lAlias = lAssigned;  // self-assignment, without the compiler's warning
  lAssigned = lAlias;
  EXPECT_EQ(AllPixels(lAssigned), AllPixels(lOriginal));
  lAssigned = CATPixelImage();
  ExpectEmpty(lAssigned);
}

TEST(CATPixelImage, ZoomIsNearestNeighbour) {
  CATPixelImage lSource(2, 2, 3);
  FillCoordinates(lSource, 1);
  CATPixelImage* lUp = lSource.CreateZoomedImage(4, 6, 0);
  ASSERT_NE(lUp, nullptr);
  int lWidth = 0, lHeight = 0;
  lUp->GetSize(lWidth, lHeight);
  ASSERT_EQ(lWidth, 4);
  ASSERT_EQ(lHeight, 6);
  EXPECT_EQ(lUp->GetRefCount(), 1u);
  for (int lY = 0; lY < 6; ++lY)
    for (int lX = 0; lX < 4; ++lX)
      EXPECT_EQ(PixelAt(*lUp, lX, lY), (std::vector<unsigned char>{(unsigned char)(lX / 2), (unsigned char)(lY / 3), 1, 255}))
          << lX << "," << lY;
  lUp->Release();

  // Down by a non-integer factor: each pixel takes the source pixel under its centre.
  CATPixelImage lWide(3, 1, 3);
  FillCoordinates(lWide, 2);
  CATPixelImage* lDown = lWide.CreateZoomedImage(2, 1, 0);
  ASSERT_NE(lDown, nullptr);
  ASSERT_FALSE(lDown->IsEmpty());
  EXPECT_EQ(PixelAt(*lDown, 0, 0)[0], 0);
  EXPECT_EQ(PixelAt(*lDown, 1, 0)[0], 2);
  lDown->Release();

  // Same size is a copy.
  CATPixelImage* lSame = lWide.CreateZoomedImage(3, 1, 0);
  ASSERT_NE(lSame, nullptr);
  EXPECT_EQ(AllPixels(*lSame), AllPixels(lWide));
  lSame->Release();
}

TEST(CATPixelImage, ZoomOfNothingOrToNothingIsAnEmptyImage) {
  CATPixelImage lSource(2, 2, 3);
  CATPixelImage lEmpty;
  CATPixelImage* lZooms[] = {lEmpty.CreateZoomedImage(4, 4, 0), lSource.CreateZoomedImage(0, 4, 0),
                             lSource.CreateZoomedImage(4, 0, 0), lSource.CreateZoomedImage(-4, -4, 0),
                             lSource.CreateZoomedImage(INT_MAX, INT_MAX, 0)};
  for (CATPixelImage* lZoom : lZooms) {
    ASSERT_NE(lZoom, nullptr);
    ExpectEmpty(*lZoom);
    EXPECT_EQ(lZoom->Release(), 0u);
  }
}

TEST(CATPixelImage, InsertIsClippedAtEveryEdge) {
  const int kSize = 5, kInset = 3;
  CATPixelImage lInset(kInset, kInset, 3);
  FillCoordinates(lInset, 77);
  int lOffsets[][2] = {{1, 1},  {-1, -1}, {3, 3},  {-1, 3}, {3, -1}, {-2, 1}, {1, -2}, {4, 1},
                       {1, 4},  {-3, 0},  {5, 0},  {0, -3}, {0, 5},  {INT_MIN, INT_MIN},
                       {INT_MAX, INT_MAX}, {INT_MIN, 0}, {0, INT_MAX}};
  for (auto& lOffset : lOffsets) {
    CATPixelImage lTarget(kSize, kSize, 3);
    FillCoordinates(lTarget, 5);
    lTarget.InsertPixelImage(lOffset[0], lOffset[1], &lInset, 0);
    for (int lY = 0; lY < kSize; ++lY)
      for (int lX = 0; lX < kSize; ++lX) {
        long long lSX = static_cast<long long>(lX) - lOffset[0];
        long long lSY = static_cast<long long>(lY) - lOffset[1];
        bool lFromInset = lSX >= 0 && lSX < kInset && lSY >= 0 && lSY < kInset;
        std::vector<unsigned char> lExpected =
            lFromInset ? std::vector<unsigned char>{(unsigned char)lSX, (unsigned char)lSY, 77, 255}
                       : std::vector<unsigned char>{(unsigned char)lX, (unsigned char)lY, 5, 255};
        EXPECT_EQ(PixelAt(lTarget, lX, lY), lExpected)
            << "offset " << lOffset[0] << "," << lOffset[1] << " pixel " << lX << "," << lY;
      }
  }
}

TEST(CATPixelImage, InsertIntoLargerOrFromNothingAndIntoItself) {
  // An inset larger than the target on every side.
  CATPixelImage lBig(6, 6, 3);
  FillCoordinates(lBig, 3);
  CATPixelImage lSmall(2, 2, 3);
  lSmall.InsertPixelImage(-2, -3, &lBig, 0);
  EXPECT_EQ(PixelAt(lSmall, 0, 0), (std::vector<unsigned char>{2, 3, 3, 255}));
  EXPECT_EQ(PixelAt(lSmall, 1, 1), (std::vector<unsigned char>{3, 4, 3, 255}));

  // Nothing to insert, or nowhere to insert it: unchanged, no crash.
  std::vector<unsigned char> lBefore = AllPixels(lSmall);
  lSmall.InsertPixelImage(0, 0, nullptr, 0);
  CATPixelImage lEmpty;
  lSmall.InsertPixelImage(0, 0, &lEmpty, 0);
  EXPECT_EQ(AllPixels(lSmall), lBefore);
  lEmpty.InsertPixelImage(0, 0, &lSmall, 0);
  ExpectEmpty(lEmpty);

  // Into itself, shifted: the result is the image as it was before, moved.
  CATPixelImage lSelf(4, 4, 3);
  FillCoordinates(lSelf, 8);
  lSelf.InsertPixelImage(1, 1, &lSelf, 0);
  for (int lY = 1; lY < 4; ++lY)
    for (int lX = 1; lX < 4; ++lX)
      EXPECT_EQ(PixelAt(lSelf, lX, lY), (std::vector<unsigned char>{(unsigned char)(lX - 1), (unsigned char)(lY - 1), 8, 255}))
          << lX << "," << lY;
  EXPECT_EQ(PixelAt(lSelf, 0, 3), (std::vector<unsigned char>{0, 3, 8, 255}));
  lSelf.InsertPixelImage(-1, 0, &lSelf, 0);  // same rows: overlapping copies
  EXPECT_EQ(PixelAt(lSelf, 0, 0), (std::vector<unsigned char>{1, 0, 8, 255}));
  EXPECT_EQ(PixelAt(lSelf, 2, 2), (std::vector<unsigned char>{2, 1, 8, 255}));
}
