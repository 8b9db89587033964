#include <gtest/gtest.h>

#include <limits>

#include "CATPixelImage.h"
#include "QVTFddImageCache.h"

namespace {

// A cache holding a real image computed at iWidth x iHeight.
void sStore(QVTFddImageCache& oCache, int iWidth, int iHeight) {
  oCache.Store(CATPixelImage(iWidth, iHeight, 3), iWidth, iHeight);
  ASSERT_NE(oCache.Get(), nullptr);
  ASSERT_FALSE(oCache.Get()->IsEmpty());
}

void sExpectSize(const QVTFddImageCache& iCache, int iWidth, int iHeight) {
  ASSERT_NE(iCache.Get(), nullptr);
  int lWidth = 0, lHeight = 0;
  iCache.Get()->GetSize(lWidth, lHeight);
  EXPECT_EQ(lWidth, iWidth);
  EXPECT_EQ(lHeight, iHeight);
}

}  // namespace

TEST(QVTFddImageCache, KeepsZoomsOrAsksForANewImageByDiagonalChange) {
  QVTFddImageCache c;
  EXPECT_EQ(c.Fit(400, 300), QVTFddImageCache::kCompute);
  sStore(c, 400, 300);
  const CATPixelImage* lComputed = c.Get();
  EXPECT_EQ(c.Fit(400, 300), QVTFddImageCache::kKept);
  EXPECT_EQ(c.Get(), lComputed);

  // +10 %: zoomed; the zoom is measured against 400 x 300, not against itself.
  EXPECT_EQ(c.Fit(440, 330), QVTFddImageCache::kReplaced);
  sExpectSize(c, 440, 330);
  EXPECT_EQ(c.Fit(479, 359), QVTFddImageCache::kReplaced);  // +19.7 %
  sExpectSize(c, 479, 359);
  EXPECT_EQ(c.Fit(321, 241), QVTFddImageCache::kReplaced);  // -19.7 %
  sExpectSize(c, 321, 241);

  // Exactly +20 % and -20 % (whole pixel diagonals 600 and 400 against 500) ask for new images.
  EXPECT_EQ(c.Fit(480, 360), QVTFddImageCache::kCompute);
  EXPECT_EQ(c.Get(), nullptr);
  sStore(c, 400, 300);
  EXPECT_EQ(c.Fit(320, 240), QVTFddImageCache::kCompute);
  sStore(c, 400, 300);
  EXPECT_EQ(c.Fit(506, 380), QVTFddImageCache::kCompute);  // +26.5 %
  EXPECT_EQ(c.Get(), nullptr);
}

TEST(QVTFddImageCache, TwoThousandPixelsOrASideBelowOneDropTheImage) {
  QVTFddImageCache c;
  sStore(c, 1800, 100);
  // +11 % but 2000 wide: dropped and nothing to compute.
  EXPECT_EQ(c.Fit(2000, 100), QVTFddImageCache::kReplaced);
  EXPECT_EQ(c.Get(), nullptr);
  EXPECT_EQ(c.Fit(100, 2500), QVTFddImageCache::kKept);

  // 1 x 100 -> 0 x 100 is within 20 % but has nothing to zoom to.
  sStore(c, 1, 100);
  EXPECT_EQ(c.Fit(0, 100), QVTFddImageCache::kCompute);
  EXPECT_EQ(c.Get(), nullptr);
}

TEST(QVTFddImageCache, EmptyImageIsKeptAtItsComputedSizeOnly) {
  QVTFddImageCache c;
  c.Store(CATPixelImage(), 400, 300);
  ASSERT_NE(c.Get(), nullptr);
  EXPECT_EQ(c.Fit(400, 300), QVTFddImageCache::kKept);
  EXPECT_TRUE(c.Get()->IsEmpty());
  // Never zoomed, even within 20 %.
  EXPECT_EQ(c.Fit(410, 300), QVTFddImageCache::kCompute);
  EXPECT_EQ(c.Get(), nullptr);

  // Dropping keeps no image but the computed size: the next fit asks for a new one.
  sStore(c, 400, 300);
  c.Drop();
  EXPECT_EQ(c.Fit(400, 300), QVTFddImageCache::kCompute);
}

TEST(QVTFddImageCache, PixelExtentTruncatesAndSaturatesAtTheLimit) {
  const double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(QVTFddImageCache::PixelExtent(12.9), 12);
  EXPECT_EQ(QVTFddImageCache::PixelExtent(-12.9), 12);
  EXPECT_EQ(QVTFddImageCache::PixelExtent(1999.99), 1999);
  for (double lPixels : {2000.0, 1e300, kInf, -kInf, std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(QVTFddImageCache::PixelExtent(lPixels), QVTFddImageCache::kMaxPixels) << lPixels;
}
