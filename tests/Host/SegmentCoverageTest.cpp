// SegmentCoverage against cairo's own stroke of the same segments (butt caps, separate segments):
// the same pixels, up to the rounding of cairo's scan converter.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "SegmentCoverage.h"

namespace {

constexpr int kWidth = 40, kHeight = 30;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Case {
  std::string name;
  std::vector<double> segments;  // x0, y0, x1, y1 each
  double width;
  int rgba[4];
};

// The segments on a light grey image, by cairo (iCairo) or by SegmentCoverage.
std::vector<unsigned char> Draw(const Case& iCase, bool iCairo) {
  cairo_surface_t* lSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* lCr = cairo_create(lSurface);
  cairo_set_source_rgb(lCr, 0.9, 0.9, 0.9);
  cairo_paint(lCr);
  const std::vector<double>& s = iCase.segments;
  if (iCairo) {
    for (size_t i = 0; i + 4 <= s.size(); i += 4) {
      cairo_move_to(lCr, s[i], s[i + 1]);
      cairo_line_to(lCr, s[i + 2], s[i + 3]);
    }
    cairo_set_source_rgba(lCr, iCase.rgba[0] / 255.0, iCase.rgba[1] / 255.0, iCase.rgba[2] / 255.0,
                          iCase.rgba[3] / 255.0);
    cairo_set_line_width(lCr, iCase.width);
    cairo_set_line_cap(lCr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(lCr);
    cairo_surface_flush(lSurface);
  } else {
    cairo_surface_flush(lSurface);
    SegmentCoverage lCoverage(kWidth, kHeight);
    for (size_t i = 0; i + 4 <= s.size(); i += 4) lCoverage.Add(s[i], s[i + 1], s[i + 2], s[i + 3], iCase.width);
    EXPECT_TRUE(lCoverage.Composite(cairo_image_surface_get_data(lSurface), cairo_image_surface_get_stride(lSurface),
                                    iCase.rgba));
  }
  const unsigned char* lData = cairo_image_surface_get_data(lSurface);
  const int lStride = cairo_image_surface_get_stride(lSurface);
  std::vector<unsigned char> lPixels;
  for (int y = 0; y < kHeight; ++y) lPixels.insert(lPixels.end(), lData + y * lStride, lData + y * lStride + 4 * kWidth);
  cairo_destroy(lCr);
  cairo_surface_destroy(lSurface);
  return lPixels;
}

}  // namespace

TEST(SegmentCoverage, CoversThePixelsCairoStrokes) {
  const Case kCases[] = {
      {"steep steps of a reduced curve", {10.5, 3.2, 11.5, 25.7, 11.5, 20.0, 12.5, 4.4, 12.5, 6.0, 13.5, 6.5}, 1.0,
       {31, 119, 180, 255}},
      {"shallow", {2.0, 5.3, 37.0, 9.8}, 1.0, {0, 0, 0, 255}},
      {"diagonal, two pixels wide", {3.0, 27.0, 27.0, 3.0}, 2.0, {200, 30, 40, 255}},
      {"a line drawn as segment pairs", {5.0, 25.0, 15.0, 5.0, 15.0, 5.0, 25.0, 25.0, 25.0, 25.0, 35.0, 8.0}, 2.0,
       {0, 0, 0, 255}},
      {"crossing lines count once", {5.0, 5.0, 30.0, 25.0, 5.0, 25.0, 30.0, 5.0}, 1.5, {0, 0, 0, 255}},
      {"cut at every side", {-8.0, 12.0, 15.0, -6.0, 30.0, 40.0, 50.0, 10.0}, 3.0, {0, 120, 0, 255}},
      {"translucent", {4.0, 4.0, 36.0, 22.0}, 4.0, {255, 0, 0, 128}},
  };
  for (const Case& c : kCases) {
    const std::vector<unsigned char> lCairo = Draw(c, true), lOwn = Draw(c, false);
    int lLargest = 0;
    long lSum = 0;
    for (size_t i = 0; i < lCairo.size(); ++i) {
      const int d = std::abs(int(lCairo[i]) - int(lOwn[i]));
      lLargest = std::max(lLargest, d);
      lSum += d;
    }
    // Cairo samples each pixel row at a few heights, which shows most along shallow edges.
    EXPECT_LE(lLargest, 16) << c.name;
    EXPECT_LE(double(lSum) / lCairo.size(), 0.5) << c.name;
  }
}

TEST(SegmentCoverage, LeavesOutWhatCannotBeDrawn) {
  // Segments of no length or width, or not finite, draw nothing; so does an empty image size.
  const Case lNothing{"nothing", {5.0, 5.0, 5.0, 5.0, 1.0, 1.0, 20.0, 20.0}, 0.0, {0, 0, 0, 255}};
  const std::vector<unsigned char> lBlank = Draw({"blank", {}, 1.0, {0, 0, 0, 255}}, false);
  EXPECT_EQ(Draw(lNothing, false), lBlank);
  SegmentCoverage lCoverage(kWidth, kHeight);
  lCoverage.Add(0.0, 0.0, kInfinity, 3.0, 1.0);
  lCoverage.Add(0.0, 0.0, 10.0, 3.0, kInfinity);
  std::vector<unsigned char> lImage = lBlank;
  const int lBlack[4] = {0, 0, 0, 255};
  EXPECT_TRUE(lCoverage.Composite(lImage.data(), 4 * kWidth, lBlack));
  EXPECT_EQ(lImage, lBlank);
  // Too many segments to keep: refused whole, for the caller to stroke them.
  SegmentCoverage lMany(kWidth, kHeight);
  for (int i = 0; i < 300000; ++i) lMany.Add(0.0, 0.0, 10.0, 3.0 + (i % 2), 1.0);
  EXPECT_FALSE(lMany.Composite(lImage.data(), 4 * kWidth, lBlack));
  EXPECT_EQ(lImage, lBlank);
  SegmentCoverage lEmpty(0, 0);
  lEmpty.Add(0.0, 0.0, 10.0, 3.0, 1.0);
  EXPECT_TRUE(lEmpty.Composite(lImage.data(), 4 * kWidth, lBlack));
  EXPECT_EQ(lImage, lBlank);
}
