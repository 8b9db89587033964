#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CAT2DViewpoint.h"

TEST(CAT2DViewpoint, ModelPixelModelRoundTrip) {
  CAT2DViewpoint lViewpoint(CATMathPoint2D(12.5, -40.0), 3.2);
  const float w = 640, h = 480;
  const float lModels[][2] = {{12.5f, -40.0f}, {0.0f, 0.0f}, {100.25f, 33.5f}, {-1e4f, 2e3f}};
  for (const auto& lModel : lModels) {
    CATMathPoint2Df lPixel, lBack;
    lViewpoint.ModelToPixel(CATMathPointf(lModel[0], lModel[1], 0.0f), lPixel, w, h, 1.0f, 1.0f);
    lViewpoint.PixelToModel(lPixel, lBack, w, h, 1.0f, 1.0f);
    EXPECT_NEAR(lBack.x, lModel[0], 1e-3f * (1.0f + std::fabs(lModel[0])));
    EXPECT_NEAR(lBack.y, lModel[1], 1e-3f * (1.0f + std::fabs(lModel[1])));
    CATMathPoint2D lBackDouble;
    lViewpoint.ComputeModelFromPixel(lPixel.x, lPixel.y, lBackDouble, w, h, 1.0f, 1.0f);
    EXPECT_NEAR(lBackDouble.GetX(), lModel[0], 1e-3 * (1.0 + std::fabs(lModel[0])));
  }
  // The centre of the view lies at the centre of the viewport, y up.
  CATMathPoint2Df lPixel;
  lViewpoint.ModelToPixel(CATMathPointf(12.5f, -40.0f, 0.0f), lPixel, w, h, 1.0f, 1.0f);
  EXPECT_FLOAT_EQ(lPixel.x, 320.0f);
  EXPECT_FLOAT_EQ(lPixel.y, 240.0f);
  lViewpoint.ModelToPixel(CATMathPointf(13.5f, -39.0f, 0.0f), lPixel, w, h, 1.0f, 1.0f);
  EXPECT_FLOAT_EQ(lPixel.x, 323.2f);
  EXPECT_FLOAT_EQ(lPixel.y, 243.2f);
}

TEST(CAT2DViewpoint, ParameterOrdersAgree) {
  // Callers pass the render's parameters as (1, 2, 4, 3), (1, 2, 3, 4) or (1, 2, mm, own scale);
  // with the scales of this host the three give the same pixel.
  CAT2DViewpoint lViewpoint(CATMathPoint2D(5, 5), 2.0);
  const float p1 = 800, p2 = 600, p3 = 1.0f, p4 = 1.0f, mm = 1.0f;
  CATMathPoint2Df a, b, c;
  CATMathPointf lModel(7.0f, -3.0f, 0.0f);
  lViewpoint.ModelToPixel(lModel, a, p1, p2, p4, p3);
  lViewpoint.ModelToPixel(lModel, b, p1, p2, p3, p4);
  lViewpoint.ModelToPixel(lModel, c, p1, p2, mm, lViewpoint.GetDeviceScale());
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.x, c.x);
  EXPECT_EQ(a.y, c.y);
  // Scales other than 1 enter as a product, so the order still does not matter.
  lViewpoint.ModelToPixel(lModel, a, p1, p2, 2.0f, 0.5f);
  lViewpoint.ModelToPixel(lModel, b, p1, p2, 0.5f, 2.0f);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
}

TEST(CAT2DViewpoint, DegenerateZoomNeverDividesByZero) {
  const double lZooms[] = {0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
  for (double lZoom : lZooms) {
    CAT2DViewpoint lViewpoint(CATMathPoint2D(1, 2), lZoom);
    CATMathPoint2Df lModel;
    lViewpoint.PixelToModel(CATMathPoint2Df(10.0f, 20.0f), lModel, 100, 100, 1.0f, 1.0f);
    EXPECT_TRUE(std::isfinite(lModel.x));
    EXPECT_TRUE(std::isfinite(lModel.y));
  }
}
