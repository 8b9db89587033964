// The Cairo render: where things land in pixels (through pan, zoom and the y flip), that drawn
// text stays in the box the layout measures, image orientation, line widths, the file outputs,
// robustness against bad input, and the golden-image comparison used by the rendering tests.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CAT2DPolygonGP.h"
#include "CATFont.h"
#include "CATPixelImage.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ColourAttribute.h"
#include "ImageCompare.h"

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// Darkness of a pixel of a white surface: 0 for white, 1 for black.
double Ink(const CairoRender& iRender, int iX, int iY) {
  unsigned char lRGBA[4] = {255, 255, 255, 255};
  iRender.GetPixel(iX, iY, lRGBA);
  return 1.0 - (lRGBA[0] + lRGBA[1] + lRGBA[2]) / (3.0 * 255.0);
}

bool IsColour(const CairoRender& iRender, int iX, int iY, int iRed, int iGreen, int iBlue, int iTolerance = 2) {
  unsigned char lRGBA[4] = {0, 0, 0, 0};
  if (!iRender.GetPixel(iX, iY, lRGBA)) return false;
  return std::abs(lRGBA[0] - iRed) <= iTolerance && std::abs(lRGBA[1] - iGreen) <= iTolerance &&
         std::abs(lRGBA[2] - iBlue) <= iTolerance;
}

long FileSize(const std::string& iPath) {
  std::error_code lError;
  const auto lSize = std::filesystem::file_size(iPath, lError);
  return lError ? -1 : static_cast<long>(lSize);
}

std::string FileStart(const std::string& iPath, size_t iBytes) {
  std::ifstream lIn(iPath, std::ios::binary);
  std::string lStart(iBytes, '\0');
  lIn.read(&lStart[0], static_cast<std::streamsize>(iBytes));
  lStart.resize(static_cast<size_t>(lIn.gcount()));
  return lStart;
}

// Every pixel of a PNG surface, straight RGBA, row by row.
std::vector<unsigned char> Pixels(const CairoRender& iRender) {
  std::vector<unsigned char> lPixels(4 * size_t(iRender.GetWidth()) * size_t(iRender.GetHeight()));
  for (int y = 0; y < iRender.GetHeight(); ++y)
    for (int x = 0; x < iRender.GetWidth(); ++x)
      EXPECT_TRUE(iRender.GetPixel(x, y, &lPixels[4 * (size_t(y) * iRender.GetWidth() + x)]));
  return lPixels;
}

struct InkBox {
  int count = 0;
  int xmin = 1 << 30, xmax = -(1 << 30), ymin = 1 << 30, ymax = -(1 << 30);
};

InkBox FindInk(const CairoRender& iRender, double iThreshold = 0.1) {
  InkBox lBox;
  for (int y = 0; y < iRender.GetHeight(); ++y)
    for (int x = 0; x < iRender.GetWidth(); ++x)
      if (Ink(iRender, x, y) > iThreshold) {
        ++lBox.count;
        lBox.xmin = std::min(lBox.xmin, x);
        lBox.xmax = std::max(lBox.xmax, x);
        lBox.ymin = std::min(lBox.ymin, y);
        lBox.ymax = std::max(lBox.ymax, y);
      }
  return lBox;
}

// Draws the text through the viewer and checks that every inked pixel lies in the pixel box of
// the primitive's GetBoundingBox (one pixel of slack) and that the ink reaches near its sides.
void CheckTextInBox(const CATFont* iFont, const char* iText, float iAngle) {
  SCOPED_TRACE(std::string(iText) + " at " + std::to_string(iAngle) + " degrees");
  const int lW = 400, lH = 300;
  CATViewer lViewer(lW, lH);
  lViewer.Get2DViewpoint().SetCenter(CATMathPoint2D(50.0, 30.0));
  lViewer.Get2DViewpoint().SetZoom(4.0);
  const float lOrigin[2] = {iAngle == 0.0f ? 15.0f : 60.0f, iAngle == 0.0f ? 30.0f : 5.0f};
  CAT2DGeometricTextGP* lText =
      new CAT2DGeometricTextGP(lOrigin, iText, 8.0f, 0, 0, 0, iFont, 0, iAngle, -10000.0f, 1.0f, 0.0f);
  ASSERT_NE(lText, nullptr);
  lViewer.AddPrimitive(lText);
  float lCorners[8];
  lText->GetBoundingBox(lCorners);
  lText->Release();

  CairoRender lRender(lW, lH, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0));
  lViewer.Draw(lRender);

  double lXMin = 1e30, lXMax = -1e30, lYMin = 1e30, lYMax = -1e30;
  for (int i = 0; i < 4; ++i) {
    CATMathPoint2Df lPixel;
    lViewer.Get2DViewpoint().ModelToPixel(CATMathPointf(lCorners[2 * i], lCorners[2 * i + 1], 0.0f), lPixel,
                                          float(lW), float(lH), 1.0f, 1.0f);
    lXMin = std::min(lXMin, double(lPixel.x));
    lXMax = std::max(lXMax, double(lPixel.x));
    lYMin = std::min(lYMin, double(lPixel.y));
    lYMax = std::max(lYMax, double(lPixel.y));
  }
  const InkBox lInk = FindInk(lRender, 0.02);
  ASSERT_GT(lInk.count, 100);
  // Pixel (x, y) covers [x, x + 1] x [y, y + 1].
  EXPECT_GE(lInk.xmin, lXMin - 1.0);
  EXPECT_LE(lInk.xmax + 1, lXMax + 1.0);
  EXPECT_GE(lInk.ymin, lYMin - 1.0);
  EXPECT_LE(lInk.ymax + 1, lYMax + 1.0);
  // The text fills its box: no side is further than a fifth of the text height (32 px) from ink.
  const double lSlack = 0.2 * 32.0;
  EXPECT_LT(lInk.xmin - lXMin, lSlack);
  EXPECT_LT(lXMax - (lInk.xmax + 1), lSlack);
  EXPECT_LT(lInk.ymin - lYMin, lSlack);
  EXPECT_LT(lYMax - (lInk.ymax + 1), lSlack);
}

}  // namespace

