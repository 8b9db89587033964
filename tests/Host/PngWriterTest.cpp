// The PNG writer: opaque images come back exactly as RGB, images with transparency keep their
// straight-alpha colours, and bad arguments or paths fail without writing, saying why.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ImageCompare.h"
#include "PngWriter.h"

namespace {

// A 3 x 2 image in premultiplied ARGB, native byte order, with row padding.
std::vector<unsigned char> Image(uint32_t iCorner) {
  const uint32_t lPixels[6] = {0xff102030, 0xff405060, iCorner, 0xffffffff, 0xff000000, 0xff7f7f7f};
  std::vector<unsigned char> lData(2 * 16, 0xAB);
  for (int i = 0; i < 6; ++i) std::memcpy(lData.data() + (i / 3) * 16 + (i % 3) * 4, &lPixels[i], 4);
  return lData;
}

}  // namespace

TEST(PngWriter, OpaqueAndTransparentPixelsRoundTrip) {
  const std::string lPath = TestOutputPath("png-writer.png");
  std::vector<unsigned char> lOpaque = Image(0xff708090);
  ASSERT_TRUE(PngWriter::Write(lPath, lOpaque.data(), 3, 2, 16));
  PngPixels lPng;
  ASSERT_TRUE(lPng.Load(lPath));
  EXPECT_EQ(lPng.width, 3);
  EXPECT_EQ(lPng.height, 2);
  unsigned char p[4];
  ASSERT_TRUE(lPng.Pixel(1, 0, p));
  EXPECT_EQ(p[0], 0x40);
  EXPECT_EQ(p[1], 0x50);
  EXPECT_EQ(p[2], 0x60);
  EXPECT_EQ(p[3], 255);

  // Half-transparent red (premultiplied 0x80 of 0xff) and a fully transparent pixel.
  std::vector<unsigned char> lHalf = Image(0x80800000);
  const uint32_t lClear = 0;
  std::memcpy(lHalf.data() + 16 + 8, &lClear, 4);
  ASSERT_TRUE(PngWriter::Write(lPath, lHalf.data(), 3, 2, 16));
  ASSERT_TRUE(lPng.Load(lPath));
  ASSERT_TRUE(lPng.Pixel(2, 0, p));
  EXPECT_EQ(p[0], 255);
  EXPECT_EQ(p[3], 0x80);
  ASSERT_TRUE(lPng.Pixel(2, 1, p));
  EXPECT_EQ(p[3], 0);

  EXPECT_FALSE(PngWriter::Write(lPath, nullptr, 3, 2, 16));
  EXPECT_FALSE(PngWriter::Write(lPath, lHalf.data(), 3, 2, 8));  // stride shorter than a row
  EXPECT_FALSE(PngWriter::Write(lPath, lHalf.data(), 0, 2, 16));
  std::string lReason;
  EXPECT_FALSE(PngWriter::Write("/nonexistent-folder/x.png", lHalf.data(), 3, 2, 16, 2, &lReason));
  EXPECT_EQ(lReason, "No such file or directory");
}
