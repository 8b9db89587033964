// The cached-image skeleton of the image primitives: the primitive's own algorithm is made for the
// pixel extent drawn, its bitmap is drawn, and value queries get an algorithm of the size shown.
#include <gtest/gtest.h>

#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATPixelImage.h"
#include "QVTFddCachedImage.h"
#include "RecordingRender.h"

namespace {

// An algorithm that makes a plain bitmap of its size (or an empty one when told to).
struct FakeAlgorithm {
  int _Width;
  int _Height;
  bool _Empty;
  CATPixelImage MakeBitmap() { return _Empty ? CATPixelImage() : CATPixelImage(_Width, _Height, 3); }
  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }
};

// A primitive that notes every size its algorithm is made for.
struct FakePrimitive {
  FakeAlgorithm* NewAlgorithm(int iWidth, int iHeight) const {
    Made.push_back({iWidth, iHeight});
    return Refuse ? nullptr : new FakeAlgorithm{iWidth, iHeight, Empty};
  }
  mutable std::vector<std::vector<int>> Made;
  bool Refuse = false;
  bool Empty = false;
};

typedef QVTFddCachedImage<FakeAlgorithm, FakePrimitive> Cached;

}  // namespace

TEST(QVTFddCachedImage, MakesThePrimitivesAlgorithmForTheSizeDrawnAndShown) {
  FakePrimitive lPrimitive;
  Cached lImage(lPrimitive, &FakePrimitive::NewAlgorithm, Cached::kRenderScale, Cached::kSkipEmpty);
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  RecordingRender lRender;
  const CATMathBox2D lBox(10, 110, 20, 70);

  EXPECT_EQ(lImage.Shown(), nullptr);  // nothing drawn yet
  EXPECT_TRUE(lPrimitive.Made.empty());
  lImage.Draw(lRender, &lViewpoint, lBox);
  lImage.Draw(lRender, &lViewpoint, lBox);  // the same size: kept
  EXPECT_EQ(lPrimitive.Made, (std::vector<std::vector<int>>{{100, 50}}));
  const std::vector<RecordedCall> lCalls = lRender.CallsOf("ImmediateDraw2DImagePixel");
  ASSERT_EQ(lCalls.size(), 2u);
  EXPECT_EQ(lCalls[0].Floats, (std::vector<float>{10.0f, 20.0f}));
  EXPECT_EQ(lCalls[0].Ints[0], 100);
  FakeAlgorithm* lShown = lImage.Shown();
  ASSERT_NE(lShown, nullptr);
  EXPECT_EQ(lPrimitive.Made.size(), 1u);  // the algorithm of the drawing answers

  // A zoom by 10 %: the image is zoomed, not computed; a query gets an algorithm of the zoomed size.
  lViewpoint.SetZoom(1.1);
  lImage.Draw(lRender, &lViewpoint, lBox);
  EXPECT_EQ(lPrimitive.Made.size(), 1u);
  lShown = lImage.Shown();
  ASSERT_NE(lShown, nullptr);
  EXPECT_EQ(lPrimitive.Made.back(), (std::vector<int>{110, 55}));

  // Dropped: the next draw computes anew. A primitive without an algorithm draws nothing.
  lImage.Drop();
  EXPECT_EQ(lImage.Shown(), nullptr);
  lPrimitive.Refuse = true;
  lRender.Clear();
  lImage.Draw(lRender, &lViewpoint, lBox);
  EXPECT_EQ(lPrimitive.Made.size(), 3u);
  EXPECT_EQ(lRender.CountOf("ImmediateDraw2DImagePixel"), 0u);
  EXPECT_EQ(lImage.Shown(), nullptr);
}

TEST(QVTFddCachedImage, EmptyImagesAreDrawnOnlyWhenAsked) {
  for (Cached::eEmptyImage lEmpty : {Cached::kDrawEmpty, Cached::kSkipEmpty}) {
    FakePrimitive lPrimitive;
    lPrimitive.Empty = true;
    Cached lImage(lPrimitive, &FakePrimitive::NewAlgorithm, Cached::kViewerScale, lEmpty);
    CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
    RecordingRender lRender;
    lImage.Draw(lRender, &lViewpoint, CATMathBox2D(0, 40, 0, 30));
    lImage.Draw(lRender, &lViewpoint, CATMathBox2D(0, 40, 0, 30));
    EXPECT_EQ(lPrimitive.Made.size(), 1u);  // an empty image is kept at its size
    EXPECT_EQ(lRender.CountOf("ImmediateDraw2DImagePixel"), lEmpty == Cached::kDrawEmpty ? 2u : 0u);
  }
}