TEST(CairoRender, PolygonLandsWherePanAndZoomPutItWithYUp) {
  const std::string lPath = TestOutputPath("cairo_polygon.png");
  CATViewer lViewer(200, 100);
  lViewer.Get2DViewpoint().SetCenter(CATMathPoint2D(10.0, 5.0));
  lViewer.Get2DViewpoint().SetZoom(4.0);
  // Model [10, 15] x [5, 8] is pixels [100, 120] x [50, 62].
  const CATMathPoint2Df lSquare[4] = {{10.0f, 5.0f}, {15.0f, 5.0f}, {15.0f, 8.0f}, {10.0f, 8.0f}};
  CAT2DPolygonGP* lPolygon = new CAT2DPolygonGP(lSquare, 4);
  lViewer.AddPrimitive(lPolygon);
  lPolygon->Release();

  CairoRender lRender(200, 100, CairoRender::PNG, lPath);
  ASSERT_TRUE(lRender.IsValid());
  lRender.SetAntialias(false);
  lRender.SetCurrentAttribute(Colour(255, 0, 0));
  lViewer.Draw(lRender);
  ASSERT_EQ(lRender.Finish(), S_OK);

  // Pixel (x, y) with y up is PNG row 99 - y.
  auto lFile = [&](int iX, int iY, int iR, int iG, int iB) {
    unsigned char lRGBA[4];
    if (!ReadPngPixel(lPath, iX, 99 - iY, lRGBA)) return false;
    return lRGBA[0] == iR && lRGBA[1] == iG && lRGBA[2] == iB && lRGBA[3] == 255;
  };
  EXPECT_TRUE(lFile(110, 56, 255, 0, 0));
  EXPECT_TRUE(lFile(100, 50, 255, 0, 0));
  EXPECT_TRUE(lFile(119, 61, 255, 0, 0));
  EXPECT_TRUE(lFile(99, 56, 255, 255, 255));
  EXPECT_TRUE(lFile(120, 56, 255, 255, 255));
  EXPECT_TRUE(lFile(110, 49, 255, 255, 255));
  EXPECT_TRUE(lFile(110, 62, 255, 255, 255));
  EXPECT_TRUE(lFile(110, 43, 255, 255, 255));  // where an unflipped drawing would be
  EXPECT_TRUE(IsColour(lRender, 110, 56, 255, 0, 0, 0));
  EXPECT_TRUE(IsColour(lRender, 110, 43, 255, 255, 255, 0));
}

// A window hands out its own cairo context: drawing into it gives the file render's pixels, the
// caller's translation is kept, and the context stays the caller's.
TEST(CairoRender, DrawsIntoAnExistingContextAsIntoItsOwnSurface) {
  CATViewer lViewer(200, 100);
  const CATMathPoint2Df lTriangle[3] = {{20.0f, 10.0f}, {180.0f, 30.0f}, {60.0f, 90.0f}};
  CAT2DPolygonGP* lPolygon = new CAT2DPolygonGP(lTriangle, 3);
  lViewer.AddPrimitive(lPolygon);
  lPolygon->Release();
  CairoRender lOwn(200, 100, CairoRender::PNG, "");
  lOwn.SetCurrentAttribute(Colour(0, 90, 200));
  lViewer.Draw(lOwn);

  cairo_surface_t* lSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 200, 100);
  cairo_t* lContext = cairo_create(lSurface);
  {
    CairoRender lBorrowed(lContext, 200, 100);
    ASSERT_TRUE(lBorrowed.IsValid());
    lBorrowed.SetBackground(255, 255, 255);
    lBorrowed.SetCurrentAttribute(Colour(0, 90, 200));
    lViewer.Draw(lBorrowed);
    EXPECT_EQ(lBorrowed.Finish(), S_OK);
    EXPECT_EQ(Pixels(lBorrowed), Pixels(lOwn));
  }
  EXPECT_EQ(cairo_status(lContext), CAIRO_STATUS_SUCCESS);
  // Moved by the caller, the drawing moves with it.
  cairo_surface_t* lTall = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 200, 200);
  cairo_t* lLower = cairo_create(lTall);
  cairo_translate(lLower, 0.0, 100.0);
  {
    CairoRender lBorrowed(lLower, 200, 100);
    lBorrowed.SetBackground(255, 255, 255);
    lBorrowed.SetCurrentAttribute(Colour(0, 90, 200));
    lViewer.Draw(lBorrowed);
  }
  cairo_surface_flush(lTall);
  const unsigned char* lData = cairo_image_surface_get_data(lTall);
  const int lStride = cairo_image_surface_get_stride(lTall);
  // Pixel (60, 50) with y up is row 49 of the lower half, row 149 of the surface (red 0 there);
  // row 49 of the surface shows only the page.
  EXPECT_EQ(lData[149 * lStride + 60 * 4 + 2], 0);
  EXPECT_EQ(lData[49 * lStride + 60 * 4 + 2], 255);
  cairo_destroy(lLower);
  cairo_surface_destroy(lTall);
  cairo_destroy(lContext);
  cairo_surface_destroy(lSurface);
}

TEST(CairoRender, BackgroundAndTranslucentColours) {
  CairoRender lRender(20, 20, CairoRender::PNG, "");
  EXPECT_TRUE(IsColour(lRender, 0, 0, 255, 255, 255, 0));
  lRender.SetBackground(0, 0, 255);
  EXPECT_TRUE(IsColour(lRender, 19, 19, 0, 0, 255, 0));
  CATGraphicAttributeSet lHalfRed;
  lHalfRed.SetColor(255, 0, 0, 128);
  lRender.SetCurrentAttribute(lHalfRed);
  const float lAll[8] = {0, 0, 20, 0, 20, 20, 0, 20};
  lRender.ImmediateDraw2DPolygon(lAll, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  EXPECT_TRUE(IsColour(lRender, 10, 10, 128, 0, 127, 2));
}

TEST(CairoRender, GeometricTextInkStaysInTheMeasuredBox) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr);
  CheckTextInBox(lFont, "Hagjpq|\xC3\x89gy", 0.0f);
  CheckTextInBox(lFont, "Hagjpq|\xC3\x89gy", 90.0f);
  lFont->Release();
}

TEST(CairoRender, FixedMetricTextIsStretchedToItsMeasuredWidth) {
  CATFont* lFont = CATFont::CreateFixedMetric(1.5, 0.8, 0.2);
  ASSERT_NE(lFont, nullptr);
  CheckTextInBox(lFont, "MWMW", 0.0f);
  lFont->Release();
}

TEST(CairoRender, AnnotationTextSitsOnItsAnchor) {
  CairoRender lRender(200, 120, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0));
  const float lPosition[2] = {100.0f, 60.0f};
  lRender.ImmediateDraw2DAnnotationText(lPosition, "Label", CATAnchorTopLeft, 20.0f, 0, nullptr, nullptr);
  InkBox lInk = FindInk(lRender);
  ASSERT_GT(lInk.count, 30);
  EXPECT_GE(lInk.xmin, 99);
  EXPECT_LE(lInk.ymax, 60);
  EXPECT_GT(lInk.xmax - lInk.xmin, 30);  // about 20 px text: "Label" is some 50 px wide
  EXPECT_LT(lInk.xmax - lInk.xmin, 80);
  EXPECT_GT(lInk.ymax - lInk.ymin, 10);

  lRender.SetBackground(255, 255, 255);
  lRender.ImmediateDraw2DAnnotationText(lPosition, "Label", CATAnchorBottomRight, 0.0f, 0, nullptr, nullptr);
  lInk = FindInk(lRender);
  ASSERT_GT(lInk.count, 10);
  EXPECT_LE(lInk.xmax, 100);
  EXPECT_GE(lInk.ymin, 60);
  EXPECT_LT(lInk.ymax - lInk.ymin, 14);  // the default size is about 12 px

  lRender.SetBackground(255, 255, 255);
  const CATGraphicAttributeSet lBlue = Colour(0, 0, 255);
  const float lPosition3D[3] = {100.0f, 60.0f, 0.0f};
  lRender.ImmediateDraw2DAnnotationText(lPosition, "Mid", CATAnchorCenter, 16.0f, 0, &lBlue, nullptr);
  lInk = FindInk(lRender);
  ASSERT_GT(lInk.count, 10);
  EXPECT_LT(lInk.xmin, 100);
  EXPECT_GT(lInk.xmax, 100);
  EXPECT_LT(lInk.ymin, 60);
  EXPECT_GT(lInk.ymax, 60);
  unsigned char lRGBA[4];
  bool lSawBlue = false;
  for (int x = lInk.xmin; x <= lInk.xmax && !lSawBlue; ++x)
    for (int y = lInk.ymin; y <= lInk.ymax && !lSawBlue; ++y)
      lSawBlue = lRender.GetPixel(x, y, lRGBA) && lRGBA[2] > 200 && lRGBA[0] < 60;
  EXPECT_TRUE(lSawBlue);

  lRender.SetBackground(255, 255, 255);
  lRender.ImmediateDraw3DAnnotationText(lPosition3D, "Label", CATAnchorTopLeft, 20.0f, 0);
  const InkBox l3D = FindInk(lRender);
  EXPECT_GE(l3D.xmin, 99);
  EXPECT_LE(l3D.ymax, 60);
}

TEST(CairoRender, ImageRowZeroIsAtTheBottom) {
  CATPixelImage* lImage = new CATPixelImage(3, 2, 3);
  ASSERT_NE(lImage, nullptr);
  ASSERT_FALSE(lImage->IsEmpty());
  const unsigned char lPixels[24] = {255, 0,   0, 255, 0,   255, 0,   255, 0,   0,   255, 255,   // row 0
                                     255, 255, 0, 255, 0,   255, 255, 255, 255, 0,   0,   128};  // row 1
  std::copy(lPixels, lPixels + 24, lImage->GetPixelsToModify());

  const std::string lPath = TestOutputPath("cairo_image.png");
  CairoRender lRender(50, 40, CairoRender::PNG, lPath);
  const float lPosition[2] = {10.5f, 20.2f};  // inside pixel (10, 20)
  lRender.ImmediateDraw2DImagePixel(lPosition, lImage, 1, 0, 0);
  EXPECT_TRUE(IsColour(lRender, 10, 20, 255, 0, 0, 0));
  EXPECT_TRUE(IsColour(lRender, 11, 20, 0, 255, 0, 0));
  EXPECT_TRUE(IsColour(lRender, 12, 20, 0, 0, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 10, 21, 255, 255, 0, 0));
  EXPECT_TRUE(IsColour(lRender, 11, 21, 0, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 12, 21, 255, 127, 127, 2));  // half-transparent red over white
  EXPECT_TRUE(IsColour(lRender, 9, 20, 255, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 13, 20, 255, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 10, 19, 255, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 10, 22, 255, 255, 255, 0));
  ASSERT_EQ(lRender.Finish(), S_OK);
  unsigned char lRGBA[4];
  ASSERT_TRUE(ReadPngPixel(lPath, 10, 39 - 20, lRGBA));  // the bottom row is the lower one in the file
  EXPECT_EQ(lRGBA[0], 255);
  EXPECT_EQ(lRGBA[1], 0);

  // Cut at the surface's bottom-left corner: the top row's last two pixels show.
  lRender.SetBackground(255, 255, 255);
  const float lCorner[2] = {-0.5f, -0.5f};
  lRender.ImmediateDraw2DImagePixel(lCorner, lImage, 1, 0, 0);
  EXPECT_TRUE(IsColour(lRender, 0, 0, 0, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 1, 0, 255, 127, 127, 2));
  EXPECT_TRUE(IsColour(lRender, 2, 0, 255, 255, 255, 0));
  EXPECT_TRUE(IsColour(lRender, 0, 1, 255, 255, 255, 0));

  // Through a viewpoint the image keeps one image pixel per device pixel.
  CATViewer lViewer(50, 40);
  lViewer.Get2DViewpoint().SetZoom(10.0);
  lViewer.Get2DViewpoint().SetCenter(CATMathPoint2D(0.0, 0.0));
  lRender.SetBackground(255, 255, 255);
  lViewer.Draw(lRender);  // sets the viewpoint
  const float lModel[2] = {1.0f, 1.0f};  // pixel (35, 30)
  lRender.ImmediateDraw2DImagePixel(lModel, lImage, 1, 0, 0);
  EXPECT_TRUE(IsColour(lRender, 35, 30, 255, 0, 0, 0));
  EXPECT_TRUE(IsColour(lRender, 37, 31, 255, 127, 127, 2));
  EXPECT_TRUE(IsColour(lRender, 38, 30, 255, 255, 255, 0));
  lImage->Release();
}

TEST(CairoRender, LineThicknessIsInPixels) {
  CairoRender lRender(60, 60, CairoRender::PNG, "");
  const float lHorizontal[4] = {5.0f, 30.0f, 55.0f, 30.0f};
  const float lVertical[4] = {20.0f, 5.0f, 20.0f, 55.0f};
  for (int lThickness : {0, 1, 5}) {
    SCOPED_TRACE(lThickness);
    lRender.SetBackground(255, 255, 255);
    lRender.SetCurrentAttribute(Colour(0, 0, 0, lThickness));
    lRender.ImmediateDraw2DLine(lHorizontal, 2, 0, 0);
    lRender.ImmediateDraw2DPolyline(lVertical, 2, 0);
    const double lExpected = lThickness == 0 ? 1.0 : lThickness;
    double lAcross = 0.0, lAlong = 0.0;
    for (int i = 0; i < 60; ++i) {
      lAcross += Ink(lRender, 40, i);
      lAlong += Ink(lRender, i, 29) + Ink(lRender, i, 30) > 0.5 ? 1.0 : 0.0;
    }
    EXPECT_NEAR(lAcross, lExpected, 0.25);
    lAcross = 0.0;
    for (int i = 0; i < 60; ++i) lAcross += Ink(lRender, i, 45);
    EXPECT_NEAR(lAcross, lExpected, 0.25);
    EXPECT_NEAR(lAlong, 50.0, 1.0 + lExpected);
  }
}

TEST(CairoRender, LinePairsAndPolylines) {
  CairoRender lRender(60, 30, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0, 3));
  const float lPoints[8] = {10.0f, 10.0f, 20.0f, 10.0f, 30.0f, 10.0f, 40.0f, 10.0f};
  lRender.ImmediateDraw2DLine(lPoints, 4, 0, 1);
  EXPECT_GT(Ink(lRender, 15, 10), 0.9);
  EXPECT_LT(Ink(lRender, 25, 10), 0.01);  // pairs: no line between the second and third point
  EXPECT_GT(Ink(lRender, 35, 10), 0.9);
  lRender.ImmediateDraw2DLine(lPoints, 4, 0, 0);
  EXPECT_GT(Ink(lRender, 25, 10), 0.9);

  // A NaN point breaks a polyline; the parts around it are drawn.
  lRender.SetBackground(255, 255, 255);
  const float lBroken[8] = {10.0f, 20.0f, 20.0f, 20.0f, kNaN, 20.0f, 40.0f, 20.0f};
  const float lAfter[4] = {45.0f, 20.0f, 55.0f, 20.0f};
  lRender.ImmediateDraw2DPolyline(lBroken, 4, 0);
  lRender.ImmediateDraw2DPolyline(lAfter, 2, 0);
  EXPECT_GT(Ink(lRender, 15, 20), 0.9);
  EXPECT_LT(Ink(lRender, 30, 20), 0.01);
  EXPECT_GT(Ink(lRender, 50, 20), 0.9);
}

TEST(CairoRender, SegmentPairsFilledAsBoxesMatchStrokedLines) {
  // Vertical and horizontal pairs (filled as boxes) at whole, half and odd positions, both
  // directions, crossing each other, cut outside the surface at either end, and a point pair.
  const float lPairs[] = {10.0f, 5.0f,   10.0f, 50.0f, 20.5f, 50.0f, 20.5f,  3.25f, 3.0f,  30.0f, 55.0f,
                          30.0f, 57.0f,  41.7f, 2.2f,  41.7f, 33.0f, -90.0f, 33.0f, 150.0f, -80.0f, 12.5f,
                          140.0f, 12.5f, 44.0f, 44.0f, 44.0f, 44.0f};
  const int lPoints = sizeof(lPairs) / sizeof(lPairs[0]) / 2;
  const int kSide = 60;
  for (int lThickness : {0, 2, 3, 6}) {
    SCOPED_TRACE(lThickness);
    CairoRender lFilled(kSide, kSide, CairoRender::PNG, "");
    lFilled.SetCurrentAttribute(Colour(20, 40, 200, lThickness));
    lFilled.ImmediateDraw2DLine(lPairs, lPoints, 0, 1);

    // The same segments stroked by cairo itself, butt-capped, y flipped as the render does.
    cairo_surface_t* lSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSide, kSide);
    cairo_t* lCr = cairo_create(lSurface);
    cairo_set_source_rgb(lCr, 1.0, 1.0, 1.0);
    cairo_paint(lCr);
    for (int i = 0; i + 1 < lPoints; i += 2) {
      cairo_move_to(lCr, lPairs[2 * i], kSide - lPairs[2 * i + 1]);
      cairo_line_to(lCr, lPairs[2 * i + 2], kSide - lPairs[2 * i + 3]);
    }
    cairo_set_source_rgb(lCr, 20 / 255.0, 40 / 255.0, 200 / 255.0);
    cairo_set_line_width(lCr, lThickness == 0 ? 1.0 : lThickness);
    cairo_set_line_cap(lCr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(lCr);
    cairo_destroy(lCr);
    cairo_surface_flush(lSurface);
    // Opaque pixels: premultiplied ARGB is the straight colour. Rows bottom-up, as Pixels reads.
    std::vector<unsigned char> lStroked;
    const unsigned char* lData = cairo_image_surface_get_data(lSurface);
    const int lStride = cairo_image_surface_get_stride(lSurface);
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        const uint32_t lPixel = *reinterpret_cast<const uint32_t*>(lData + size_t(kSide - 1 - y) * lStride + 4 * x);
        for (int lShift : {16, 8, 0, 24}) lStroked.push_back(static_cast<unsigned char>(lPixel >> lShift));
      }
    cairo_surface_destroy(lSurface);
    EXPECT_EQ(Pixels(lFilled), lStroked);
  }
}

TEST(CairoRender, MarkersFilledOrOutlined) {
  CairoRender lRender(100, 30, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0));
  const float lFilled[2] = {20.0f, 15.0f};
  const float lHollow[2] = {50.0f, 15.0f};
  const float lCross[2] = {80.0f, 15.0f};
  lRender.ImmediateDraw2DMarker(lFilled, 1, CATSymbolFilledSquare);
  lRender.ImmediateDraw2DMarker(lHollow, 1, CATSymbolCircle);
  lRender.ImmediateDraw2DMarker(lCross, 1, CATSymbolCross);
  EXPECT_GT(Ink(lRender, 20, 15), 0.9);
  EXPECT_GT(Ink(lRender, 17, 12), 0.9);
  EXPECT_LT(Ink(lRender, 50, 15), 0.01);  // an outlined circle is empty inside
  double lRing = 0.0;
  for (int x = 44; x < 56; ++x) lRing += Ink(lRender, x, 15);
  EXPECT_GT(lRing, 1.0);
  EXPECT_GT(Ink(lRender, 80, 15) + Ink(lRender, 79, 14), 0.5);
  // About 7 px across: nothing 6 px from the centre.
  EXPECT_LT(Ink(lRender, 26, 15), 0.01);
  EXPECT_LT(Ink(lRender, 14, 15), 0.01);
}

TEST(CairoRender, ThreeDimensionalPointsAreProjected) {
  CairoRender lRender(80, 80, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0, 3));
  // The default projection keeps x and y and shifts z down and to the left.
  const float lFlat[6] = {10.0f, 10.0f, 0.0f, 50.0f, 10.0f, 0.0f};
  lRender.ImmediateDraw3DLine(lFlat, 2, 0, 0);
  EXPECT_GT(Ink(lRender, 30, 10), 0.9);
  const float lDeep[6] = {40.0f, 40.0f, 20.0f, 60.0f, 40.0f, 20.0f};  // z 20: (-10, -7)
  lRender.ImmediateDraw3DPolyline(lDeep, 2, 0);
  EXPECT_GT(Ink(lRender, 40, 33), 0.9);
  EXPECT_LT(Ink(lRender, 40, 40), 0.01);

  lRender.SetBackground(255, 255, 255);
  lRender.SetProjection3D(CATMathVector2D(0.0, 1.0), CATMathVector2D(1.0, 0.0), CATMathVector2D(0.0, 0.0));
  const float lSwapped[6] = {10.0f, 40.0f, 5.0f, 10.0f, 60.0f, 5.0f};  // drawn from (40, 10) to (60, 10)
  lRender.ImmediateDraw3DLine(lSwapped, 2, 0, 0);
  EXPECT_GT(Ink(lRender, 50, 10), 0.9);
  EXPECT_LT(Ink(lRender, 10, 50), 0.01);
  const float lMarker[3] = {30.0f, 20.0f, 100.0f};
  lRender.ImmediateDraw3DMarker(lMarker, 1, CATSymbolFilledCircle);
  EXPECT_GT(Ink(lRender, 20, 30), 0.9);
}

TEST(CairoRender, GeometryFarOutsideIsClippedNotWrapped) {
  CairoRender lRender(100, 100, CairoRender::PNG, "");
  lRender.SetAntialias(false);
  lRender.SetCurrentAttribute(Colour(0, 0, 0, 3));
  // A triangle that covers the whole surface from a hundred million pixels away.
  const float lHuge[6] = {-1e8f, -1e8f, 1e8f, -1e8f, 0.0f, 1e8f};
  lRender.ImmediateDraw2DPolygon(lHuge, 3, 1, 0, nullptr, nullptr, nullptr, 0);
  for (int lX : {0, 50, 99})
    for (int lY : {0, 50, 99}) EXPECT_GT(Ink(lRender, lX, lY), 0.99) << lX << ", " << lY;

  lRender.SetBackground(255, 255, 255);
  const float lLong[4] = {-1e9f, 50.0f, 1e9f, 50.0f};
  lRender.ImmediateDraw2DLine(lLong, 2, 0, 0);
  EXPECT_GT(Ink(lRender, 0, 50), 0.99);
  EXPECT_GT(Ink(lRender, 99, 50), 0.99);
  EXPECT_LT(Ink(lRender, 50, 40), 0.01);
  EXPECT_LT(Ink(lRender, 50, 60), 0.01);
}

TEST(CairoRender, BadInputIsSkippedAndTheRenderKeepsDrawing) {
  CairoRender lRender(40, 40, CairoRender::PNG, "");
  lRender.SetCurrentAttribute(Colour(0, 0, 0));
  const std::vector<unsigned char> lBlank = Pixels(lRender);
  const float lBad[6] = {kNaN, 1.0f, kInf, 2.0f, 3.0f, -kInf};
  const float lOne[3] = {5.0f, 5.0f, 5.0f};
  lRender.ImmediateDraw2DLine(nullptr, 5, 0, 0);
  lRender.ImmediateDraw2DLine(lOne, -3, 0, 0);
  lRender.ImmediateDraw2DLine(lBad, 3, 0, 1);
  lRender.ImmediateDraw2DLine(lBad, 3, 0, 0);
  lRender.ImmediateDraw2DPolyline(lOne, 1, 0);
  lRender.ImmediateDraw2DPolygon(lBad, 3, 1, 0, nullptr, nullptr, nullptr, 0);
  lRender.ImmediateDraw2DPolygon(nullptr, 3, 1, 0, nullptr, nullptr, nullptr, 0);
  lRender.ImmediateDraw2DMarker(lBad, 3, CATSymbolDot);
  lRender.ImmediateDraw3DMarker(nullptr, 1, CATSymbolDot);
  lRender.ImmediateDraw3DLine(lBad, 2, 0, 0);
  lRender.ImmediateDraw3DLine(lBad, 2, 0, 1);
  lRender.ImmediateDraw2DImagePixel(lOne, nullptr, 1, 0, 0);
  CATPixelImage* lEmpty = new CATPixelImage(0, 0, 3);
  lRender.ImmediateDraw2DImagePixel(lOne, lEmpty, 1, 0, 0);
  lRender.ImmediateDraw2DImagePixel(lBad, lEmpty, 1, 0, 0);
  lEmpty->Release();
  CATPixelImage* lImage = new CATPixelImage(4, 4, 3);
  const float lFar[2] = {3e9f, -3e9f};
  lRender.ImmediateDraw2DImagePixel(lFar, lImage, 1, 0, 0);
  lRender.ImmediateDraw2DImagePixel(lBad, lImage, 1, 0, 0);
  lImage->Release();
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr);
  lRender.ImmediateDraw2DGeomText(lOne, "text", kNaN, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "text", -4.0f, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "text", 1e30f, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "text", 10.0f, kInf, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "", 10.0f, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "text", 10.0f, 0.0f, nullptr);
  lRender.ImmediateDraw2DGeomText(nullptr, "text", 10.0f, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lBad, "text", 10.0f, 0.0f, lFont);
  lRender.ImmediateDraw2DAnnotationText(lOne, "x", static_cast<CATAnchorPoint>(12), 1e30f, 0, nullptr, nullptr);
  lRender.ImmediateDraw2DAnnotationText(lBad, "x", CATAnchorCenter, 12.0f, 0, nullptr, nullptr);
  lRender.ImmediateDraw2DAnnotationText(nullptr, "x", CATAnchorCenter, 12.0f, 0, nullptr, nullptr);
  lRender.ImmediateDraw3DAnnotationText(nullptr, "x", CATAnchorCenter, 12.0f, 0);
  lRender.ImmediateDraw2DAnnotationText(lOne, "", CATAnchorCenter, 12.0f, 0, nullptr, nullptr);
  EXPECT_EQ(Pixels(lRender), lBlank);

  // Odd but drawable input is drawn: an unknown symbol as a cross, invalid UTF-8 with its bytes
  // replaced, a text too small to see.
  const char lInvalid[] = {'a', char(0xC3), char(0x28), char(0xFF), 'b', 0};
  const float lMiddle[2] = {20.0f, 20.0f};
  lRender.ImmediateDraw2DMarker(lMiddle, 1, static_cast<CATSymbolType>(13));
  EXPECT_GT(FindInk(lRender).count, 0);
  lRender.ImmediateDraw2DGeomText(lOne, lInvalid, 10.0f, 0.0f, lFont);
  lRender.ImmediateDraw2DGeomText(lOne, "text", 1e-30f, 0.0f, lFont);
  lRender.ImmediateDraw2DAnnotationText(lOne, lInvalid, CATAnchorCenter, 12.0f, 0, nullptr, nullptr);
  lFont->Release();

  // A degenerate viewpoint (zoom 0) must not poison the render either.
  lRender.SetBackground(255, 255, 255);
  CATViewer lViewer(40, 40);
  lViewer.Get2DViewpoint().SetZoom(0.0);
  lViewer.Draw(lRender);
  EXPECT_EQ(Pixels(lRender), lBlank);
  const float lSquare[8] = {10.0f, 10.0f, 30.0f, 10.0f, 30.0f, 30.0f, 10.0f, 30.0f};
  lRender.ImmediateDraw2DPolygon(lSquare, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  EXPECT_GT(Ink(lRender, 20, 20), 0.99);
  EXPECT_LT(Ink(lRender, 35, 35), 0.01);
}

TEST(CairoRender, RefusedSizesAndPathsFailCleanly) {
  for (const auto& lSize : {std::make_pair(0, 10), std::make_pair(-5, 10), std::make_pair(100000, 10),
                            std::make_pair(20000, 20000)}) {
    CairoRender lRender(lSize.first, lSize.second, CairoRender::PNG, TestOutputPath("never.png"));
    EXPECT_FALSE(lRender.IsValid());
    const float lPoints[4] = {0.0f, 0.0f, 5.0f, 5.0f};
    lRender.ImmediateDraw2DLine(lPoints, 2, 0, 0);
    unsigned char lRGBA[4];
    EXPECT_FALSE(lRender.GetPixel(0, 0, lRGBA));
    EXPECT_EQ(lRender.Finish(), E_FAIL);
  }
  CairoRender lNoDirectory(10, 10, CairoRender::PNG, "/nonexistent-dir/x.png");
  EXPECT_EQ(lNoDirectory.Finish(), E_FAIL);
  CairoRender lNoPath(10, 10, CairoRender::PNG, "");
  EXPECT_EQ(lNoPath.Finish(), E_FAIL);
  CairoRender lSvgNoDirectory(10, 10, CairoRender::SVG, "/nonexistent-dir/x.svg");
  EXPECT_EQ(lSvgNoDirectory.Finish(), E_FAIL);
}

TEST(CairoRender, WritesSvgAndPdfFiles) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr);
  const struct {
    CairoRender::eOutput kind;
    const char* file;
    const char* magic;
  } lCases[] = {{CairoRender::SVG, "cairo_vector.svg", "<?xml"}, {CairoRender::PDF, "cairo_vector.pdf", "%PDF"}};
  for (const auto& lCase : lCases) {
    SCOPED_TRACE(lCase.file);
    const std::string lPath = TestOutputPath(lCase.file);
    std::remove(lPath.c_str());
    {
      CairoRender lRender(120, 80, lCase.kind, lPath);
      ASSERT_TRUE(lRender.IsValid());
      lRender.SetCurrentAttribute(Colour(0, 0, 200, 2));
      const float lPoints[6] = {10.0f, 10.0f, 60.0f, 70.0f, 110.0f, 10.0f};
      lRender.ImmediateDraw2DPolyline(lPoints, 3, 0);
      const float lOrigin[2] = {10.0f, 40.0f};
      lRender.ImmediateDraw2DGeomText(lOrigin, "Vector", 14.0f, 15.0f, lFont);
      unsigned char lRGBA[4];
      EXPECT_FALSE(lRender.GetPixel(0, 0, lRGBA));
      EXPECT_EQ(lRender.Finish(), S_OK);
      EXPECT_EQ(lRender.Finish(), S_OK);  // finishing twice is harmless
      lRender.ImmediateDraw2DPolyline(lPoints, 3, 0);  // and drawing afterwards does nothing
    }
    EXPECT_GT(FileSize(lPath), 200);
    EXPECT_NE(FileStart(lPath, 64).find(lCase.magic), std::string::npos);
  }
  lFont->Release();
}

namespace {

// A green square, and with iMark ten pixels of its bottom row turned red.
void WriteSquare(const std::string& iPath, int iWidth, bool iMark) {
  CairoRender lRender(iWidth, 30, CairoRender::PNG, iPath);
  lRender.SetAntialias(false);
  lRender.SetCurrentAttribute(Colour(0, 128, 0));
  const float lSquare[8] = {5.0f, 5.0f, 25.0f, 5.0f, 25.0f, 25.0f, 5.0f, 25.0f};
  lRender.ImmediateDraw2DPolygon(lSquare, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  if (iMark) {
    lRender.SetCurrentAttribute(Colour(255, 0, 0));
    const float lStrip[8] = {0.0f, 0.0f, 10.0f, 0.0f, 10.0f, 1.0f, 0.0f, 1.0f};
    lRender.ImmediateDraw2DPolygon(lStrip, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  }
  ASSERT_EQ(lRender.Finish(), S_OK);
}

// Sets or clears FDD_UPDATE_GOLDEN for one scope and restores what was there.
class GoldenUpdateFlag {
 public:
  explicit GoldenUpdateFlag(bool iOn) {
    const char* lOld = std::getenv("FDD_UPDATE_GOLDEN");
    _HadOld = lOld != nullptr;
    if (lOld) _Old = lOld;
    if (iOn)
      setenv("FDD_UPDATE_GOLDEN", "1", 1);
    else
      unsetenv("FDD_UPDATE_GOLDEN");
  }
  ~GoldenUpdateFlag() {
    if (_HadOld)
      setenv("FDD_UPDATE_GOLDEN", _Old.c_str(), 1);
    else
      unsetenv("FDD_UPDATE_GOLDEN");
  }

 private:
  bool _HadOld = false;
  std::string _Old;
};

}  // namespace

TEST(ImageCompare, CountsChangedPixelsAndWritesADiffOnFailure) {
  const std::string lA = TestOutputPath("compare_a.png"), lB = TestOutputPath("compare_b.png");
  const std::string lWide = TestOutputPath("compare_wide.png"), lDiff = TestOutputPath("compare_ab.diff.png");
  WriteSquare(lA, 30, false);
  WriteSquare(lB, 30, true);
  WriteSquare(lWide, 31, false);
  std::remove(lDiff.c_str());

  ImageDiff lSame = CompareImages(lA, lA, 0.0, 0);
  EXPECT_TRUE(lSame.ok) << lSame.message;
  EXPECT_EQ(lSame.rms, 0.0);
  EXPECT_EQ(lSame.changed, 0);

  ImageDiff lTolerated = CompareImages(lB, lA, 100.0, 10, 24, lDiff);
  EXPECT_TRUE(lTolerated.ok) << lTolerated.message;
  EXPECT_EQ(lTolerated.changed, 10);
  EXPECT_GT(lTolerated.rms, 0.0);
  EXPECT_EQ(FileSize(lDiff), -1);  // no diff image for a match

  ImageDiff lTooMany = CompareImages(lB, lA, 100.0, 9, 24, lDiff);
  EXPECT_FALSE(lTooMany.ok);
  EXPECT_GT(FileSize(lDiff), 0);
  unsigned char lRGBA[4];
  ASSERT_TRUE(ReadPngPixel(lDiff, 3, 29, lRGBA));  // a changed pixel is red in the diff
  EXPECT_EQ(lRGBA[0], 255);
  EXPECT_EQ(lRGBA[1], 0);
  EXPECT_FALSE(CompareImages(lB, lA, lTolerated.rms * 0.5, 100).ok);
  EXPECT_TRUE(CompareImages(lB, lA, 100.0, 0, 255).ok);  // no channel differs by more than 255

  ImageDiff lSize = CompareImages(lWide, lA, 100.0, 1000);
  EXPECT_FALSE(lSize.ok);
  EXPECT_NE(lSize.message.find("size"), std::string::npos);
  EXPECT_FALSE(CompareImages(TestOutputPath("missing.png"), lA, 100.0, 1000).ok);
  EXPECT_FALSE(ReadPngPixel(lA, 30, 0, lRGBA));
  EXPECT_FALSE(ReadPngPixel(lA, 0, -1, lRGBA));
}

TEST(ImageCompare, GoldenIsOnlyReplacedWhenAskedTo) {
  const std::string lA = TestOutputPath("golden_probe_a.png"), lB = TestOutputPath("golden_probe_b.png");
  const std::string lGolden = TestOutputPath("golden_probe.png");  // absolute: kept out of the sources
  WriteSquare(lA, 30, false);
  WriteSquare(lB, 30, true);
  std::remove(lGolden.c_str());
  {
    GoldenUpdateFlag lFlag(false);
    ImageDiff lMissing = CompareWithGolden(lA, lGolden, 1.0, 0);
    EXPECT_FALSE(lMissing.ok);
    EXPECT_NE(lMissing.message.find("FDD_UPDATE_GOLDEN"), std::string::npos);
    EXPECT_EQ(FileSize(lGolden), -1);
  }
  {
    GoldenUpdateFlag lFlag(true);
    EXPECT_TRUE(CompareWithGolden(lA, lGolden, 0.0, 0).ok);
    EXPECT_GT(FileSize(lGolden), 0);
  }
  GoldenUpdateFlag lFlag(false);
  EXPECT_TRUE(CompareWithGolden(lA, lGolden, 0.0, 0).ok);
  ImageDiff lChanged = CompareWithGolden(lB, lGolden, 0.0, 0);
  EXPECT_FALSE(lChanged.ok);
  EXPECT_EQ(lChanged.changed, 10);
  EXPECT_GT(FileSize(TestOutputPath("golden_probe.diff.png")), 0);
  EXPECT_GT(FileSize(TestOutputPath("golden_probe.rendered.png")), 0);
  EXPECT_TRUE(CompareWithGolden(lA, lGolden, 0.0, 0).ok);  // the golden was left alone
}
